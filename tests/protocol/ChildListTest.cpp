#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChildNames.h"
#include "protocol/ChildList.h"
#include "protocol/ProtocolNode.h"

namespace brivane {
namespace {

using testing::childNames;

// Lists short enough to be searched whole and long enough to have their bucket index behave alike.
constexpr std::size_t kSizes[] = {0, 1, 2, ChildList::kIndexFrom - 1, ChildList::kIndexFrom + 1, 40};

void addFillers(ProtocolNode& parent, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) ProtocolNode::addChild(&parent, L"filler" + std::to_wstring(i));
}

TEST(ChildList, ARenamedChildComesAfterThoseFiledBeforeItUnderItsNewName) {
  for (std::size_t size : kSizes) {
    ProtocolNode root;
    ProtocolNode* renamed = ProtocolNode::addChild(&root, L"old");
    ProtocolNode* earlier = ProtocolNode::addChild(&root, L"name");
    addFillers(root, size);
    renamed->setName(L"name");
    ProtocolNode* later = ProtocolNode::addChild(&root, L"name");
    EXPECT_EQ(root.findPath(L"name", false), earlier) << size;
    delete earlier;
    EXPECT_EQ(root.findPath(L"name", false), renamed) << size;
    delete renamed;
    EXPECT_EQ(root.findPath(L"name", false), later) << size;
    EXPECT_EQ(root.findPath(L"old", false), nullptr) << size;
  }
}

TEST(ChildList, FilingOrderSurvivesTheListGrowingAnIndex) {
  ProtocolNode root;
  ProtocolNode* renamed = ProtocolNode::addChild(&root, L"x");
  ProtocolNode* first = ProtocolNode::addChild(&root, L"y");
  renamed->setName(L"y");
  addFillers(root, 3 * ChildList::kIndexFrom);
  EXPECT_EQ(root.findPath(L"y", false), first);
  EXPECT_EQ(childNames(root).front(), L"y");
}

TEST(ChildList, RemovalsInAnyOrderKeepTheOrderAndTheLookupsOfTheRest) {
  for (std::size_t size : kSizes) {
    ProtocolNode root;
    std::vector<ProtocolNode*> children;
    std::vector<std::wstring> expected;
    for (std::size_t i = 0; i < 2 * size; ++i) children.push_back(ProtocolNode::addChild(&root, std::to_wstring(i % 3)));
    for (std::size_t i = 0; i < children.size(); ++i) {
      if (i % 4 == 1 || i % 4 == 2 || i == 0) {
        delete children[i];
        children[i] = nullptr;
      } else {
        expected.push_back(std::to_wstring(i % 3));
      }
    }
    for (std::size_t i = 0; i < size; ++i) {
      children.push_back(ProtocolNode::addChild(&root, L"late"));
      expected.push_back(L"late");
    }
    EXPECT_EQ(childNames(root), expected) << size;
    EXPECT_EQ(root.childCount(), expected.size()) << size;
    for (const wchar_t* name : {L"0", L"1", L"2", L"late"}) {
      ProtocolNode* earliest = nullptr;
      for (ProtocolNode* child : children) {
        if (earliest == nullptr && child != nullptr && child->getName() == name) earliest = child;
      }
      EXPECT_EQ(root.findPath(name, false), earliest) << size << ' ' << name;
    }
  }
}

TEST(ChildList, AListOfOneChildGrowsEmptiesAndGrowsAgain) {
  ProtocolNode root;
  ProtocolNode* only = ProtocolNode::addChild(&root, L"only");
  EXPECT_EQ(root.findPath(L"only", false), only);
  only->setName(L"same");
  EXPECT_EQ(root.findPath(L"only", false), nullptr);
  ProtocolNode* second = ProtocolNode::addChild(&root, L"same");
  EXPECT_EQ(root.findPath(L"same", false), only);
  EXPECT_EQ(childNames(root), (std::vector<std::wstring>{L"same", L"same"}));
  delete only;
  EXPECT_EQ(root.findPath(L"same", false), second);
  delete second;
  EXPECT_EQ(root.childCount(), 0u);
  EXPECT_EQ(root.findPath(L"same", false), nullptr);
  ProtocolNode* again = ProtocolNode::addChild(&root, L"same");
  ProtocolNode* other = ProtocolNode::addChild(&root, L"other");
  EXPECT_EQ(childNames(root), (std::vector<std::wstring>{L"same", L"other"}));
  EXPECT_EQ(root.findPath(L"same", false), again);
  EXPECT_EQ(root.findPath(L"other", false), other);
  EXPECT_EQ(again->parent(), &root);
}

TEST(NodeName, LongAndShortNamesAndRenamesToTheirOwnText) {
  const std::wstring longName(300, L'n');
  ProtocolNode root;
  ProtocolNode* child = ProtocolNode::addChild(&root, longName);
  EXPECT_EQ(child->getName(), longName);
  EXPECT_EQ(root.findPath(longName, false), child);
  child->setName(child->nameView().substr(1));
  EXPECT_EQ(child->getName(), longName.substr(1));
  child->setName(child->nameView().substr(0, 5));
  EXPECT_EQ(child->getName(), L"nnnnn");
  child->setName(child->nameView());
  EXPECT_EQ(child->getName(), L"nnnnn");
  child->setName(L"destination_x");
  EXPECT_EQ(root.findPath(L"destination_x", false), child);
}

}  // namespace
}  // namespace brivane
