#include <gtest/gtest.h>

#include <cryptopp/base64.h>
#include <cryptopp/filters.h>

#include <string>

#include "protocol/Base64.h"
#include "protocol/CodePage.h"
#include "protocol/ProtocolText.h"
#include "support/Utf16.h"

namespace brivane {
namespace {

std::string base64Of(const std::string& bytes) {
  return base64Encode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string decoded(const std::string& text) {
  std::string bytes;
  CryptoPP::StringSource source(text, true, new CryptoPP::Base64Decoder(new CryptoPP::StringSink(bytes)));
  return bytes;
}

TEST(Base64, PadsToWholeGroupsOfFour) {
  EXPECT_EQ(base64Of("A"), "QQ==");
  EXPECT_EQ(base64Of("ab"), "YWI=");
  EXPECT_EQ(base64Of("abc"), "YWJj");
  EXPECT_EQ(base64Of(std::string("\xfb\xff\xbf", 3)), "+/+/");
  EXPECT_EQ(base64Of(""), "");
}

TEST(Base64, SixtyBytesMakeOneLineOfEighty) {
  std::string bytes;
  for (int i = 0; i < 60; ++i) bytes += static_cast<char>(i * 37 + 11);
  const std::string text = base64Of(bytes);
  EXPECT_EQ(text.size(), 80u);
  EXPECT_EQ(text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"),
            std::string::npos);
  EXPECT_EQ(decoded(text), bytes);
}

TEST(CodePage, Utf8CarriesEveryCharacter) {
  const std::wstring text = L"a\u00fc\u20ac\U0001F600";
  const std::string utf8 = toCodePage(text, CP_UTF8);
  EXPECT_EQ(utf8, "a\xc3\xbc\xe2\x82\xac\xf0\x9f\x98\x80");
  EXPECT_EQ(fromCodePage(utf8, CP_UTF8), text);
  EXPECT_EQ(toCodePage(L"", CP_UTF8), "");
  EXPECT_EQ(fromCodePage("", CP_UTF8), L"");
}

TEST(CodePage, Latin1WidensEveryByte) {
  std::string bytes;
  for (int i = 1; i < 256; ++i) bytes += static_cast<char>(i);
  const std::wstring wide = fromCodePage(bytes, 28591);
  ASSERT_EQ(wide.size(), bytes.size());
  for (std::size_t i = 0; i < wide.size(); ++i) EXPECT_EQ(wide[i], static_cast<wchar_t>(i + 1));
  EXPECT_EQ(toCodePage(wide, 28591), bytes);
}

std::string utf8Of(const std::wstring& units) {
  std::string bytes;
  appendUtf8(bytes, units);
  return bytes;
}

// The request's text is converted by appendUtf8 where it was WideCharToMultiByte: every code unit alone,
// lone surrogates included, and every way the halves of a pair can stand must come out the same.
TEST(AppendUtf8, ConvertsEveryCodeUnitAsTheSystemDoes) {
  for (unsigned unit = 1; unit <= 0xFFFF; ++unit) {
    const std::wstring text = L"a" + std::wstring(1, static_cast<wchar_t>(unit)) + L"b";
    ASSERT_EQ(utf8Of(text), toCodePage(text, CP_UTF8)) << std::hex << unit;
  }
  for (const std::wstring& text :
       {std::wstring{0xD83D, 0xDE00}, std::wstring{0xDBFF, 0xDFFF}, std::wstring{0xD800, 0xDC00, 0xDC00},
        std::wstring{0xD800, 0xD800, 0xDC00}, std::wstring{0xDC00, 0xD800}, std::wstring{0xD800, L'x', 0xDC00},
        std::wstring{L'\u00e9', 0xD83D}, std::wstring{0xDE00}})
    EXPECT_EQ(utf8Of(text), toCodePage(text, CP_UTF8));
  EXPECT_EQ(utf8Of(L""), "");
}

}  // namespace
}  // namespace brivane
