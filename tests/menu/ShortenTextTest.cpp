#include <gtest/gtest.h>

#include <string>

#include "menu/ShortenText.h"

namespace brivane {
namespace {

std::wstring lettersOf(std::size_t count) {
  std::wstring text;
  for (std::size_t i = 0; i < count; ++i) text += static_cast<wchar_t>(L'a' + i % 26);
  return text;
}

TEST(ShortenLabelTest, ShortLabelsStayAsTheyAre) {
  EXPECT_EQ(shortenLabel(L"", 70), L"");
  EXPECT_EQ(shortenLabel(lettersOf(69), 70), lettersOf(69));
}

TEST(ShortenLabelTest, ALabelThatWouldNotGetShorterIsLeftWhole) {
  EXPECT_EQ(shortenLabel(lettersOf(70), 70), lettersOf(70));
  EXPECT_EQ(shortenLabel(lettersOf(75), 70), lettersOf(75));
}

TEST(ShortenLabelTest, LongerLabelsKeepTheirFirst28AndLast42Characters) {
  const std::wstring text = lettersOf(76);
  const std::wstring shown = shortenLabel(text, 70);
  EXPECT_EQ(shown, text.substr(0, 28) + L" ... " + text.substr(76 - 42));
  EXPECT_EQ(shown.size(), 75u);
  const std::wstring longer = lettersOf(500);
  EXPECT_EQ(shortenLabel(longer, 70), longer.substr(0, 28) + L" ... " + longer.substr(500 - 42));
  EXPECT_EQ(shortenLabel(longer, 10), longer.substr(0, 4) + L" ... " + longer.substr(500 - 6));
}

TEST(ShortenLabelTest, ACharacterBeyondTheBasicPlaneIsNeverCutInHalf) {
  const std::wstring lock = L"\U0001F512";
  const std::wstring atHead = lettersOf(27) + lock + lettersOf(60);
  EXPECT_EQ(shortenLabel(atHead, 70), lettersOf(27) + L" ... " + atHead.substr(atHead.size() - 42));
  const std::wstring atTail = lettersOf(60) + lock + lettersOf(41);
  EXPECT_EQ(shortenLabel(atTail, 70), atTail.substr(0, 28) + L" ... " + lettersOf(41));
}

TEST(ShortenPathTest, ShortPathsStayAsTheyAre) {
  const std::wstring path = L"D:\\" + lettersOf(66);
  EXPECT_EQ(shortenPath(path, 70), path);
}

TEST(ShortenPathTest, APathOf80CharactersKeepsItsRootAndItsLast59) {
  const std::wstring path = L"D:\\" + lettersOf(77);
  EXPECT_EQ(shortenPath(path, 70), L"D:\\..." + path.substr(80 - 59));
}

TEST(ShortenPathTest, APathThatWouldNotGetShorterIsLeftWhole) {
  EXPECT_EQ(shortenPath(L"D:\\abcd", 4), L"D:\\abcd");  // "D:\" + "..." + 3 characters would be 9
  EXPECT_EQ(shortenPath(L"D:\\abcdefghij", 4), L"D:\\...hij");
  const std::wstring lateRoot = lettersOf(40) + L"\\" + lettersOf(39);
  EXPECT_EQ(shortenPath(lateRoot, 70), lateRoot);
}

TEST(ShortenPathTest, APathWithoutASeparatorLosesItsBeginning) {
  const std::wstring path = lettersOf(90);
  EXPECT_EQ(shortenPath(path, 70), L"..." + path.substr(90 - 59));
}

}  // namespace
}  // namespace brivane
