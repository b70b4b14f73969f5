#include <gtest/gtest.h>

#include "protocol/ProtocolText.h"

namespace brivane {
namespace {

TEST(EscapeText, ReplacesTheMarkupCharacters) {
  EXPECT_EQ(escapeText(L"a<b & \"c\"", false), L"a&lt;b &amp; &quot;c&quot;");
  EXPECT_EQ(escapeText(L"x>y 'z'", false), L"x&gt;y &#39;z&#39;");
  EXPECT_EQ(escapeText(L"&lt;", false), L"&amp;lt;");
  EXPECT_EQ(escapeText(L"", false), L"");
  EXPECT_EQ(escapeText(L"plain text 123", false), L"plain text 123");
}

TEST(EscapeText, CrLfBecomesABreakUnlessLineBreaksAreKept) {
  EXPECT_EQ(escapeText(L"line1\r\nline2", false), L"line1<br>line2");
  EXPECT_EQ(escapeText(L"line1\r\nline2", true), L"line1\r\nline2");
  EXPECT_EQ(escapeText(L"a\nb\rc\n\rd", false), L"a\nb\rc\n\rd");
  EXPECT_EQ(escapeText(L"\r\r\n\n", false), L"\r<br>\n");
  EXPECT_EQ(escapeText(L"<\r\n>", false), L"&lt;<br>&gt;");
}

TEST(EscapeText, CodeUnitsFromU0100AreReferences) {
  EXPECT_EQ(escapeText(L"\u20ac", false), L"&#x20ac;");
  EXPECT_EQ(escapeText(L"\u00fc\u00ff\u0080", false), L"\u00fc\u00ff\u0080");
  EXPECT_EQ(escapeText(L"\u0100", false), L"&#x100;");
  EXPECT_EQ(escapeText(L"\uFFFF", true), L"&#xffff;");
  EXPECT_EQ(escapeText(L"\U0001F600", false), L"&#xd83d;&#xde00;");
  EXPECT_EQ(escapeText(L"\u4e2d&", false), L"&#x4e2d;&amp;");
}

}  // namespace
}  // namespace brivane
