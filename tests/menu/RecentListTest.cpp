#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "menu/RecentList.h"

namespace brivane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Paths = std::vector<std::wstring>;

constexpr wchar_t kHistoryKey[] = L"Software\\Brivane\\MRU_qelf";

// A folder of its own under the temporary folder, holding secured folder files; removed at the end.
class TempFolder {
 public:
  TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"brivane-recent-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"\\";
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TempFolder() {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(path_.c_str());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::wstring create(const std::wstring& name) {
    std::wstring file = path_ + name;
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    files_.push_back(file);
    return file;
  }
  std::wstring missing(const std::wstring& name) const { return path_ + name; }

 private:
  std::wstring path_;
  std::vector<std::wstring> files_;
};

class RecentListTest : public ::testing::Test {
 protected:
  RecentListTest() { RegDeleteTreeW(HKEY_CURRENT_USER, kHistoryKey); }
  ~RecentListTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, kHistoryKey); }

  static void setDword(const wchar_t* name, DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kHistoryKey, name, REG_DWORD, &value, sizeof value);
  }
  static void setString(const std::wstring& name, const std::wstring& value, DWORD type = REG_SZ) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kHistoryKey, name.c_str(), type, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  static bool readDword(const wchar_t* name, DWORD& value) {
    DWORD size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, kHistoryKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
           ERROR_SUCCESS;
  }
  static DWORD typeOf(const wchar_t* name) {
    DWORD type = REG_NONE;
    RegGetValueW(HKEY_CURRENT_USER, kHistoryKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr, nullptr);
    return type;
  }
  // History entries "1", "2", ... naming the given paths.
  static void setHistory(const Paths& paths) {
    for (std::size_t i = 0; i < paths.size(); ++i) setString(std::to_wstring(i + 1), paths[i]);
  }
  Paths securedFolders(int count) {
    Paths paths;
    for (int i = 1; i <= count; ++i) paths.push_back(folder.create(L"box" + std::to_wstring(i) + L".qeld"));
    return paths;
  }

  TempFolder folder;
};

TEST_F(RecentListTest, WithoutTheKeyBothLimitsAreThree) {
  std::int32_t recentLimit = 0;
  std::int32_t nearLimit = 0;
  EXPECT_TRUE(readRecentLimits(recentLimit, nearLimit));
  EXPECT_EQ(recentLimit, 3);
  EXPECT_EQ(nearLimit, 3);
}

TEST_F(RecentListTest, StoredLimitsAreRead) {
  setDword(L"max_history", 5);
  setDword(L"max_qelf", 0);
  std::int32_t recentLimit = 0;
  std::int32_t nearLimit = 9;
  readRecentLimits(recentLimit, nearLimit);
  EXPECT_EQ(recentLimit, 5);
  EXPECT_EQ(nearLimit, 0);
}

TEST_F(RecentListTest, LimitsOfAnotherTypeCountAsMissing) {
  setString(L"max_history", L"7");
  setString(L"max_qelf", L"1");
  std::int32_t recentLimit = 0;
  std::int32_t nearLimit = 0;
  readRecentLimits(recentLimit, nearLimit);
  EXPECT_EQ(recentLimit, 3);
  EXPECT_EQ(nearLimit, 3);
}

TEST_F(RecentListTest, FirstUseCreatesTheKeyWithBothLimitsAndListsNothing) {
  Paths recent{L"stale"};
  readRecentPaths(recent, {});
  EXPECT_THAT(recent, IsEmpty());
  DWORD value = 0;
  ASSERT_TRUE(readDword(L"max_history", value));
  EXPECT_EQ(value, 3u);
  ASSERT_TRUE(readDword(L"max_qelf", value));
  EXPECT_EQ(value, 3u);
}

TEST_F(RecentListTest, FirstUseKeepsAStoredNearLimitAndListsNothingYet) {
  setDword(L"max_qelf", 7);
  setHistory(securedFolders(2));
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_THAT(recent, IsEmpty());
  DWORD value = 0;
  ASSERT_TRUE(readDword(L"max_qelf", value));
  EXPECT_EQ(value, 7u);
  ASSERT_TRUE(readDword(L"max_history", value));
  EXPECT_EQ(value, 3u);
}

