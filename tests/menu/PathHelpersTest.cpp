#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SelectionTempFolder.h"
#include "menu/Selection.h"
#include "support/Paths.h"

namespace brivane {
namespace {

TEST(HasExtension, IgnoresLetterCaseAndTheLeadingDot) {
  EXPECT_TRUE(hasExtension(L"C:\\x\\Report.QELF", L".qelf"));
  EXPECT_TRUE(hasExtension(L"C:\\x\\report.qelf", L"QELF"));
  EXPECT_TRUE(hasExtension(L"C:\\x\\Caf\u00c9.\u00c9T\u00c9", L".\u00e9t\u00e9"));
  EXPECT_FALSE(hasExtension(L"C:\\x\\report.qelf", L".qeld"));
  EXPECT_FALSE(hasExtension(L"C:\\x\\report.qelf", L"..qelf"));
}

TEST(HasExtension, LooksOnlyAfterTheLastDotOfTheWholePath) {
  EXPECT_FALSE(hasExtension(L"C:\\x.qelf\\notes.txt", L".qelf"));
  EXPECT_FALSE(hasExtension(L"C:\\x\\box.qeld.txt", L".qeld"));
  EXPECT_TRUE(hasExtension(L"C:\\x\\box.txt.qeld", L".qeld"));
  EXPECT_FALSE(hasExtension(L"C:\\x.qelf\\notes", L".qelf"));
  EXPECT_TRUE(hasExtension(L"C:\\x\\box.", L""));
}

TEST(HasExtension, APathWithoutADotIsComparedWhole) {
  EXPECT_TRUE(hasExtension(L"QELF", L".qelf"));
  EXPECT_FALSE(hasExtension(L"C:\\qelf", L".qelf"));
  EXPECT_FALSE(hasExtension(L"", L".qelf"));
  EXPECT_TRUE(hasExtension(L"", L""));
}

TEST(FileNameOf, KeepsTheLastComponentAfterEitherSeparator) {
  EXPECT_EQ(fileNameOf(L"C:\\Docs\\a.txt", false), L"a.txt");
  EXPECT_EQ(fileNameOf(L"C:\\Docs/sub/b.txt", false), L"b.txt");
  EXPECT_EQ(fileNameOf(L"plain.txt", false), L"plain.txt");
  EXPECT_EQ(fileNameOf(L"C:\\Docs\\", false), L"");
  EXPECT_EQ(fileNameOf(L"", true), L"");
}

TEST(FileNameOf, StripCutsTheLastExtensionOfAFile) {
  SelectionTempFolder folder;
  EXPECT_EQ(fileNameOf(folder.file(L"archive.tar.gz"), true), L"archive.tar");
  EXPECT_EQ(fileNameOf(folder.file(L"R&D \U0001F512.qelf"), true), L"R&D \U0001F512");
  EXPECT_EQ(fileNameOf(folder.file(L"README"), true), L"README");
  EXPECT_EQ(fileNameOf(L"C:\\no such folder\\gone.qeld", true), L"gone");
  EXPECT_EQ(fileNameOf(L"C:\\x.d\\notes", true), L"notes");
}

TEST(FileNameOf, StripKeepsTheNameOfAnExistingFolderWhole) {
  SelectionTempFolder folder;
  EXPECT_EQ(fileNameOf(folder.subfolder(L"photos.2024"), true), L"photos.2024");
  EXPECT_EQ(fileNameOf(folder.missing(L"photos.2025"), true), L"photos");
}

TEST(ParentFolderOf, CutsBackToTheLastBackslash) {
  EXPECT_EQ(parentFolderOf(L"C:\\Docs\\a.txt"), L"C:\\Docs\\");
  EXPECT_EQ(parentFolderOf(L"C:\\docs\\a.txt"), L"C:\\docs\\");
  EXPECT_EQ(parentFolderOf(L"C:\\Docs\\"), L"C:\\Docs\\");
  EXPECT_EQ(parentFolderOf(L"C:\\"), L"C:\\");
  EXPECT_EQ(parentFolderOf(L"C:\\Docs/a.txt"), L"C:\\");
  EXPECT_EQ(parentFolderOf(L"a.txt"), L"");
  EXPECT_EQ(parentFolderOf(L""), L"");
}

TEST(ParentFolderOf, KeepsLongPathsWhole) {
  const std::wstring folder = L"C:\\" + std::wstring(300, L'x') + L"\\";
  EXPECT_EQ(parentFolderOf(folder + L"y.txt"), folder);
}

TEST(IsExactPath, TheLongFormPrefixIsNoWildcard) {
  EXPECT_TRUE(isExactPath(L"C:\\Docs\\a.txt"));
  EXPECT_TRUE(isExactPath(L"\\\\?\\C:\\Docs\\a.txt"));
  EXPECT_TRUE(isExactPath(L"\\\\?\\UNC\\server\\share\\a.txt"));
  EXPECT_TRUE(isExactPath(L"\\\\?\\" + std::wstring(3445, L'x')));
  EXPECT_TRUE(isExactPath(L"\\\\server\\share\\R&D \U0001F512.txt"));
}

TEST(IsExactPath, WildcardsAnywhereElseEmptyTextAndNulsAreNot) {
  EXPECT_FALSE(isExactPath(L""));
  EXPECT_FALSE(isExactPath(L"C:\\Docs\\*.txt"));
  EXPECT_FALSE(isExactPath(L"C:\\Docs\\a?.txt"));
  EXPECT_FALSE(isExactPath(L"\\\\?\\C:\\Docs\\a?.txt"));
  EXPECT_FALSE(isExactPath(L"\\\\?\\C:\\Docs\\*"));
  EXPECT_FALSE(isExactPath(L"\\\\?\\UNC\\server\\share\\?\\a.txt"));
  EXPECT_FALSE(isExactPath(L"\\\\?\\?\\C:\\a.txt"));
  EXPECT_FALSE(isExactPath(L"\\\\.\\?\\C:\\a.txt"));
  EXPECT_FALSE(isExactPath(std::wstring(L"C:\\a.txt\0b", 10)));
}

TEST(DisplayName, IsTheFirstItemsNameWithAmpersandsDoubled) {
  EXPECT_EQ(displayName({L"C:\\work\\R&D.doc", L"C:\\work\\other.doc"}), L"R&&D.doc");
  EXPECT_EQ(displayName({L"C:\\work\\A&&B & C.qelf"}), L"A&&&&B && C.qelf");
  EXPECT_EQ(displayName({L"C:\\work\\\U0001F512 caf\u00e9.txt"}), L"\U0001F512 caf\u00e9.txt");
}

TEST(DisplayName, KeepsTheExtensionOfAnExistingFile) {
  SelectionTempFolder folder;
  EXPECT_EQ(displayName({folder.file(L"plan.qeld")}), L"plan.qeld");
}

TEST(DisplayName, OfAnEmptySelectionIsEmpty) { EXPECT_EQ(displayName({}), L""); }

}  // namespace
}  // namespace brivane
