#include <gtest/gtest.h>

#include <string>

#include "protocol/ProtocolNode.h"
#include "protocol/ProtocolText.h"

namespace brivane {
namespace {

std::string convertedText(ProtocolNode& node) {
  std::wstring text;
  int depth = 0;
  writeText(node, text, depth);
  return toCodePage(text, CP_UTF8);
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
  const std::string bytes = renderUtf8(root);
  EXPECT_EQ(bytes, convertedText(root));
  EXPECT_EQ(bytes.substr(0, 6), "<root>");
  EXPECT_NE(bytes.find("\xc3\xbc\xc3\xbf\xc2\x80\x7f\t<br>\n\r</latin>"), std::string::npos);
  EXPECT_NE(bytes.find("&#x20ac;&#xd83d;&#xde00;&#xd800;x&#xdc00;</wide>"), std::string::npos);
  EXPECT_NE(bytes.find("<odd type=\"string\">ab</odd>"), std::string::npos);
}

TEST(RenderUtf8, CountsTheBytesBeforeWritingThemIntoOneBuffer) {
  ProtocolNode root(L"securing_files", L"");
  ProtocolNode* targets = root.findPath(L"secure_file.targets", true);
  for (int i = 0; i < 500; ++i) {
    ProtocolNode* target = ProtocolNode::addChild(targets, L"target");
    target->findPath(L"targets.target.source", true)->setString(L"C:\\D\u00f6cs\\" + std::to_wstring(i) + L"\u20ac.txt");
  }
  fillOddTree(root);
  const std::string bytes = renderUtf8(root);
  EXPECT_EQ(bytes, convertedText(root));
  // Sized exactly at the start: a miscount would have grown the buffer past its size.
  EXPECT_EQ(bytes.capacity(), bytes.size());
}

TEST(RenderUtf8, EmptyNodeIsOneLine) {
  ProtocolNode root;
  EXPECT_EQ(renderUtf8(root), "<node></node>\n");
}

}  // namespace
}  // namespace brivane
