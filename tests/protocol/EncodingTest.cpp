#include <gtest/gtest.h>

#include <cryptopp/base64.h>
#include <cryptopp/filters.h>

#include <string>

#include "protocol/Base64.h"
#include "protocol/ProtocolText.h"

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

}  // namespace
}  // namespace brivane
