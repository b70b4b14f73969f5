#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <new>
#include <string>
#include <vector>

#include "operations/ApplicationLaunch.h"
#include "operations/HandOffFile.h"
#include "support/TestSupport.h"

namespace brivane {
namespace {

// Numbers handed out in the given order, the last one repeated; counts how many were asked for.
struct ScriptedDraws {
  std::vector<std::uint32_t> numbers;
  int asked = 0;
  std::uint32_t operator()() {
    const std::size_t index = static_cast<std::size_t>(asked++);
    return numbers[index < numbers.size() ? index : numbers.size() - 1];
  }
};

TEST(HandOffFileName, TheDigitFieldIsAlwaysTenDigitsWide) {
  EXPECT_EQ(handOffFileName(7), L"\\qel_0000000007.psa");
  EXPECT_EQ(handOffFileName(4294967295u), L"\\qel_4294967295.psa");
  EXPECT_EQ(handOffFileName(0), L"\\qel_0000000000.psa");
  EXPECT_EQ(handOffFileName(1234567890), L"\\qel_1234567890.psa");
}

TEST(ApplicationPath, OneBackslashSeparatesFolderAndExecutable) {
  const std::wstring expected = L"C:\\Prog\\App\\Brivane_Application_Palisor_Against_Lib.exe";
  EXPECT_EQ(applicationPath(L"C:\\Prog\\App\\"), expected);
  EXPECT_EQ(applicationPath(L"C:\\Prog\\App"), expected);
}

// Content that writes `blocks` one after another.
ContentWriter contentOf(std::vector<std::string> blocks) {
  return [blocks](const BlockWrite& write) {
    for (const std::string& block : blocks) {
      if (!write(block)) return false;
    }
    return true;
  };
}

class WriteHandOffFile : public ::testing::Test {
 protected:
  testing::TemporaryFolder folder;
};

TEST_F(WriteHandOffFile, StoresExactlyTheBytesUnderTheDrawnName) {
  ScriptedDraws draws{{7}};
  const std::wstring path = writeHandOffFile(folder.path(), contentOf({"<a>", "</a>\n"}), std::ref(draws)).path;
  EXPECT_EQ(path, folder.path() + L"\\qel_0000000007.psa");
  EXPECT_EQ(testing::readFileBytes(path), "<a></a>\n");
  EXPECT_EQ(draws.asked, 1);
}

TEST_F(WriteHandOffFile, ANameAlreadyTakenIsNeverOverwritten) {
  const std::wstring taken = folder.file(L"qel_0000000007.psa", "not yet consumed");
  ScriptedDraws draws{{7, 8}};
  const std::wstring path = writeHandOffFile(folder.path(), contentOf({"new"}), std::ref(draws)).path;
  EXPECT_EQ(path, folder.path() + L"\\qel_0000000008.psa");
  EXPECT_EQ(testing::readFileBytes(taken), "not yet consumed");
  EXPECT_EQ(testing::readFileBytes(path), "new");
}

TEST_F(WriteHandOffFile, GivesUpAfterABoundedNumberOfTakenNames) {
  const std::wstring taken = folder.file(L"qel_0000000007.psa", "not yet consumed");
  ScriptedDraws draws{{7}};
  EXPECT_EQ(writeHandOffFile(folder.path(), contentOf({"new"}), std::ref(draws)).error, ERROR_FILE_EXISTS);
  EXPECT_EQ(draws.asked, kHandOffNameAttempts);
  EXPECT_EQ(testing::readFileBytes(taken), "not yet consumed");
}

TEST_F(WriteHandOffFile, AMissingFolderIsMadeWithTheFoldersAboveIt) {
  ScriptedDraws draws{{7}};
  const std::wstring missing = folder.pathOf(L"absent") + L"\\below";
  const HandOffWrite written = writeHandOffFile(missing, contentOf({"x"}), std::ref(draws));
  EXPECT_EQ(written.error, static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(written.path, missing + L"\\qel_0000000007.psa");
  EXPECT_EQ(testing::readFileBytes(written.path), "x");
}

TEST_F(WriteHandOffFile, AFolderThatCannotBeMadeFailsWithTheSystemsError) {
  ScriptedDraws draws{{7}};
  const std::wstring file = folder.file(L"plain", "data");
  EXPECT_EQ(writeHandOffFile(file + L"\\temp", contentOf({"x"}), std::ref(draws)).error,
            static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(writeHandOffFile(L"relative\\temp", contentOf({"x"}), std::ref(draws)).error,
            static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(draws.asked, 0);
  EXPECT_EQ(testing::namesMatching(folder.path(), L"*"), std::vector<std::wstring>{L"plain"});
}

TEST_F(WriteHandOffFile, TheFolderIsUsedAsGiven) {
  ScriptedDraws draws{{12}};
  const std::wstring path = writeHandOffFile(folder.path() + L"\\", contentOf({"x"}), std::ref(draws)).path;
  EXPECT_EQ(path, folder.path() + L"\\\\qel_0000000012.psa");
  EXPECT_TRUE(testing::fileExists(folder.pathOf(L"qel_0000000012.psa")));
}

TEST_F(WriteHandOffFile, ContentThatCannotBeMadeLeavesNoFile) {
  ScriptedDraws draws{{9}};
  const ContentWriter failing = [](const BlockWrite& write) {
    write("begun");
    return false;
  };
  EXPECT_EQ(writeHandOffFile(folder.path(), failing, std::ref(draws)).error, static_cast<DWORD>(ERROR_WRITE_FAULT));
  EXPECT_EQ(draws.asked, 1);
  EXPECT_TRUE(testing::namesMatching(folder.path(), L"*").empty());
}

TEST_F(WriteHandOffFile, ContentThatThrowsMidwayLeavesNoFile) {
  ScriptedDraws draws{{9}};
  const ContentWriter throwing = [](const BlockWrite& write) -> bool {
    write("first block");
    throw std::bad_alloc();
  };
  EXPECT_THROW(writeHandOffFile(folder.path(), throwing, std::ref(draws)), std::bad_alloc);
  EXPECT_TRUE(testing::namesMatching(folder.path(), L"*").empty());
}

}  // namespace
}  // namespace brivane
