#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "protocol/ByteStream.h"
#include "protocol/ProtocolNode.h"
#include "protocol/ProtocolText.h"

namespace brivane {
namespace {

constexpr int kTargets = 100000;
// Linear work on these trees takes well under a second; quadratic work would take hours.
constexpr auto kLinearBound = std::chrono::seconds(20);

using Clock = std::chrono::steady_clock;

std::wstring sourceOf(int i) { return L"C:\\Docs\\file " + std::to_wstring(i) + L".txt"; }

void addTargets(ProtocolNode& parent, int count) {
  for (int i = 0; i < count; ++i) {
    ProtocolNode* target = ProtocolNode::addChild(&parent, L"target");
    target->findPath(L"source", true)->setString(sourceOf(i));
    target->findPath(L"destination", true)->setString(sourceOf(i) + L".qelf");
  }
}

std::size_t countOf(const std::wstring& text, const std::wstring& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::wstring::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

TEST(LargeTree, HundredThousandSameNamedChildrenAreBuiltRenderedAndDestroyedInLinearTime) {
  const auto start = Clock::now();
  std::wstring text;
  {
    ProtocolNode root(L"system", L"");
    ProtocolNode* request = root.findPath(L"securing_files", true);
    addTargets(*request, kTargets);
    EXPECT_EQ(request->childCount(), static_cast<std::size_t>(kTargets));
    EXPECT_EQ(root.findPath(L"securing_files.target.source", false)->getString(), sourceOf(0));
    int depth = 0;
    writeText(root, text, depth);
  }
  EXPECT_LT(Clock::now() - start, kLinearBound);
  EXPECT_EQ(countOf(text, L"\n"), 4u * kTargets + 4);
  EXPECT_EQ(countOf(text, L"        <target>\n"), static_cast<std::size_t>(kTargets));
  const std::wstring last = L"            <source type=\"string\">" + sourceOf(kTargets - 1) + L"</source>\n";
  EXPECT_NE(text.find(last), std::wstring::npos);
  const std::wstring end = L"    </securing_files>\n</system>\n";
  EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

TEST(LargeTree, ChildrenDestroyedOneByOneInOrderLeaveTheParentConsistent) {
  ProtocolNode parent;
  std::vector<ProtocolNode*> children;
  for (int i = 0; i < kTargets; ++i) children.push_back(ProtocolNode::addChild(&parent, L"target"));
  const auto start = Clock::now();
  for (int i = 0; i + 1 < kTargets; ++i) delete children[i];
  EXPECT_LT(Clock::now() - start, kLinearBound);
  EXPECT_EQ(parent.childCount(), 1u);
  EXPECT_EQ(parent.findPath(L"target", false), children.back());
}

TEST(LargeTree, RenamingEveryChildInOrderRefilesEach) {
  ProtocolNode parent;
  std::vector<ProtocolNode*> children;
  for (int i = 0; i < kTargets; ++i) children.push_back(ProtocolNode::addChild(&parent, L"target"));
  const auto start = Clock::now();
  for (int i = 0; i < kTargets; ++i) children[i]->setName(L"item");
  EXPECT_LT(Clock::now() - start, kLinearBound);
  EXPECT_EQ(parent.findPath(L"target", false), nullptr);
  EXPECT_EQ(parent.findPath(L"item", false), children.front());
}

TEST(LargeTree, VeryDeepChainIsDestroyedWithoutExhaustingTheStack) {
  std::wstring path = L"n";
  for (int i = 1; i < kTargets; ++i) path += L".n";
  auto* root = new ProtocolNode;
  ProtocolNode* deepest = root->findPath(path, true);
  deepest->setString(L"bottom");
  EXPECT_EQ(root->findPath(path, false), deepest);
  delete root;
}

TEST(LargeTree, BinaryFormHoldsAtMostTheChildrenItsCountCanName) {
  ProtocolNode root(L"r", L"");
  addTargets(root, 70000);
  ByteSink sink;
  root.writeBinary(sink, root.kind());
  ProtocolNode copy;
  ByteSource source(sink.data(), sink.size());
  ASSERT_TRUE(copy.readBinary(source));
  EXPECT_EQ(source.remaining(), 0u);
  EXPECT_EQ(copy.childCount(), 65535u);
  std::vector<std::wstring> sources;
  copy.forEachChild([&](ProtocolNode& target) { sources.push_back(target.findPath(L"source", false)->getString()); });
  EXPECT_EQ(sources.front(), sourceOf(0));
  EXPECT_EQ(sources.back(), sourceOf(65534));
}

}  // namespace
}  // namespace brivane
