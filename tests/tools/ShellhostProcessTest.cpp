#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PngFile.h"
#include "ProcessRun.h"
#include "RecorderRegistration.h"
#include "TestFolder.h"

namespace brivane::testing {
namespace {

using Lines = std::vector<std::wstring>;

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::wstring& line : lines) {
    text.append(line.begin(), line.end());  // enough for a failure message
    text += "\n";
  }
  return text;
}

bool contains(const Lines& lines, const std::wstring& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The lines of `lines` from the first that equals `first`, count of them.
Lines slice(const Lines& lines, const std::wstring& first, size_t count) {
  auto start = std::find(lines.begin(), lines.end(), first);
  if (start == lines.end()) return {};
  return Lines(start, start + std::min<size_t>(count, lines.end() - start));
}

// A file whose full path is 250 characters, near the shell's limit wherever the temporary folder lies.
std::wstring longNameIn(const TestFolder& folder) {
  const size_t nameLength = 250 - folder.path().size() - std::wstring(L"\\.txt").size();
  return folder.file(std::wstring(nameLength, L'n') + L".txt");
}

const std::wstring kHandlerLine = L"handler " + std::wstring(kRecorderClsid) + L" first=0 count=4 hr=0x00000004";

const Lines kRecorderMenu = {
    kHandlerLine,
    L"0 separator",
    L"1 command 0 \"Record &one\" bitmap unchecked=16x16x24 checked=16x16x24",
    L"2 popup \"Pickers\" bitmap unchecked=16x16x8 checked=16x16x8",
    L"  0 command 1 \"Save dialog\" no bitmap",
    L"  1 command 2 \"Folder dialog\" no bitmap",
    L"  2 separator",
    L"  3 command 3 \"Grayed\" no bitmap grayed",
    L"3 separator",
};

class ShellhostProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override { CoUninitialize(); }

  Lines recorded() const { return fileLines(recordFile); }

  TestFolder folder;
  std::wstring recordFile = folder.child(L"record.txt");
  RecorderRegistration registration{recordFile};
};

TEST_F(ShellhostProcessTest, UsageErrorsExitWithTwoAndSayWhy) {
  struct Case {
    std::vector<std::wstring> args;
    std::wstring message;
  };
  const Case cases[] = {
      {{}, L"shellhost: no command given"},
      {{L"open"}, L"shellhost: unknown command open"},
      {{L"menu"}, L"shellhost: menu needs at least one path"},
      {{L"menu", L"C:\\a.txt", L"--invoke", L"seven"}, L"shellhost: bad value for --invoke: seven"},
      {{L"menu", L"C:\\a.txt", L"--invoke"}, L"shellhost: --invoke needs a value"},
      {{L"drop", L"C:\\t.shrec"}, L"shellhost: drop needs a target and at least one path"},
      {{L"properties", L"C:\\a", L"C:\\b"}, L"shellhost: properties needs exactly one path"},
  };
  for (const Case& c : cases) {
    ProcessResult result = runShellhost(c.args);
    EXPECT_EQ(result.exitCode, 2u) << joined(c.args);
    ASSERT_FALSE(result.err.empty()) << joined(c.args);
    EXPECT_EQ(result.err.front(), c.message);
    EXPECT_TRUE(result.out.empty());
  }
}

TEST_F(ShellhostProcessTest, UnknownItemFailsWithOneLine) {
  ProcessResult result = runShellhost({L"menu", folder.child(L"missing.txt")});
  EXPECT_EQ(result.exitCode, 1u);
  ASSERT_EQ(result.err.size(), 1u) << joined(result.err);
  EXPECT_EQ(result.err.front().rfind(L"shellhost: the shell does not know the selection", 0), 0u);
  EXPECT_TRUE(recorded().empty());
}

TEST_F(ShellhostProcessTest, MenuOfOneFileIsPrintedAsTheHandlerBuiltIt) {
  const std::wstring file = folder.file(L"a & b.txt");
  ProcessResult result = runShellhost({L"menu", file});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_EQ(result.out, kRecorderMenu) << joined(result.out);
  EXPECT_EQ(recorded(), (Lines{L"initialize folder=" + folder.path() + L" progid=null", L"name " + file,
                               L"query index=0 first=1 last=32767 flags=20"}));
}

TEST_F(ShellhostProcessTest, SelectionReachesTheHandlerInOrderWithItsNamesWhole) {
  const Lines files = {folder.file(L"b & c.txt"), folder.file(L"a.txt"), folder.file(L"\U0001F600 smile.txt"),
                       longNameIn(folder)};
  ProcessResult result = runShellhost({L"menu", files[0], files[1], files[2], files[3]});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  Lines expected = {L"initialize folder=" + folder.path() + L" progid=null"};
  for (const std::wstring& file : files) expected.push_back(L"name " + file);
  expected.push_back(L"query index=0 first=1 last=32767 flags=20");
  EXPECT_EQ(recorded(), expected);
}

