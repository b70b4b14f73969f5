#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "protocol/CodePage.h"
#include "protocol/ProtocolNode.h"
#include "protocol/ProtocolText.h"
#include "protocol/TextSink.h"

namespace brivane {
namespace {

std::string convertedText(ProtocolNode& node) {
  std::wstring text;
  int depth = 0;
  writeText(node, text, depth);
  return toCodePage(text, CP_UTF8);
}

std::string utf8Of(ProtocolNode& node) {
  std::string bytes;
  EXPECT_TRUE(renderUtf8(node, [&bytes](std::string_view block) {
    bytes += block;
    return true;
  }));
  return bytes;
}

void setWord(ProtocolNode& node, ValueKind kind, std::uint32_t word) { node.setValue(kind, &word, sizeof word); }

// A request with every kind of value and the characters that take more than one UTF-8 byte, in names
// (which are written unescaped, unpaired surrogates included) and in contents.
void fillOddTree(ProtocolNode& root) {
  ProtocolNode& request = *ProtocolNode::addChild(&root, L"r\u00e9quest\u20ac");
  ProtocolNode::addChild(&request, L"plain")->setString(L"C:\\Docs\\a & b.txt");
  ProtocolNode::addChild(&request, L"latin")->setString(L"\u00fc\u00ff\u0080\u007f\t\r\n\n\r");
  ProtocolNode::addChild(&request, L"wide")->setString(L"\u20ac\U0001F600\xD800x\xDC00");
  ProtocolNode::addChild(&request, L"\U0001F600emoji");
  ProtocolNode::addChild(&request, L"lone\xD83D");
  ProtocolNode::addChild(&request, L"\xDE00low");
  ProtocolNode::addChild(&request, L"");
  setWord(*ProtocolNode::addChild(&request, L"u"), ValueKind::UInt32, 0xFFFFFFFF);
  setWord(*ProtocolNode::addChild(&request, L"i"), ValueKind::Int32, 0x80000000);
  ProtocolNode::addChild(&request, L"b")->setBinary("\xff\x00\x7f", 3);
  const FILETIME time{0x12345678, 0x01D70000};
  ProtocolNode::addChild(&request, L"t")->setValue(ValueKind::Timestamp, &time, sizeof time);
  const char odd[] = {'a', 0, 'b'};
  ProtocolNode::addChild(&request, L"odd")->setValue(ValueKind::String, odd, sizeof odd);
  ProtocolNode::addChild(&request, L"deep")->findPath(L"a.b.c.d", true)->setString(L"\u00e9");
}

TEST(RenderUtf8, IsTheConvertedTextOfEveryKindAndCharacter) {
  ProtocolNode root(L"root", L"");
  fillOddTree(root);
  const std::string bytes = utf8Of(root);
  EXPECT_EQ(bytes, convertedText(root));
  EXPECT_EQ(bytes.substr(0, 6), "<root>");
  EXPECT_NE(bytes.find("\xc3\xbc\xc3\xbf\xc2\x80\x7f\t<br>\n\r</latin>"), std::string::npos);
  EXPECT_NE(bytes.find("&#x20ac;&#xd83d;&#xde00;&#xd800;x&#xdc00;</wide>"), std::string::npos);
  EXPECT_NE(bytes.find("<odd type=\"string\">ab</odd>"), std::string::npos);
}

void addSources(ProtocolNode& root, int count) {
  ProtocolNode* targets = root.findPath(L"secure_file.targets", true);
  for (int i = 0; i < count; ++i) {
    ProtocolNode* target = ProtocolNode::addChild(targets, L"target");
    target->findPath(L"targets.target.source", true)->setString(L"C:\\D\u00f6cs\\" + std::to_wstring(i) + L"\u20ac.txt");
  }
}

TEST(RenderUtf8, ALargeTextComesInBoundedBlocksThatJoinUpToIt) {
  ProtocolNode root(L"securing_files", L"");
  addSources(root, 40000);
  fillOddTree(root);
  std::vector<std::size_t> sizes;
  std::string bytes;
  EXPECT_TRUE(renderUtf8(root, [&](std::string_view block) {
    sizes.push_back(block.size());
    bytes += block;
    return true;
  }));
  EXPECT_EQ(bytes, convertedText(root));
  ASSERT_GE(sizes.size(), 3u);
  for (std::size_t size : sizes) EXPECT_LE(size, Utf8Sink::kBlock + 200);
}

TEST(RenderUtf8, AFailedWriteIsTheLast) {
  ProtocolNode root(L"securing_files", L"");
  addSources(root, 40000);
  int calls = 0;
  EXPECT_FALSE(renderUtf8(root, [&calls](std::string_view) { return ++calls < 2; }));
  EXPECT_EQ(calls, 2);
}

TEST(RenderUtf8, EmptyNodeIsOneLine) {
  ProtocolNode root;
  EXPECT_EQ(utf8Of(root), "<node></node>\n");
}

}  // namespace
}  // namespace brivane
