#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CheckReport.h"
#include "JsonReader.h"

namespace brivane {
namespace {

using testing::JsonReader;

TEST(CheckReportTest, JsonStringsSurviveQuotesBackslashesControlsAndAstralCharacters) {
  const std::wstring text = L"C:\\a \"b\"\t\x01\n\xD83D\xDE00 &<>";
  EXPECT_EQ(jsonString(text), L"\"C:\\\\a \\\"b\\\"\\t\\u0001\\n\xD83D\xDE00 &<>\"");
  const auto parsed = JsonReader::parse(jsonString(text));
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->text, text);
}

TEST(CheckReportTest, ALinkNeedingAFailedOneIsSkippedNamingIt) {
  CheckReport report;
  report.add(Finding::ok(L"first", L"fine"));
  report.add(Finding::fail(L"second", L"broken", L"mend it"));
  EXPECT_FALSE(report.skipped(L"third", {L"first"}).has_value());
  report.addChecked(L"third", {L"first", L"second"}, [] { return Finding::ok(L"third", L"never run"); });
  ASSERT_EQ(report.findings().size(), 3u);
  EXPECT_EQ(report.findings()[2].verdict, Verdict::Skip);
  EXPECT_EQ(report.findings()[2].found, L"not checked: it needs second, which did not pass");
  report.addChecked(L"fourth", {L"third"}, [] { return Finding::ok(L"fourth", L"never run"); });
  EXPECT_EQ(report.findings()[3].action, L"fix third first");
  EXPECT_FALSE(report.allPassed());
}

TEST(CheckReportTest, HumanLinesCarryVerdictLinkFindingAdviceAndDetails) {
  CheckReport report;
  report.add(Finding::ok(L"module-folder", L"HKLM\\Software\\Brivane\\ModuleFolder is C:\\B"));
  Finding labels = Finding::fail(L"labels", L"1 of 42 label keys fail", L"repair");
  labels.details = {L"contextmenu.emix.send: status -99930"};
  report.add(labels);
  EXPECT_EQ(humanReport(report), (std::vector<std::wstring>{
                                     L"OK   module-folder      HKLM\\Software\\Brivane\\ModuleFolder is C:\\B",
                                     L"FAIL labels             1 of 42 label keys fail => repair",
                                     L"       contextmenu.emix.send: status -99930",
                                     L"1 OK, 1 FAIL, 0 SKIP",
                                 }));
  const auto json = JsonReader::parse(jsonReport(report, 1));
  ASSERT_TRUE(json.has_value());
  EXPECT_EQ((*json)[L"links"].items[1][L"details"].items[0].text, L"contextmenu.emix.send: status -99930");
}

}  // namespace
}  // namespace brivane
