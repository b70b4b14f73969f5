// Repair, major upgrade and uninstall of the package, each from an installation of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "PackageSupport.h"
#include "ProcessRun.h"
#include "support/TestSupport.h"

namespace brivane::testing {
namespace {

// Everything the product writes, below the keys it owns, and its approval value.
RegistryTree productRegistry() {
  RegistryTree rows;
  const std::vector<std::wstring> keys = {L".qelf", L".qeld", L"Brivane.SecuredFile", L"Brivane.SecuredFolder",
                                         L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor",
                                         L"Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor",
                                         L"CLSID\\" + kClassId};
  for (const std::wstring& key : keys)
    rows.merge(readTree(HKEY_CLASSES_ROOT, key));
  rows.merge(readTree(HKEY_LOCAL_MACHINE, L"Software\\Brivane"));
  rows.merge(readTree(HKEY_CURRENT_USER, L"Software\\Brivane"));
  rows.merge(readValue(HKEY_LOCAL_MACHINE, kApprovedKey, kClassId));
  // What 32-bit programs see of the 32-bit extension.
  rows.merge(readTree(HKEY_CLASSES_ROOT, L"CLSID\\" + kClassId, KEY_WOW64_32KEY));
  rows.merge(readTree(HKEY_LOCAL_MACHINE, L"Software\\Brivane", KEY_WOW64_32KEY));
  rows.merge(readValue(HKEY_LOCAL_MACHINE, kApprovedKey, kClassId, KEY_WOW64_32KEY));
  return rows;
}

void expectNothingLeft() {
  EXPECT_EQ(productRegistry(), RegistryTree{});
  EXPECT_EQ(GetFileAttributesW(installFolder().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW(userDataFolder().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(productEntries().empty());
}

bool isFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class PackageLifecycle : public ::testing::Test {
 protected:
  void TearDown() override {
    removePackage(kPackage);
    removePackage(kOlderPackage);
  }
};

TEST_F(PackageLifecycle, UninstallRemovesEverythingTheProductWrote) {
  ASSERT_EQ(installPackage(kPackage), 0u);
  // Using the menu once makes the extension create its per-user list of recent secured folders.
  TemporaryFolder items;
  EXPECT_EQ(runShellhost({L"menu", items.file(L"report.txt")}).exitCode, 0u);
  EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, L"Software\\Brivane\\MRU_qelf"));
  EXPECT_EQ(removePackage(kPackage), 0u);
  expectNothingLeft();
}

TEST_F(PackageLifecycle, RepairRestoresMissingFilesValuesAndTheHandOffFolder) {
  ASSERT_EQ(installPackage(kPackage), 0u);
  const std::vector<ProductEntry> entries = productEntries();
  ASSERT_EQ(entries.size(), 1u);
  const RegistryTree installed = productRegistry();
  const std::optional<std::string> core = readFileBytes(installedFile(L"Brivane_Core.dll"));
  const std::wstring x86Core = x86Folder() + L"\\Brivane_Core.dll";
  const std::optional<std::string> coreX86 = readFileBytes(x86Core);
  ASSERT_TRUE(core && coreX86);
  ASSERT_TRUE(DeleteFileW(installedFile(L"Brivane_Core.dll").c_str()));
  ASSERT_TRUE(DeleteFileW(x86Core.c_str()));
  ASSERT_EQ(RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Brivane.SecuredFolder\\shellex"), ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder"), ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\Brivane"), ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"Wow6432Node\\CLSID\\" + kClassId).c_str()), ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brivane"), ERROR_SUCCESS);
  ASSERT_TRUE(RemoveDirectoryW(handOffFolder().c_str()));

  // The repair of Add/Remove Programs (msiexec /fomus), spelt as the properties it sets: Wine's
  // msiexec /f starts a 32-bit helper, and this machine's Wine is 64-bit only.
  EXPECT_EQ(msiexec({L"/i", entries[0].key, L"REINSTALL=ALL", L"REINSTALLMODE=omus", L"/qn"}), 0u);
  EXPECT_TRUE(readFileBytes(installedFile(L"Brivane_Core.dll")) == core);
  EXPECT_TRUE(readFileBytes(x86Core) == coreX86);
  EXPECT_EQ(productRegistry(), installed);
  EXPECT_TRUE(isFolder(handOffFolder()));
  EXPECT_EQ(productEntries().size(), 1u);
  EXPECT_EQ(removePackage(kPackage), 0u);
  expectNothingLeft();
}

TEST_F(PackageLifecycle, ANewerPackageReplacesAnOlderOne) {
  ASSERT_EQ(installPackage(kOlderPackage), 0u);
  std::vector<ProductEntry> entries = productEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].version, kOlderVersion);
  const std::wstring olderProductCode = entries[0].key;

  EXPECT_EQ(installPackage(kPackage), 0u);
  entries = productEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].version, kVersion);
  EXPECT_NE(entries[0].key, olderProductCode);
  EXPECT_EQ(readTree(HKEY_CLASSES_ROOT, L"CLSID\\" + kClassId + L"\\InProcServer32").at(
                L"HKCR\\CLSID\\" + kClassId + L"\\InProcServer32|"),
            textValue(installedFile(L"BrivaneShell.dll")));
  EXPECT_TRUE(fileExists(installedFile(L"BrivaneShell.dll")));
  // The older package is gone for good: removing it now finds nothing to remove.
  EXPECT_NE(msiexec({L"/x", olderProductCode, L"/qn"}), 0u);
  EXPECT_EQ(removePackage(kPackage), 0u);
  expectNothingLeft();
}

TEST_F(PackageLifecycle, AnOlderPackageDoesNotReplaceANewerOne) {
  ASSERT_EQ(installPackage(kPackage), 0u);
  EXPECT_NE(installPackage(kOlderPackage), 0u);
  const std::vector<ProductEntry> entries = productEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].version, kVersion);
  EXPECT_EQ(removePackage(kPackage), 0u);
  expectNothingLeft();
}

}  // namespace
}  // namespace brivane::testing
