#include <gtest/gtest.h>

#include "protocol/ProtocolNode.h"

namespace brivane {
namespace {

TEST(FindPath, CreatesEveryMissingSegmentOfAResponseField) {
  ProtocolNode response;
  ProtocolNode* value = response.findPath(L"read_resource_string_response.value", true);
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->getName(), L"value");
  EXPECT_EQ(value->getString(), L"");
  EXPECT_EQ(value->getInt(), 0);
  ProtocolNode* middle = value->parent();
  ASSERT_NE(middle, nullptr);
  EXPECT_EQ(middle->getName(), L"read_resource_string_response");
  EXPECT_EQ(middle->parent(), &response);
  EXPECT_EQ(response.childCount(), 1u);
  EXPECT_EQ(response.findPath(L"read_resource_string_response.value", true), value);
  EXPECT_EQ(response.childCount(), 1u);
  EXPECT_EQ(middle->childCount(), 1u);
}

TEST(FindPath, CreatedNodesKeepFreshAndInheritTheMarks) {
  ProtocolNode root;
  root.setFlags(NodeFlag::Inherited | NodeFlag::NotSerialized);
  ProtocolNode* node = root.findPath(L"a.b", true);
  EXPECT_EQ(node->flags(), NodeFlag::Changed | NodeFlag::Fresh | NodeFlag::Inherited | NodeFlag::NotSerialized);
  EXPECT_EQ(node->parent()->flags(), node->flags());
}

TEST(FindPath, WithoutCreateFindsNothingMissingAndAddsNothing) {
  ProtocolNode root;
  EXPECT_EQ(root.findPath(L"a", false), nullptr);
  ProtocolNode* a = ProtocolNode::addChild(&root, L"a");
  EXPECT_EQ(root.findPath(L"a.b", false), nullptr);
  EXPECT_EQ(a->childCount(), 0u);
  EXPECT_EQ(root.findPath(L"a", false), a);
}

TEST(FindPath, AmongEqualNamesTheEarliestAddedIsFound) {
  ProtocolNode root;
  ProtocolNode* first = ProtocolNode::addChild(&root, L"a");
  ProtocolNode::addChild(&root, L"a");
  EXPECT_EQ(root.findPath(L"a", true), first);
  EXPECT_EQ(root.childCount(), 2u);
}

TEST(FindPath, IsCaseSensitive) {
  ProtocolNode root;
  ProtocolNode* lower = ProtocolNode::addChild(&root, L"value");
  EXPECT_EQ(root.findPath(L"Value", false), nullptr);
  ProtocolNode* upper = root.findPath(L"Value", true);
  EXPECT_NE(upper, lower);
  EXPECT_EQ(upper->getName(), L"Value");
  EXPECT_EQ(root.childCount(), 2u);
}

TEST(FindPath, TrailingDotIsTheSamePath) {
  ProtocolNode root;
  ProtocolNode* node = root.findPath(L"x.y", true);
  EXPECT_EQ(root.findPath(L"x.y.", false), node);
  EXPECT_EQ(root.findPath(L"x.", false), node->parent());
}

TEST(FindPath, DoubleDotPassesThroughTheChildWithTheEmptyName) {
  ProtocolNode root;
  ProtocolNode* b = root.findPath(L"a..b", true);
  ProtocolNode* empty = b->parent();
  EXPECT_EQ(empty->getName(), L"");
  EXPECT_EQ(empty->parent()->getName(), L"a");
  EXPECT_EQ(root.findPath(L"a.", false), empty->parent());
  EXPECT_EQ(root.findPath(L"a..", false), empty);
}

TEST(FindPath, EmptyPathNamesTheChildWithTheEmptyName) {
  ProtocolNode root;
  ProtocolNode* empty = root.findPath(L"", true);
  ASSERT_NE(empty, &root);
  EXPECT_EQ(empty->getName(), L"");
  EXPECT_EQ(empty->parent(), &root);
  EXPECT_EQ(root.findPath(L"", false), empty);
  EXPECT_EQ(root.findPath(L".", false), empty);
  EXPECT_EQ(root.childCount(), 1u);
}

TEST(FindPath, WalkClearsTheWalkedMark) {
  ProtocolNode root;
  root.setFlags(NodeFlag::Walked);
  root.findPath(L"a", false);
  EXPECT_EQ(root.flags() & NodeFlag::Walked, 0);
}

}  // namespace
}  // namespace brivane
