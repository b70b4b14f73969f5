#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <windows.h>

#include "menu/NearSecuredFolders.h"
#include "support/TestSupport.h"

namespace brivane {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::IsSubsetOf;
using ::testing::Not;
using ::testing::UnorderedElementsAre;
using Names = std::vector<std::wstring>;

class NearSecuredFoldersTest : public ::testing::Test {
 protected:
  void list(const std::wstring& firstPath, std::int32_t limit) { list(firstPath, limit, PathSet{firstPath}); }
  void list(const std::wstring& firstPath, std::int32_t limit, const PathSet& selected) {
    names.clear();
    paths.clear();
    listNearSecuredFolders(firstPath, L".qeld", limit, selected, names, paths);
  }

  testing::TemporaryFolder folder;
  Names names;
  Names paths;
};

TEST_F(NearSecuredFoldersTest, SecuredFoldersBesideAPlainFileAreListedWithTheirPaths) {
  const std::wstring first = folder.file(L"a.txt");
  folder.file(L"box.qeld");
  folder.file(L"R&D \U0001F512.qeld");
  folder.file(L"plan.qelf");
  folder.file(L"box.qeldx");
  folder.folder(L"folder.qeld");
  list(first, 3);
  EXPECT_THAT(names, UnorderedElementsAre(L"box.qeld", L"R&D \U0001F512.qeld"));
  EXPECT_THAT(paths, UnorderedElementsAre(folder.pathOf(L"box.qeld"), folder.pathOf(L"R&D \U0001F512.qeld")));
}

TEST_F(NearSecuredFoldersTest, TheSelectedSecuredFolderIsNotItsOwnTargetButKeepsItsPath) {
  const std::wstring first = folder.file(L"box.qeld");
  folder.file(L"other.qeld");
  list(first, 3);
  EXPECT_THAT(names, UnorderedElementsAre(L"other.qeld"));
  EXPECT_THAT(paths, UnorderedElementsAre(first, folder.pathOf(L"other.qeld")));
}

TEST_F(NearSecuredFoldersTest, TheLimitCountsNamesAfterTheSelectedFolderIsLeftOut) {
  const std::wstring first = folder.file(L"box.qeld");
  const Names others = {L"a.qeld", L"b.qeld", L"c.qeld"};
  for (const std::wstring& name : others) folder.file(name);
  for (const std::int32_t limit : {1, 2, 3}) {
    list(first, limit);
    EXPECT_EQ(names.size(), static_cast<std::size_t>(limit));
    EXPECT_THAT(names, IsSubsetOf(others));
    EXPECT_THAT(names, Not(Contains(L"box.qeld")));
  }
  list(first, 10);
  EXPECT_THAT(names, UnorderedElementsAre(L"a.qeld", L"b.qeld", L"c.qeld"));
  EXPECT_EQ(paths.size(), 4u);
}

TEST_F(NearSecuredFoldersTest, NoSelectedFileIsNamedWhateverItsLetterCaseOrPlaceInTheListing) {
  const Names selectedNames = {L"a.qeld", L"b.qeld", L"c.qeld", L"d.qeld", L"e.qeld"};
  PathSet selected;
  for (const std::wstring& name : selectedNames) {
    std::wstring shouted = folder.file(name);
    CharUpperBuffW(shouted.data(), static_cast<DWORD>(shouted.size()));
    selected.add(shouted);
  }
  const std::wstring other = folder.file(L"other.qeld");
  for (const std::int32_t limit : {1, 3, 10}) {
    list(folder.pathOf(L"a.qeld"), limit, selected);
    EXPECT_THAT(names, ElementsAre(L"other.qeld"));
    EXPECT_THAT(paths, Contains(other));
  }
  list(folder.pathOf(L"a.qeld"), 10, selected);
  EXPECT_EQ(paths.size(), selectedNames.size() + 1);
}

TEST_F(NearSecuredFoldersTest, TheFolderOfALongFormPathIsSearched) {
  const std::wstring first = L"\\\\?\\" + folder.file(L"a.txt");
  folder.file(L"box.qeld");
  list(first, 3);
  EXPECT_THAT(names, ElementsAre(L"box.qeld"));
  EXPECT_THAT(paths, ElementsAre(L"\\\\?\\" + folder.pathOf(L"box.qeld")));
  list(L"\\\\?\\" + folder.path() + L"\\?\\a.txt", 3);
  EXPECT_THAT(paths, IsEmpty());
}

TEST_F(NearSecuredFoldersTest, ALimitOfZeroOrBelowListsNone) {
  const std::wstring first = folder.file(L"a.txt");
  for (const wchar_t* name : {L"x.qeld", L"y.qeld", L"z.qeld"}) folder.file(name);
  for (const std::int32_t limit : {0, -1, INT32_MIN}) {
    list(first, limit);
    EXPECT_THAT(names, IsEmpty());
    EXPECT_THAT(paths, IsEmpty());
  }
}

TEST_F(NearSecuredFoldersTest, AFolderIsLookedBesideNotInside) {
  const std::wstring sub = folder.folder(L"sub");
  folder.file(L"sub\\inside.qeld");
  folder.file(L"beside.qeld");
  list(sub, 3);
  EXPECT_THAT(names, UnorderedElementsAre(L"beside.qeld"));
}

TEST_F(NearSecuredFoldersTest, PathsWithoutAPlainFolderListNothing) {
  folder.file(L"x.qeld");
  list(L"x.qeld", 3);  // no folder part: nothing from the current directory
  EXPECT_THAT(names, IsEmpty());
  list(folder.path() + L"\\*\\a.txt", 3);
  EXPECT_THAT(names, IsEmpty());
  list(folder.pathOf(L"missing") + L"\\a.txt", 3);
  EXPECT_THAT(paths, IsEmpty());
}

}  // namespace
}  // namespace brivane