TEST_F(ShellhostProcessTest, ItemsOfDifferentFoldersAreRefused) {
  const std::wstring sub = folder.folder(L"sub");
  ProcessResult result = runShellhost({L"menu", folder.file(L"a.txt"), sub + L"\\..\\sub"});
  EXPECT_EQ(result.exitCode, 0u);  // the same folder, written another way
  TestFolder other;
  result = runShellhost({L"menu", folder.file(L"a.txt"), other.file(L"b.txt")});
  EXPECT_EQ(result.exitCode, 1u);
}

TEST_F(ShellhostProcessTest, FolderSelectionGetsTheFolderHandlersOnce) {
  const std::wstring sub = folder.folder(L"Sub folder");
  ProcessResult result = runShellhost({L"menu", sub, folder.file(L"x.txt")});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_EQ(std::count(result.out.begin(), result.out.end(), kHandlerLine), 1);
  EXPECT_EQ(slice(recorded(), L"name " + sub, 2), (Lines{L"name " + sub, L"name " + folder.child(L"x.txt")}));
}

TEST_F(ShellhostProcessTest, FlagsAndIdentifierRangeArePassedAndOffsetsStayRelative) {
  ProcessResult result =
      runShellhost({L"menu", folder.file(L"a.txt"), L"--flags", L"0", L"--first", L"100", L"--last", L"200"});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_EQ(result.out, kRecorderMenu);
  EXPECT_TRUE(contains(recorded(), L"query index=0 first=100 last=200 flags=0"));
}

TEST_F(ShellhostProcessTest, InvokeCallsTheHandlerWithAnOwnerWindow) {
  ProcessResult result = runShellhost({L"menu", folder.file(L"a.txt"), L"--invoke", L"0"});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_EQ(Lines(result.out.end() - 2, result.out.end()), (Lines{L"dialog none", L"invoke 0 hr=0x00000000"}));
  EXPECT_TRUE(contains(recorded(), L"invoke offset=0 owner=window show=1")) << joined(recorded());
}

TEST_F(ShellhostProcessTest, InvokeOfAnOffsetOutsideTheMenuRunsNothing) {
  ProcessResult result = runShellhost({L"menu", folder.file(L"a.txt"), L"--invoke", L"4"});
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_EQ(result.err, (Lines{L"shellhost: no command at offset 4 (0x80070057)"}));
  for (const std::wstring& line : recorded()) EXPECT_NE(line.rfind(L"invoke", 0), 0u) << line;
}

TEST_F(ShellhostProcessTest, SaveDialogOpenedByTheCommandGetsTheName) {
  ProcessResult result =
      runShellhost({L"menu", folder.file(L"a.txt"), L"--invoke", L"1", L"--save-name", L"Archive", L"--report-dialog"});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_TRUE(contains(result.out, L"dialog opened title=\"Recorder save\" kind=save")) << joined(result.out);
  EXPECT_TRUE(contains(result.out, L"dialog answered save \"Archive\""));
  EXPECT_TRUE(contains(result.out, L"dialog closed"));
  EXPECT_EQ(result.out.back(), L"invoke 1 hr=0x00000000");
  EXPECT_TRUE(contains(recorded(), L"save " + folder.child(L"Archive"))) << joined(recorded());
}

TEST_F(ShellhostProcessTest, FolderDialogOpenedByTheCommandGetsTheFolder) {
  const std::wstring target = folder.folder(L"Target");
  ProcessResult result = runShellhost({L"menu", folder.file(L"a.txt"), L"--invoke", L"2", L"--choose-folder", target});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_TRUE(contains(result.out, L"dialog answered folder \"" + target + L"\"")) << joined(result.out);
  EXPECT_TRUE(contains(recorded(), L"folder " + target)) << joined(recorded());
}

TEST_F(ShellhostProcessTest, DialogWithoutAnAnswerIsCancelled) {
  ProcessResult result = runShellhost({L"menu", folder.file(L"a.txt"), L"--invoke", L"2"});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_TRUE(contains(result.out, L"dialog answered cancel"));
  EXPECT_TRUE(contains(recorded(), L"folder cancelled"));
}

TEST_F(ShellhostProcessTest, MenuScreenshotShowsThePopupWithItsSubmenu) {
  const std::wstring png = folder.child(L"menu shot.png");
  ProcessResult result = runShellhost({L"menu", folder.file(L"a.txt"), L"--screenshot", png});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_EQ(result.out.back(), L"screenshot \"" + png + L"\" hr=0x00000000");
  DecodedImage image = decodePng(png);
  ASSERT_TRUE(SUCCEEDED(image.hr));
  EXPECT_GT(image.width, image.height);  // the submenu opens beside the menu
  EXPECT_GT(image.height, 40u);
}

