#include <gtest/gtest.h>

#include <string>

#include "protocol/CodePage.h"
#include "protocol/ProtocolNode.h"
#include "protocol/Timestamp.h"
#include "FileTimeTicks.h"
#include "protocol/ProtocolText.h"
#include "protocol/TreeLimits.h"

namespace brivane {
namespace {

std::wstring render(ProtocolNode& node, int start = 0) {
  std::wstring out;
  int depth = start;
  EXPECT_EQ(writeText(node, out, depth), 0);
  EXPECT_EQ(depth, start);
  return out;
}

void setWord(ProtocolNode& node, ValueKind kind, std::uint32_t word) { node.setValue(kind, &word, sizeof word); }

TEST(WriteText, LabelQueryComesOutByteForByte) {
  ProtocolNode root(L"system", L"");
  ProtocolNode* query = ProtocolNode::addChild(&root, L"read_resource_string");
  ProtocolNode::addChild(query, L"file")->setString(L"palisorv3");
  ProtocolNode::addChild(query, L"path")->setString(L"contextmenu.defaultfoldername");
  const std::wstring expected =
      L"<system>\n"
      L"    <read_resource_string>\n"
      L"        <file type=\"string\">palisorv3</file>\n"
      L"        <path type=\"string\">contextmenu.defaultfoldername</path>\n"
      L"    </read_resource_string>\n"
      L"</system>\n";
  EXPECT_EQ(render(root), expected);
  EXPECT_EQ(toCodePage(render(root), CP_UTF8), toCodePage(expected, CP_UTF8));
}

TEST(WriteText, AppendsToWhatTheTextHolds) {
  ProtocolNode node(L"a", L"");
  std::wstring out = L"before\n";
  int depth = 0;
  writeText(node, out, depth);
  EXPECT_EQ(out, L"before\n<a></a>\n");
}

TEST(WriteText, LeafIsOneIndentedLine) {
  ProtocolNode node(L"leaf", L"v");
  EXPECT_EQ(render(node, 2), L"        <leaf type=\"string\">v</leaf>\n");
}

TEST(WriteText, ValueAndChildrenShareTheElement) {
  ProtocolNode node(L"p", L"own");
  ProtocolNode::addChild(&node, L"c");
  EXPECT_EQ(render(node, 1), L"    <p type=\"string\">own\n        <c></c>\n    </p>\n");
}

TEST(WriteText, EmptyNameIsWrittenAsNode) {
  ProtocolNode root;
  ProtocolNode::addChild(&root, L"");
  EXPECT_EQ(render(root), L"<node>\n    <node></node>\n</node>\n");
}

TEST(WriteText, EmptyStringValueKeepsItsAttributeOnlyWhenSet) {
  ProtocolNode made(L"name", L"");
  EXPECT_EQ(render(made), L"<name></name>\n");
  made.setString(L"");
  EXPECT_EQ(render(made), L"<name type=\"string\"></name>\n");
}

TEST(WriteText, StringContentIsEscapedWithLineBreaks) {
  ProtocolNode node(L"s", L"a<b & \"c\"");
  EXPECT_EQ(render(node), L"<s type=\"string\">a&lt;b &amp; &quot;c&quot;</s>\n");
  node.setString(L"line1\r\nline2\u20ac\u00fc");
  EXPECT_EQ(render(node), L"<s type=\"string\">line1<br>line2&#x20ac;\u00fc</s>\n");
  node.setString(L"x\ny");
  EXPECT_EQ(render(node), L"<s type=\"string\">x\ny</s>\n");
}

TEST(WriteText, IntegersAreDecimal) {
  ProtocolNode node(L"n", L"");
  setWord(node, ValueKind::UInt32, 0xFFFFFFFF);
  EXPECT_EQ(render(node), L"<n type=\"unsigned int32\">4294967295</n>\n");
  setWord(node, ValueKind::Int32, 0xFFFFFFFF);
  EXPECT_EQ(render(node), L"<n type=\"int32\">-1</n>\n");
  const std::uint8_t one = 7;
  node.setValue(ValueKind::UInt32, &one, 1);
  EXPECT_EQ(render(node), L"<n type=\"unsigned int32\">7</n>\n");
}

TEST(WriteText, BinaryIsBase64OnOneLine) {
  ProtocolNode node(L"b", L"");
  const std::uint8_t a = 0x41;
  node.setBinary(&a, 1);
  EXPECT_EQ(render(node), L"<b type=\"base64\">QQ==</b>\n");
  node.setBinary("abc", 3);
  EXPECT_EQ(render(node), L"<b type=\"base64\">YWJj</b>\n");
  std::uint8_t sixty[60];
  for (int i = 0; i < 60; ++i) sixty[i] = static_cast<std::uint8_t>(i * 37);
  node.setBinary(sixty, sizeof sixty);
  const std::wstring text = render(node);
  const std::wstring prefix = L"<b type=\"base64\">";
  ASSERT_EQ(text.size(), prefix.size() + 80 + 5);
  EXPECT_EQ(text.find(L'\n'), text.size() - 1);
  node.setBinary("x", 0);
  EXPECT_EQ(render(node), L"<b type=\"base64\"></b>\n");
}

TEST(WriteText, TimestampNeedsEightBytes) {
  ProtocolNode node(L"t", L"");
  const std::uint8_t zero[8] = {};
  node.setValue(ValueKind::Timestamp, zero, 8);
  EXPECT_EQ(render(node), L"<t type=\"timestamp\"></t>\n");
  const FILETIME time{0x12345678, 0x01D70000};
  node.setValue(ValueKind::Timestamp, &time, sizeof time);
  EXPECT_EQ(render(node), L"<t type=\"timestamp\">" + formatTimestamp(ticksOf(time)) + L"</t>\n");
  node.setValue(ValueKind::Timestamp, &time, 4);
  EXPECT_EQ(render(node), L"<t></t>\n");
}

TEST(WriteText, KindsWithoutTextHaveNeitherAttributeNorContent) {
  const std::uint8_t bytes[] = {'a', 0, 'b', 0};
  for (std::uint8_t code : {0, 6, 7, 8, 9}) {
    ProtocolNode node(L"k", L"");
    node.setValue(static_cast<ValueKind>(code), bytes, sizeof bytes);
    EXPECT_EQ(render(node), L"<k></k>\n") << int(code);
  }
  ProtocolNode holder(L"k", L"");
  holder.setEmbeddedTree(new ProtocolNode(L"inner", L"x"));
  EXPECT_EQ(render(holder), L"<k></k>\n");
  EXPECT_EQ(holder.kind(), ValueKind::EmbeddedTree);
}

TEST(WriteText, NamesAreWrittenAsTheyAre) {
  ProtocolNode node(L"a&b\u20ac", L"");
  EXPECT_EQ(render(node), L"<a&b\u20ac></a&b\u20ac>\n");
}

TEST(WriteText, ChangesOnlyTheWalkedMark) {
  ProtocolNode root(L"r", L"");
  ProtocolNode* child = ProtocolNode::addChild(&root, L"c");
  root.setFlags(NodeFlag::Walked | NodeFlag::Inherited);
  child->setFlags(NodeFlag::Walked);
  render(root);
  EXPECT_EQ(root.flags(), NodeFlag::Inherited);
  EXPECT_EQ(child->flags(), 0);  // its (empty) child list was walked too
  EXPECT_EQ(root.childCount(), 1u);
}

TEST(WriteText, VeryDeepTreeIsCutAtTheBound) {
  ProtocolNode root(L"n", L"");
  std::wstring path = L"n";
  for (int i = 1; i < kMaxTreeDepth + 50; ++i) path += L".n";
  root.findPath(path, true);
  const std::wstring text = render(root);
  std::size_t elements = 0;
  for (std::size_t at = text.find(L"</n>"); at != std::wstring::npos; at = text.find(L"</n>", at + 1)) ++elements;
  EXPECT_EQ(elements, static_cast<std::size_t>(kMaxTreeDepth) + 1);
}

}  // namespace
}  // namespace brivane
