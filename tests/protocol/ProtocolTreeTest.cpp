#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "protocol/NameHash.h"
#include "ChildNames.h"
#include "protocol/ProtocolNode.h"

namespace brivane {
namespace {

using testing::childNames;

TEST(NameHash, IsTheCrc32OfTheNameWithItsTerminator) {
  EXPECT_EQ(nameHashOf(L"system"), 0x5A4744FAu);
  EXPECT_EQ(nameHashOf(L""), 0x41D912FFu);  // the two NUL bytes alone
  EXPECT_EQ(nameHashOf(L"a"), 0xA2DE4F7Au);
  EXPECT_NE(nameHashOf(L"Value"), nameHashOf(L"value"));
}

TEST(ProtocolNodeConstruction, EmptyNodeHasItsInitialState) {
  ProtocolNode node;
  EXPECT_EQ(node.getName(), L"");
  EXPECT_EQ(node.nameHash(), nameHashOf(L""));
  EXPECT_EQ(node.kind(), ValueKind::None);
  EXPECT_EQ(node.dataLength(), 0u);
  EXPECT_EQ(node.getRaw().first, nullptr);
  EXPECT_EQ(node.flags(), NodeFlag::Changed | NodeFlag::Fresh);
  EXPECT_EQ(node.parent(), nullptr);
  EXPECT_EQ(node.childCount(), 0u);
}

TEST(ProtocolNodeConstruction, NameWithEmptyValueStaysWithoutValue) {
  ProtocolNode root(L"system", L"");
  EXPECT_EQ(root.getName(), L"system");
  EXPECT_EQ(root.nameHash(), 0x5A4744FAu);
  EXPECT_EQ(root.kind(), ValueKind::None);
  EXPECT_EQ(root.dataLength(), 0u);
}

TEST(ProtocolNodeConstruction, NameWithValueHoldsAString) {
  ProtocolNode node(L"file", L"palisorv3");
  EXPECT_EQ(node.kind(), ValueKind::String);
  EXPECT_EQ(node.dataLength(), 2u * 9 + 2);
  EXPECT_EQ(node.getString(), L"palisorv3");
}

TEST(ProtocolNodeConstruction, NodeMadeWithParentIsAppendedToIt) {
  ProtocolNode root;
  ProtocolNode::addChild(&root, L"first");
  auto* second = new ProtocolNode(&root);
  EXPECT_EQ(second->parent(), &root);
  EXPECT_EQ(second->flags(), NodeFlag::Changed | NodeFlag::Fresh);
  EXPECT_EQ(childNames(root), (std::vector<std::wstring>{L"first", L""}));
  EXPECT_EQ(root.findPath(L"", false), second);
}

TEST(AddChild, AppendsInOrderAndAllowsDuplicates) {
  ProtocolNode root;
  ProtocolNode* a1 = ProtocolNode::addChild(&root, L"a");
  ProtocolNode* b = ProtocolNode::addChild(&root, L"b");
  ProtocolNode* a2 = ProtocolNode::addChild(&root, L"a");
  EXPECT_NE(a1, a2);
  EXPECT_EQ(root.childCount(), 3u);
  EXPECT_EQ(childNames(root), (std::vector<std::wstring>{L"a", L"b", L"a"}));
  EXPECT_EQ(a1->parent(), &root);
  EXPECT_EQ(b->nameHash(), nameHashOf(L"b"));
}

TEST(AddChild, ClearsFreshAndInheritsTheParentsMarks) {
  ProtocolNode root;
  root.setFlags(NodeFlag::Inherited | NodeFlag::NotSerialized | NodeFlag::Walked);
  ProtocolNode* child = ProtocolNode::addChild(&root, L"c");
  EXPECT_EQ(child->flags(), NodeFlag::Changed | NodeFlag::Inherited | NodeFlag::NotSerialized);
  ProtocolNode plain;
  EXPECT_EQ(ProtocolNode::addChild(&plain, L"c")->flags(), NodeFlag::Changed);
  EXPECT_EQ(ProtocolNode::addChild(nullptr, L"c"), nullptr);
}

TEST(ProtocolNodeDestruction, DestroyingEitherDuplicateLeavesTheOtherFindable) {
  for (int which = 0; which < 2; ++which) {
    ProtocolNode root;
    ProtocolNode* first = ProtocolNode::addChild(&root, L"a");
    ProtocolNode* second = ProtocolNode::addChild(&root, L"a");
    delete (which == 0 ? first : second);
    ProtocolNode* survivor = which == 0 ? second : first;
    EXPECT_EQ(root.childCount(), 1u);
    EXPECT_EQ(root.findPath(L"a", false), survivor);
  }
}

TEST(ProtocolNodeDestruction, DestroyingAChildKeepsTheOrderOfTheRest) {
  ProtocolNode root;
  ProtocolNode::addChild(&root, L"x");
  ProtocolNode* y = ProtocolNode::addChild(&root, L"y");
  ProtocolNode::addChild(&root, L"z");
  ProtocolNode::addChild(y, L"below");
  delete y;
  EXPECT_EQ(childNames(root), (std::vector<std::wstring>{L"x", L"z"}));
  EXPECT_EQ(root.findPath(L"y", false), nullptr);
  EXPECT_NE(root.findPath(L"z", false), nullptr);
}

TEST(ProtocolNodeClear, ReleasesValueAndChildrenAndMarksTheNodeChanged) {
  ProtocolNode root(L"system", L"value");
  ProtocolNode* child = ProtocolNode::addChild(&root, L"child");
  ProtocolNode::addChild(child, L"grandchild");
  root.setFlags(0);
  root.clear();
  EXPECT_EQ(root.kind(), ValueKind::None);
  EXPECT_EQ(root.dataLength(), 0u);
  EXPECT_EQ(root.getString(), L"");
  EXPECT_EQ(root.childCount(), 0u);
  EXPECT_EQ(root.findPath(L"child", false), nullptr);
  EXPECT_EQ(root.flags(), NodeFlag::Changed);
  EXPECT_EQ(root.getName(), L"system");
  ProtocolNode::addChild(&root, L"again");
  EXPECT_EQ(childNames(root), (std::vector<std::wstring>{L"again"}));
}

TEST(SetName, RefilesTheChildUnderItsNewName) {
  ProtocolNode root;
  ProtocolNode* child = ProtocolNode::addChild(&root, L"old");
  ProtocolNode::addChild(&root, L"other");
  child->setFlags(0);
  child->setName(L"new");
  EXPECT_EQ(child->getName(), L"new");
  EXPECT_EQ(child->nameHash(), nameHashOf(L"new"));
  EXPECT_EQ(child->flags(), NodeFlag::Changed);
  EXPECT_EQ(root.findPath(L"old", false), nullptr);
  EXPECT_EQ(root.findPath(L"new", false), child);
  delete child;
  EXPECT_EQ(root.findPath(L"new", false), nullptr);
  EXPECT_EQ(childNames(root), (std::vector<std::wstring>{L"other"}));
}

TEST(ForEachChild, VisitsInListOrderAndClearsTheWalkedMark) {
  ProtocolNode root;
  for (const wchar_t* name : {L"3", L"1", L"2"}) ProtocolNode::addChild(&root, name);
  root.setFlags(NodeFlag::Walked | NodeFlag::Inherited);
  EXPECT_EQ(childNames(root), (std::vector<std::wstring>{L"3", L"1", L"2"}));
  EXPECT_EQ(root.flags(), NodeFlag::Inherited);
}

TEST(EmbeddedTree, IsDetachedFromItsParentAndOwnedByTheNode) {
  ProtocolNode root;
  ProtocolNode* holder = ProtocolNode::addChild(&root, L"holder");
  ProtocolNode* tree = ProtocolNode::addChild(&root, L"tree");
  ProtocolNode::addChild(tree, L"leaf")->setString(L"x");
  holder->setEmbeddedTree(tree);
  EXPECT_EQ(tree->parent(), nullptr);
  EXPECT_EQ(holder->kind(), ValueKind::EmbeddedTree);
  EXPECT_EQ(childNames(root), (std::vector<std::wstring>{L"holder"}));
  holder->setEmbeddedTree(nullptr);
  EXPECT_EQ(holder->kind(), ValueKind::None);
}

}  // namespace
}  // namespace brivane
