#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

#include "../settings/SavedRegistryValue.h"
#include "SelectionTempFolder.h"
#include "menu/Selection.h"

namespace brivane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Paths = std::vector<std::wstring>;

constexpr wchar_t kUserShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

std::wstring realStartMenu() {
  wchar_t folder[MAX_PATH] = {};
  return SHGetSpecialFolderPathW(nullptr, folder, CSIDL_STARTMENU, FALSE) ? folder : L"";
}

std::wstring upperCased(std::wstring text) {
  CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Points the user's Start Menu at a folder that does not exist, so that the shell cannot name it. The
// shell copies what it finds into "Shell Folders", so both settings are put back at the end.
class StartMenuHidden {
 public:
  StartMenuHidden() {
    userSetting_.set(L"C:\\brivane-no-such-folder-" + std::to_wstring(GetTickCount64()));
  }

 private:
  SavedRegistryValue shellSetting_{HKEY_CURRENT_USER, kShellFolders, L"Start Menu"};
  SavedRegistryValue userSetting_{HKEY_CURRENT_USER, kUserShellFolders, L"Start Menu"};
};

class SelectionFilterTest : public ::testing::Test {
 protected:
  SelectionTempFolder folder;
};

TEST_F(SelectionFilterTest, VanishedPathsAreRemovedAndTheRestKeepTheirOrder) {
  const std::wstring a = folder.file(L"a.txt");
  const std::wstring b = folder.file(L"b.txt");
  Paths selection{a, folder.missing(L"gone.txt"), b};
  filterSelection(selection);
  EXPECT_THAT(selection, ElementsAre(a, b));
}

TEST_F(SelectionFilterTest, EveryEntryIsJudgedOnceWhateverItsNeighbours) {
  const std::wstring a = folder.file(L"a.txt");
  const std::wstring b = folder.subfolder(L"b");
  const std::wstring gone1 = folder.missing(L"gone1.txt");
  const std::wstring gone2 = folder.missing(L"gone2");

  Paths twoMissingFirst{gone1, gone2, a};
  filterSelection(twoMissingFirst);
  EXPECT_THAT(twoMissingFirst, ElementsAre(a));

  Paths missingThenTwo{gone1, a, b};
  filterSelection(missingThenTwo);
  EXPECT_THAT(missingThenTwo, ElementsAre(a, b));

  Paths missingLast{b, a, gone1, gone2};
  filterSelection(missingLast);
  EXPECT_THAT(missingLast, ElementsAre(b, a));

  Paths allMissing{gone1, gone2, gone1};
  filterSelection(allMissing);
  EXPECT_THAT(allMissing, IsEmpty());

  Paths none;
  filterSelection(none);
  EXPECT_THAT(none, IsEmpty());
}

TEST_F(SelectionFilterTest, ExistingItemsOfEveryKindStay) {
  const Paths selection{folder.subfolder(L"R&D plan \U0001F512"), folder.file(L"Report.QELF"),
                        folder.file(L"box.qeld"), folder.file(L"caf\u00e9 menu.txt")};
  Paths filtered = selection;
  filterSelection(filtered);
  EXPECT_EQ(filtered, selection);
}

TEST_F(SelectionFilterTest, PathsLongerThanTwoHundredSixtyCharactersStay) {
  const std::wstring outer(150, L'l');
  folder.subfolder(outer);
  const std::wstring deep = folder.subfolder(outer + L"\\" + std::wstring(150, L'm'));
  ASSERT_GT(deep.size(), 260u);
  Paths selection{deep, folder.missing(outer + L"\\gone")};
  filterSelection(selection);
  EXPECT_THAT(selection, ElementsAre(deep));
}

TEST_F(SelectionFilterTest, PathsInTheLongFormStay) {
  const std::wstring deep = folder.longFormFile(3449, L".txt");
  const std::wstring shortOne = L"\\\\?\\" + folder.file(L"a.txt");
  Paths selection{deep, L"\\\\?\\" + folder.missing(L"gone.txt"), shortOne};
  filterSelection(selection);
  EXPECT_THAT(selection, ElementsAre(deep, shortOne));
}

TEST_F(SelectionFilterTest, ADriveRootStays) {
  Paths selection{L"C:\\"};
  filterSelection(selection);
  EXPECT_THAT(selection, ElementsAre(L"C:\\"));
}

TEST_F(SelectionFilterTest, APathWithANulInsideIsRemoved) {
  const std::wstring a = folder.file(L"a.txt");
  Paths selection{a + std::wstring(1, L'\0') + L"junk", a};
  filterSelection(selection);
  EXPECT_THAT(selection, ElementsAre(a));
}

// This test's process, not a host's: a relative name finds the file only from the current directory.
class CurrentDirectoryAt {
 public:
  explicit CurrentDirectoryAt(const std::wstring& folder) {
    wchar_t before[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, before);
    before_ = before;
    SetCurrentDirectoryW(folder.c_str());
  }
  ~CurrentDirectoryAt() { SetCurrentDirectoryW(before_.c_str()); }

 private:
  std::wstring before_;
};

TEST_F(SelectionFilterTest, ExistingEntriesNamedOtherwiseThanByTheirPlainFullPathAreRemoved) {
  const std::wstring a = folder.file(L"a.txt");
  const std::wstring sub = folder.subfolder(L"sub");
  const CurrentDirectoryAt here(folder.path());
  ASSERT_TRUE(PathFileExistsW(L"a.txt"));
  ASSERT_EQ(a.substr(0, 3), L"C:\\");
  Paths selection{L"a.txt",
                  L".\\a.txt",
                  L"C:a.txt",
                  a.substr(2),
                  L"\\\\.\\" + a,
                  L"\\\\?\\GLOBALROOT\\??\\" + a,
                  L"\\??\\" + a,
                  a + L".",
                  a + L" ",
                  sub + L"\\..\\a.txt",
                  folder.path() + L"\\.\\a.txt",
                  folder.path() + L"\\\\a.txt",
                  folder.path() + L"\\a*.txt",
                  folder.path() + L"\\a?txt",
                  folder.path() + L"/a.txt",
                  a + L"::$DATA",
                  a,
                  L"\\\\.\\PhysicalDrive0",
                  L"\\\\.\\C:",
                  L"C:\\NUL",
                  sub + L"\\con.txt"};
  filterSelection(selection);
  EXPECT_THAT(selection, ElementsAre(a));
}

TEST_F(SelectionFilterTest, AHundredThousandEntriesAreFilteredInOrder) {
  const Paths existing{folder.file(L"1.txt"), folder.file(L"2.txt"), folder.subfolder(L"3")};
  const std::wstring gone = folder.missing(L"gone.txt");
  Paths selection;
  Paths expected;
  for (int i = 0; i < 100000; ++i) {
    const bool keep = i % 3 != 1;
    selection.push_back(keep ? existing[i % 3] : gone);
    if (keep) expected.push_back(existing[i % 3]);
  }
  filterSelection(selection);
  EXPECT_EQ(selection, expected);
}

class StartMenuFilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startMenu = realStartMenu();
    ASSERT_FALSE(startMenu.empty());
    inStartMenu = std::make_unique<SelectionTempFolder>(startMenu);
    shortcut = inStartMenu->file(L"Brivane.lnk");
    ASSERT_NE(GetFileAttributesW(shortcut.c_str()), INVALID_FILE_ATTRIBUTES);
  }

  std::wstring startMenu;
  SelectionTempFolder elsewhere;
  std::unique_ptr<SelectionTempFolder> inStartMenu;
  std::wstring shortcut;
};

