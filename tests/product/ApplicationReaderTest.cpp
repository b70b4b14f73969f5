#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "application/CommandLine.h"
#include "application/ProtocolTextReader.h"
#include "protocol/ProtocolNode.h"
#include "protocol/ProtocolText.h"

namespace brivane::application {
namespace {

std::wstring render(ProtocolNode& root) {
  std::wstring text;
  int depth = 0;
  writeText(root, text, depth);
  return text;
}

void setWord(ProtocolNode& node, ValueKind kind, std::uint32_t word) { node.setValue(kind, &word, sizeof word); }

const std::wstring kWorkedExample =
    L"<securing_files>\n"
    L"    <secure_file>\n"
    L"        <targets>\n"
    L"            <target>\n"
    L"                <targets>\n"
    L"                    <target>\n"
    L"                        <source type=\"string\">C:\\Docs\\a.txt</source>\n"
    L"                    </target>\n"
    L"                </targets>\n"
    L"                <destination type=\"string\">C:\\Docs\\a.txt.qelf</destination>\n"
    L"                <options>\n"
    L"                    <no_report></no_report>\n"
    L"                </options>\n"
    L"            </target>\n"
    L"        </targets>\n"
    L"        <options>\n"
    L"            <no_report></no_report>\n"
    L"        </options>\n"
    L"    </secure_file>\n"
    L"</securing_files>\n";

TEST(ProtocolTextReader, AcceptsASecureRequestAndNamesItsRoot) {
  const TextCheck check = checkProtocolText(kWorkedExample);
  EXPECT_TRUE(check.wellFormed);
  EXPECT_EQ(check.rootName, L"securing_files");
}

TEST(ProtocolTextReader, AcceptsEveryValueKindTheWriterRenders) {
  ProtocolNode root(L"request", L"");
  ProtocolNode::addChild(&root, L"text")->setString(L"a<b & \"c\" 'd'\r\nline\nlone\rcr \u20ac\u00fc\U0001F600");
  setWord(*ProtocolNode::addChild(&root, L"largest"), ValueKind::UInt32, 0xFFFFFFFFu);
  setWord(*ProtocolNode::addChild(&root, L"smallest"), ValueKind::Int32, 0x80000000u);
  setWord(*ProtocolNode::addChild(&root, L"zero"), ValueKind::Int32, 0);
  ProtocolNode::addChild(&root, L"one_byte")->setBinary("A", 1);
  ProtocolNode::addChild(&root, L"no_bytes")->setBinary(nullptr, 0);
  const std::uint8_t stamp[8] = {0, 0x80, 0x3e, 0xd5, 0xde, 0xb1, 0x9d, 0x01};
  ProtocolNode::addChild(&root, L"stamp")->setValue(ValueKind::Timestamp, stamp, sizeof stamp);
  ProtocolNode::addChild(&root, L"")->setString(L"");
  ProtocolNode* parent = ProtocolNode::addChild(&root, L"with_value");
  parent->setString(L"own text ending in a line feed\n");
  ProtocolNode::addChild(parent, L"child")->setString(L"x");
  const std::wstring text = render(root);
  const TextCheck check = checkProtocolText(text);
  EXPECT_TRUE(check.wellFormed) << text;
  EXPECT_EQ(check.rootName, L"request");
}

TEST(ProtocolTextReader, AcceptsDeepNestingWithoutRecursion) {
  constexpr int kDepth = 1500;
  std::wstring text;
  for (int depth = 0; depth < kDepth; ++depth) text += std::wstring(depth * 4, L' ') + L"<n>\n";
  text += std::wstring(kDepth * 4, L' ') + L"<leaf type=\"int32\">-5</leaf>\n";
  for (int depth = kDepth - 1; depth >= 0; --depth) text += std::wstring(depth * 4, L' ') + L"</n>\n";
  EXPECT_TRUE(checkProtocolText(text).wellFormed);
  text.insert(text.size() - 5, L" ");
  EXPECT_FALSE(checkProtocolText(text).wellFormed);
}

TEST(ProtocolTextReader, RejectsWhatTheWriterNeverProduces) {
  const struct {
    const wchar_t* what;
    std::wstring text;
  } cases[] = {
      {L"empty text", L""},
      {L"byte-order mark", L"\xFEFF<a></a>\n"},
      {L"no final line feed", L"<a></a>"},
      {L"carriage return before the line feed", L"<a></a>\r\n"},
      {L"two blanks of indentation", L"<a>\n  <b></b>\n</a>\n"},
      {L"end tag of another name", L"<a>\n    <b></c>\n</a>\n"},
      {L"root never closed", L"<a>\n    <b></b>\n"},
      {L"text after the root", L"<a></a>\nmore\n"},
      {L"a second root", L"<a></a>\n<b></b>\n"},
      {L"unknown type", L"<a type=\"float\">1</a>\n"},
      {L"attribute without its closing bracket", L"<a type=\"string\"\n"},
      {L"empty name", L"<></>\n"},
      {L"content without a type", L"<a>text</a>\n"},
      {L"bare ampersand", L"<a type=\"string\">R&D</a>\n"},
      {L"bare greater-than", L"<a type=\"string\">x>y</a>\n"},
      {L"bare quote", L"<a type=\"string\">say \"hi\"</a>\n"},
      {L"character from U+0100 unescaped", L"<a type=\"string\">\u20ac</a>\n"},
      {L"reference to a character below U+0100", L"<a type=\"string\">&#x41;</a>\n"},
      {L"reference in upper-case hexadecimal", L"<a type=\"string\">&#x20AC;</a>\n"},
      {L"unterminated reference", L"<a type=\"string\">&#x20ac</a>\n"},
      {L"carriage return and line feed kept", L"<a type=\"string\">x\r\ny</a>\n"},
      {L"unsigned beyond 32 bits", L"<a type=\"unsigned int32\">4294967296</a>\n"},
      {L"unsigned with a sign", L"<a type=\"unsigned int32\">-1</a>\n"},
      {L"unsigned with a leading zero", L"<a type=\"unsigned int32\">007</a>\n"},
      {L"unsigned without digits", L"<a type=\"unsigned int32\"></a>\n"},
      {L"signed beyond 32 bits", L"<a type=\"int32\">2147483648</a>\n"},
      {L"signed below 32 bits", L"<a type=\"int32\">-2147483649</a>\n"},
      {L"negative zero", L"<a type=\"int32\">-0</a>\n"},
      {L"Base64 of a wrong length", L"<a type=\"base64\">QQ=</a>\n"},
      {L"Base64 outside the alphabet", L"<a type=\"base64\">Q@==</a>\n"},
      {L"Base64 padding in the middle", L"<a type=\"base64\">Q=Q=</a>\n"},
      {L"timestamp spanning lines", L"<a type=\"timestamp\">1\n2</a>\n"},
      {L"children not on a line of their own", L"<a><b></b>\n</a>\n"},
  };
  for (const auto& c : cases) EXPECT_FALSE(checkProtocolText(c.text).wellFormed) << c.what;
}

TEST(ProtocolTextReader, NamesTheRootEvenWhenTheRestIsMalformed) {
  const std::wstring text = kWorkedExample.substr(0, kWorkedExample.size() - 3);
  const TextCheck check = checkProtocolText(text);
  EXPECT_FALSE(check.wellFormed);
  EXPECT_EQ(check.rootName, L"securing_files");
  EXPECT_EQ(checkProtocolText(L"no markup\n").rootName, L"");
}

TEST(ProtocolTextReader, TakesALineBreakInTheContentForWhatItIs) {
  EXPECT_TRUE(checkProtocolText(L"<a type=\"string\">x<br>y</a>\n").wellFormed);
  EXPECT_TRUE(checkProtocolText(L"<a type=\"string\"><br>\n    <b></b>\n</a>\n").wellFormed);
  EXPECT_FALSE(checkProtocolText(L"<a type=\"unsigned int32\">1<br></a>\n").wellFormed);
}

TEST(CommandLine, TheWholeTextAfterAQuotedProgramIsTheParameter) {
  EXPECT_EQ(parameterText(L"\"C:\\Program Files\\Brivane\\app.exe\" C:\\Documents and Settings\\u\\Local "
                          L"Settings\\Temp\\qel_0123456789.psa"),
            L"C:\\Documents and Settings\\u\\Local Settings\\Temp\\qel_0123456789.psa");
}

TEST(CommandLine, BlanksBetweenProgramAndParameterAreSkippedAndTheRestIsKept) {
  EXPECT_EQ(parameterText(L"app.exe \t Z:\\a  b\\qel_0000000007.psa "), L"Z:\\a  b\\qel_0000000007.psa ");
  EXPECT_EQ(parameterText(L"\"C:\\a b\"c.exe arg"), L"arg");
}

TEST(CommandLine, NoParameterGivesAnEmptyText) {
  EXPECT_EQ(parameterText(L"\"C:\\app.exe\""), L"");
  EXPECT_EQ(parameterText(L"app.exe"), L"");
  EXPECT_EQ(parameterText(L"\"C:\\unterminated quote"), L"");
  EXPECT_EQ(parameterText(L""), L"");
}

}  // namespace
}  // namespace brivane::application