TEST_F(RecentListTest, ARecentLimitOfAnotherTypeIsRewrittenAsTheDefault) {
  setString(L"max_history", L"5");
  setString(L"max_qelf", L"2");
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_EQ(typeOf(L"max_history"), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(typeOf(L"max_qelf"), static_cast<DWORD>(REG_DWORD));
  DWORD value = 0;
  ASSERT_TRUE(readDword(L"max_history", value));
  EXPECT_EQ(value, 3u);
  ASSERT_TRUE(readDword(L"max_qelf", value));
  EXPECT_EQ(value, 3u);
}

TEST_F(RecentListTest, ANearLimitOfAnotherTypeStaysAsStored) {
  setDword(L"max_history", 3);
  setString(L"max_qelf", L"2");
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_EQ(typeOf(L"max_qelf"), static_cast<DWORD>(REG_SZ));
}

TEST_F(RecentListTest, TheListHonoursItsLimit) {
  Paths boxes = securedFolders(6);
  setHistory(boxes);
  setDword(L"max_history", 3);
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_THAT(recent, ElementsAre(boxes[0], boxes[1], boxes[2]));
}

TEST_F(RecentListTest, ALimitOfZeroListsNothing) {
  setHistory(securedFolders(2));
  setDword(L"max_history", 0);
  Paths recent{L"stale"};
  readRecentPaths(recent, {});
  EXPECT_THAT(recent, IsEmpty());
}

TEST_F(RecentListTest, AHugeLimitListsUpToTheFirstGap) {
  Paths boxes = securedFolders(4);
  setHistory(boxes);
  setDword(L"max_history", 0xFFFFFFFF);
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_EQ(recent, boxes);
}

TEST_F(RecentListTest, ExclusionsMatchWhateverTheLetterCaseAndDoNotUseUpAPlace) {
  Paths boxes = securedFolders(5);
  setHistory(boxes);
  setDword(L"max_history", 3);
  std::wstring shouted = boxes[1];
  CharUpperBuffW(shouted.data(), static_cast<DWORD>(shouted.size()));
  Paths recent;
  readRecentPaths(recent, {L"C:\\elsewhere\\x.qeld", shouted});
  EXPECT_THAT(recent, ElementsAre(boxes[0], boxes[2], boxes[3]));
}

TEST_F(RecentListTest, AVanishedFolderIsSkippedWithoutEndingTheList) {
  Paths boxes = securedFolders(3);
  setHistory({folder.missing(L"gone.qeld"), boxes[0], boxes[1], boxes[2]});
  setDword(L"max_history", 3);
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_EQ(recent, boxes);
}

TEST_F(RecentListTest, AGapEndsTheList) {
  Paths boxes = securedFolders(3);
  setString(L"1", boxes[0]);
  setString(L"3", boxes[2]);
  setDword(L"max_history", 3);
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_THAT(recent, ElementsAre(boxes[0]));
}

TEST_F(RecentListTest, AnEntryOfAnotherTypeOrTooLongEndsTheList) {
  Paths boxes = securedFolders(3);
  setHistory(boxes);
  setDword(L"2", 1);
  setDword(L"max_history", 3);
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_THAT(recent, ElementsAre(boxes[0]));

  setString(L"2", std::wstring(5000, L'x'));
  readRecentPaths(recent, {});
  EXPECT_THAT(recent, ElementsAre(boxes[0]));
}

TEST_F(RecentListTest, ExpandablePathsAreTakenLiterally) {
  Paths boxes = securedFolders(1);
  setString(L"1", boxes[0], REG_EXPAND_SZ);
  setString(L"2", L"%TEMP%", REG_EXPAND_SZ);
  setDword(L"max_history", 3);
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_THAT(recent, ElementsAre(boxes[0]));
}

TEST_F(RecentListTest, NamesWithAmpersandsBlanksAndCharactersBeyondTheBasicPlaneAreKept) {
  std::wstring box = folder.create(L"R&D plans \U0001F512.qeld");
  setString(L"1", box);
  setDword(L"max_history", 3);
  Paths recent;
  readRecentPaths(recent, {});
  EXPECT_THAT(recent, ElementsAre(box));
}

}  // namespace
}  // namespace brivane