TEST_F(StartMenuFilterTest, EntriesInTheStartMenuAreRemovedInEveryPosition) {
  const std::wstring a = elsewhere.file(L"a.txt");
  const std::wstring b = elsewhere.subfolder(L"b");
  const std::wstring programs = inStartMenu->path();

  Paths first{shortcut, a, b};
  filterSelection(first);
  EXPECT_THAT(first, ElementsAre(a, b));

  Paths middle{a, programs, shortcut, b};
  filterSelection(middle);
  EXPECT_THAT(middle, ElementsAre(a, b));

  Paths last{a, b, shortcut};
  filterSelection(last);
  EXPECT_THAT(last, ElementsAre(a, b));
}

TEST_F(StartMenuFilterTest, TheStartMenuIsRecognisedWhateverTheLetterCase) {
  Paths selection{upperCased(shortcut), upperCased(startMenu), shortcut};
  filterSelection(selection);
  EXPECT_THAT(selection, IsEmpty());
}

TEST_F(StartMenuFilterTest, AnUnknownStartMenuRemovesOnlyVanishedPaths) {
  const std::wstring a = elsewhere.file(L"a.txt");
  const std::wstring gone = elsewhere.missing(L"gone.txt");
  StartMenuHidden hidden;
  ASSERT_EQ(realStartMenu(), L"");
  Paths selection{a, shortcut, gone, startMenu};
  filterSelection(selection);
  EXPECT_THAT(selection, ElementsAre(a, shortcut, startMenu));
}

}  // namespace
}  // namespace brivane