TEST_F(ShellhostProcessTest, DropMovesWithoutCtrl) {
  const std::wstring target = folder.file(L"box.shrec");
  const Lines items = {folder.file(L"one.txt"), folder.file(L"two & more.txt")};
  ProcessResult result = runShellhost({L"drop", target, items[0], items[1]});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_EQ(result.out, (Lines{L"drophandler " + std::wstring(kRecorderClsid), L"load hr=0x00000000",
                               L"dragenter hr=0x00000000 effect=2", L"dragover hr=0x80004001 effect=3",
                               L"drop hr=0x00000000 effect=2"}));
  EXPECT_EQ(recorded(), (Lines{L"load " + target + L" mode=0", L"dragenter key=1 effect=3", L"name " + items[0],
                               L"name " + items[1], L"dragover key=1", L"drop key=1 effect=3"}));
}

TEST_F(ShellhostProcessTest, DropWithCtrlCopies) {
  const std::wstring target = folder.file(L"box.shrec");
  ProcessResult result = runShellhost({L"drop", target, folder.file(L"one.txt"), L"--ctrl"});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_TRUE(contains(result.out, L"dragenter hr=0x00000000 effect=1"));
  EXPECT_TRUE(contains(result.out, L"drop hr=0x00000000 effect=1"));
  EXPECT_TRUE(contains(recorded(), L"drop key=9 effect=3"));
}

TEST_F(ShellhostProcessTest, AbandonedDragEntersAndLeavesBeforeTheRealOne) {
  const std::wstring target = folder.file(L"box.shrec");
  const std::wstring early = folder.file(L"early.txt"), late = folder.file(L"late.txt");
  ProcessResult result = runShellhost({L"drop", target, late, L"--abandoned", early});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_EQ(slice(result.out, L"abandoned dragenter hr=0x00000000 effect=2", 3),
            (Lines{L"abandoned dragenter hr=0x00000000 effect=2", L"dragleave hr=0x00000000",
                   L"dragenter hr=0x00000000 effect=2"}));
  EXPECT_EQ(slice(recorded(), L"name " + early, 4),
            (Lines{L"name " + early, L"dragleave", L"dragenter key=1 effect=3", L"name " + late}));
}

TEST_F(ShellhostProcessTest, DropOntoATypeWithoutDropHandlerFails) {
  ProcessResult result = runShellhost({L"drop", folder.file(L"plain.txt"), folder.file(L"one.txt")});
  EXPECT_EQ(result.exitCode, 1u);
  ASSERT_EQ(result.err.size(), 1u);
  EXPECT_EQ(result.err.front().rfind(L"shellhost: no drop handler is registered for ", 0), 0u);
  EXPECT_TRUE(recorded().empty());
}

TEST_F(ShellhostProcessTest, PropertiesShowThePageOfTheFileTypeAndPressItsButton) {
  const std::wstring item = folder.file(L"item.shrec");
  const std::wstring png = folder.child(L"page.png");
  ProcessResult result = runShellhost({L"properties", item, L"--press-button", L"--screenshot", png});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  const Lines& out = result.out;
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out.front().rfind(L"sheet opened title=", 0), 0u) << joined(out);
  auto selected =
      std::find_if(out.begin(), out.end(), [](const std::wstring& l) { return l.rfind(L"page selected ", 0) == 0; });
  ASSERT_NE(selected, out.end()) << joined(out);
  EXPECT_NE(selected->find(L"\"Recorder\""), std::wstring::npos);
  EXPECT_TRUE(contains(out, L"control 1003 Static \"Recorder text\""));
  EXPECT_TRUE(contains(out, L"control 1002 Button \"Record press\""));
  EXPECT_TRUE(contains(out, L"control 1004 Static \"hidden path\" hidden"));
  EXPECT_TRUE(contains(out, L"page pressed 1002"));
  EXPECT_TRUE(contains(out, L"sheet screenshot \"" + png + L"\" hr=0x00000000"));
  EXPECT_TRUE(contains(out, L"sheet closed")) << joined(out);
  EXPECT_EQ(out.back(), L"properties hr=0x00000000");
  const Lines calls = recorded();
  EXPECT_TRUE(contains(calls, L"addpages items=1"));
  EXPECT_EQ(std::count(calls.begin(), calls.end(), L"pressed"), 1);
  EXPECT_TRUE(SUCCEEDED(decodePng(png).hr));
}

TEST_F(ShellhostProcessTest, PropertiesOfAnotherTypeHaveNoProductPage) {
  ProcessResult result = runShellhost({L"properties", folder.file(L"plain.txt")});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_TRUE(contains(result.out, L"page none")) << joined(result.out);
  EXPECT_TRUE(contains(result.out, L"sheet closed"));
  EXPECT_FALSE(contains(recorded(), L"pressed"));
}

}  // namespace
}  // namespace brivane::testing
