#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "SavedRegistryValue.h"
#include "settings/ProductSettings.h"
#include "support/Handles.h"

namespace brivane {
namespace {

constexpr wchar_t kProductKey[] = L"Software\\Brivane";
constexpr wchar_t kShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// Removes a key at the end that did not exist at the start (when nothing else was put in it meanwhile).
class KeyGuard {
 public:
  KeyGuard(HKEY root, const wchar_t* subKey) : root_(root), subKey_(subKey) {
    RegKey key;
    existed_ = RegOpenKeyExW(root, subKey, 0, KEY_READ, key.out()) == ERROR_SUCCESS;
  }
  ~KeyGuard() {
    if (!existed_) RegDeleteKeyW(root_, subKey_);
  }
  KeyGuard(const KeyGuard&) = delete;
  KeyGuard& operator=(const KeyGuard&) = delete;

 private:
  HKEY root_;
  const wchar_t* subKey_;
  bool existed_ = false;
};

// Every setting of the product starts absent; whatever the prefix held is restored afterwards.
class ProductSettingsTest : public ::testing::Test {
 protected:
  KeyGuard machineKey{HKEY_LOCAL_MACHINE, kProductKey};
  KeyGuard userKey{HKEY_CURRENT_USER, kProductKey};
  SavedRegistryValue moduleFolder{HKEY_LOCAL_MACHINE, kProductKey, L"ModuleFolder"};
  SavedRegistryValue machineTemp{HKEY_LOCAL_MACHINE, kProductKey, L"TempFolder"};
  SavedRegistryValue userTemp{HKEY_CURRENT_USER, kProductKey, L"TempFolder"};
  SavedRegistryValue localSettings{HKEY_CURRENT_USER, kShellFolders, L"Local Settings"};
  SavedRegistryValue localAppData{HKEY_CURRENT_USER, kShellFolders, L"Local AppData"};
  SavedRegistryValue appData{HKEY_CURRENT_USER, kShellFolders, L"AppData"};
};

TEST_F(ProductSettingsTest, TheModuleFolderIsReadAsStored) {
  moduleFolder.set(L"C:\\Program Files\\Brivane");
  std::wstring out;
  EXPECT_TRUE(readModuleFolder(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Program Files\\Brivane");
}

TEST_F(ProductSettingsTest, TheCoreLibraryLiesInTheModuleFolder) {
  moduleFolder.set(L"C:\\Program Files\\Brivane");
  std::wstring out;
  EXPECT_TRUE(coreLibraryPath(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Program Files\\Brivane\\Brivane_Core.dll");
}

TEST_F(ProductSettingsTest, AStoredTrailingSeparatorIsNotDoubled) {
  moduleFolder.set(L"C:\\Program Files\\Brivane\\");
  std::wstring out;
  EXPECT_TRUE(coreLibraryPath(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Program Files\\Brivane\\Brivane_Core.dll");
}

TEST_F(ProductSettingsTest, TheProductKeyNameIgnoresLetterCase) {
  moduleFolder.set(L"E:\\Brivane");
  std::wstring lower;
  std::wstring upper;
  EXPECT_TRUE(readModuleFolder(L"brivane", lower));
  EXPECT_TRUE(readModuleFolder(L"BRIVANE", upper));
  EXPECT_EQ(lower, L"E:\\Brivane");
  EXPECT_EQ(upper, lower);
}

TEST_F(ProductSettingsTest, AnExpandableModuleFolderIsTakenLiterally) {
  moduleFolder.set(L"%ProgramFiles%\\Brivane", REG_EXPAND_SZ);
  std::wstring out;
  EXPECT_TRUE(coreLibraryPath(L"Brivane", out));
  EXPECT_EQ(out, L"%ProgramFiles%\\Brivane\\Brivane_Core.dll");
}

TEST_F(ProductSettingsTest, WithoutAModuleFolderTheCoreLibraryIsUnavailable) {
  std::wstring out = L"old";
  EXPECT_FALSE(readModuleFolder(L"Brivane", out));
  EXPECT_FALSE(coreLibraryPath(L"Brivane", out));
  EXPECT_EQ(out, L"old");
  moduleFolder.setDword(1);
  EXPECT_FALSE(coreLibraryPath(L"Brivane", out));
  EXPECT_EQ(out, L"old");
}

TEST_F(ProductSettingsTest, TheUsersTempFolderWinsAndIsTakenAsStored) {
  userTemp.set(L"C:\\Users\\u\\Brivane Temp\\");
  machineTemp.set(L"C:\\Brivane\\Temp");
  localSettings.set(L"C:\\Documents and Settings\\u\\Local Settings");
  std::wstring out;
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Users\\u\\Brivane Temp\\");
  userTemp.set(L"C:\\Users\\u\\Brivane Temp");
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Users\\u\\Brivane Temp");
}

TEST_F(ProductSettingsTest, TheMachineTempFolderComesSecond) {
  machineTemp.set(L"C:\\Brivane\\Temp");
  localSettings.set(L"C:\\Documents and Settings\\u\\Local Settings");
  std::wstring out;
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Brivane\\Temp");
  userTemp.setDword(3);
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Brivane\\Temp");
}

TEST_F(ProductSettingsTest, TheLocalSettingsFolderComesThirdWithTempAppended) {
  localSettings.set(L"C:\\Documents and Settings\\u\\Local Settings");
  appData.set(L"C:\\Documents and Settings\\u\\Application Data");
  std::wstring out;
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Documents and Settings\\u\\Local Settings\\Temp");
  localSettings.set(L"C:\\Documents and Settings\\u\\Local Settings\\");
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Documents and Settings\\u\\Local Settings\\Temp");
}

// Since Vista the local folder is "Local AppData", whose Temp is the user's own temporary folder; the
// roaming "AppData" has no Temp.
TEST_F(ProductSettingsTest, TheLocalAppDataFolderStandsInForLocalSettingsBeforeAppData) {
  localAppData.set(L"C:\\Users\\u\\AppData\\Local");
  appData.set(L"C:\\Users\\u\\AppData\\Roaming");
  std::wstring out;
  EXPECT_EQ(readTempFolderFrom(L"Brivane", out), TempFolderSource::LocalAppData);
  EXPECT_EQ(out, L"C:\\Users\\u\\AppData\\Local\\Temp");
  localSettings.set(L"C:\\Documents and Settings\\u\\Local Settings");
  EXPECT_EQ(readTempFolderFrom(L"Brivane", out), TempFolderSource::LocalSettings);
  EXPECT_EQ(out, L"C:\\Documents and Settings\\u\\Local Settings\\Temp");
}

TEST_F(ProductSettingsTest, TheApplicationDataFolderComesLast) {
  appData.set(L"C:\\Documents and Settings\\u\\Application Data");
  std::wstring out;
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Documents and Settings\\u\\Application Data\\Temp");
  localSettings.setDword(1);
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"C:\\Documents and Settings\\u\\Application Data\\Temp");
}

TEST_F(ProductSettingsTest, ExpandableTempFoldersAreTakenLiterally) {
  userTemp.set(L"%TEMP%", REG_EXPAND_SZ);
  std::wstring out;
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"%TEMP%");
  userTemp.setDword(0);
  appData.set(L"%APPDATA%", REG_EXPAND_SZ);
  EXPECT_TRUE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"%APPDATA%\\Temp");
}

TEST_F(ProductSettingsTest, WithoutAnyTempFolderNothingIsRead) {
  std::wstring out = L"old";
  EXPECT_FALSE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"old");
  localSettings.setDword(1);
  appData.setDword(2);
  EXPECT_FALSE(readTempFolder(L"Brivane", out));
  EXPECT_EQ(out, L"old");
}

TEST_F(ProductSettingsTest, TheSettingThatAnsweredIsNamedInTheChainsOrder) {
  std::wstring out = L"old";
  EXPECT_EQ(readTempFolderFrom(L"Brivane", out), TempFolderSource::None);
  EXPECT_EQ(out, L"old");
  appData.set(L"C:\\Users\\u\\AppData");
  EXPECT_EQ(readTempFolderFrom(L"Brivane", out), TempFolderSource::AppData);
  localSettings.set(L"C:\\Users\\u\\Local");
  EXPECT_EQ(readTempFolderFrom(L"Brivane", out), TempFolderSource::LocalSettings);
  EXPECT_EQ(out, L"C:\\Users\\u\\Local\\Temp");
  machineTemp.set(L"C:\\Brivane\\Temp");
  EXPECT_EQ(readTempFolderFrom(L"Brivane", out), TempFolderSource::MachineTempFolder);
  userTemp.set(L"C:\\Users\\u\\Brivane Temp");
  EXPECT_EQ(readTempFolderFrom(L"Brivane", out), TempFolderSource::UserTempFolder);
  EXPECT_EQ(out, L"C:\\Users\\u\\Brivane Temp");
}

}  // namespace
}  // namespace brivane
