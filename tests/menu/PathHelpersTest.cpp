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

TEST(IsPlainAbsolutePath, FullPathsOfDrivesAndSharesInEitherForm) {
  for (const std::wstring& path :
       {std::wstring(L"C:\\Docs\\a.txt"), std::wstring(L"z:\\"), std::wstring(L"C:\\Docs\\"),
        std::wstring(L"\\\\server\\share"), std::wstring(L"\\\\server\\share\\R&D \U0001F512.txt"),
        std::wstring(L"\\\\?\\C:\\Docs\\a.txt"), std::wstring(L"\\\\?\\UNC\\server\\share\\a.txt"),
        std::wstring(L"C:\\.config\\a..b\\x.y.z"), std::wstring(L"C:\\console\\nullish\\com10\\lpt0.txt"),
        std::wstring(L"C:\\caf\u00e9 \u00a0\u00ff\u200e.txt"), L"C:\\" + std::wstring(300, L'x') + L"\\y"})
    EXPECT_TRUE(isPlainAbsolutePath(path)) << ::testing::PrintToString(path);
}

TEST(IsPlainAbsolutePath, RelativeDeviceAndWildcardNamesAreNot) {
  for (const wchar_t* path :
       {L"", L"a.txt", L"Docs\\a.txt", L".\\a.txt", L"..\\a.txt", L"C:a.txt", L"C:", L"\\Docs\\a.txt", L"1:\\a",
        L"\\\\.\\PhysicalDrive0", L"\\\\.\\C:\\Docs\\a.txt", L"\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1\\a.txt",
        L"\\\\?\\Volume{01234567-89ab-cdef-0123-456789abcdef}\\a.txt", L"\\??\\C:\\a.txt", L"\\\\?\\",
        L"\\\\server", L"\\\\server\\", L"\\\\server\\\\share", L"\\\\.\\pipe\\x", L"\\\\?\\UNC\\server",
        L"C:\\Docs\\*.txt", L"C:\\Docs\\a?.txt", L"\\\\?\\C:\\Docs\\*", L"C:\\Docs\\a<b", L"C:\\Docs\\a>b",
        L"C:\\Docs\\\"a\"", L"C:\\Docs\\a|b", L"C:/Docs/a.txt", L"C:\\Docs/a.txt", L"C:\\Docs\\a.txt:stream",
        L"C:\\Docs\\a.txt::$DATA", L"C:\\Docs\\..\\a.txt", L"C:\\Docs\\.\\a.txt", L"C:\\Docs\\\\a.txt",
        L"\\\\?\\C:\\Docs\\..\\a.txt", L"C:\\Docs\\a.txt.", L"C:\\Docs\\a.txt ", L"C:\\Docs. \\a.txt"})
    EXPECT_FALSE(isPlainAbsolutePath(path)) << ::testing::PrintToString(std::wstring(path));
}

TEST(IsPlainAbsolutePath, DeviceNamesAreRefusedAsAnyComponentWithAnyExtension) {
  for (const wchar_t* path : {L"C:\\NUL", L"C:\\Docs\\con", L"C:\\Docs\\Aux.txt", L"C:\\Docs\\com1.tar.gz",
                              L"C:\\Docs\\LPT9\\a.txt", L"C:\\Docs\\prn .txt", L"C:\\Docs\\CONIN$",
                              L"C:\\Docs\\conout$.log", L"C:\\Docs\\COM\u00b9", L"\\\\?\\C:\\Docs\\nul",
                              L"\\\\server\\share\\Lpt\u00b3.x", L"\\\\nul\\share\\a.txt"})
    EXPECT_FALSE(isPlainAbsolutePath(path)) << ::testing::PrintToString(std::wstring(path));
}

// Only the long form takes names as they stand, a blank or a dot at the end included.
TEST(IsPlainAbsolutePath, TrailingDotsAndBlanksStandOnlyInTheLongForm) {
  EXPECT_TRUE(isPlainAbsolutePath(L"\\\\?\\C:\\Docs\\a.txt."));
  EXPECT_TRUE(isPlainAbsolutePath(L"\\\\?\\UNC\\server\\share\\a.txt "));
  EXPECT_FALSE(isPlainAbsolutePath(L"\\\\server\\share\\a.txt "));
}

TEST(IsPlainAbsolutePath, ControlCharactersAndUnpairedSurrogatesAreNot) {
  const std::wstring folder = L"C:\\Docs\\";
  for (const wchar_t bad : {L'\0', L'\x01', L'\t', L'\n', L'\r', L'\x1b', L'\x1f', L'\x7f', L'\x85', L'\x9f'})
    EXPECT_FALSE(isPlainAbsolutePath(folder + L"a" + bad + L".txt")) << static_cast<unsigned>(bad);
  for (const std::wstring& text : {std::wstring(1, wchar_t(0xD800)), std::wstring(1, wchar_t(0xDFFF)),
                                   std::wstring{wchar_t(0xDC00), wchar_t(0xD800)},
                                   std::wstring{wchar_t(0xD83D), L'x', wchar_t(0xDD12)}}) {
    EXPECT_FALSE(isPlainAbsolutePath(folder + L"a" + text + L".txt"));
    EXPECT_FALSE(isPlainAbsolutePath(folder + text));
  }
  EXPECT_TRUE(isPlainAbsolutePath(folder + std::wstring{wchar_t(0xD83D), wchar_t(0xDD12)}));
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
