// Repair, major upgrade and uninstall of the package, each from an installation of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "PackageSupport.h"
#include "ProcessRun.h"
#include "support/TestSupport.h"

namespace brivane::testing {
namespace {

// Everything the package writes, below the keys it owns, and its approval value.
RegistryTree productRegistry() {
  RegistryTree rows;
  const std::vector<std::wstring> keys = {L".qelf", L".qeld", L"Brivane.SecuredFile", L"Brivane.SecuredFolder",
                                         L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor",
                                         L"Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor",
                                         L"CLSID\\" + kClassId};
  for (const std::wstring& key : keys)
    rows.merge(readTree(HKEY_CLASSES_ROOT, key));
  rows.merge(readTree(HKEY_LOCAL_MACHINE, L"Software\\Brivane"));
  rows.merge(readValue(HKEY_LOCAL_MACHINE, kApprovedKey, kClassId));
  // What 32-bit programs see of the 32-bit extension.
  rows.merge(readTree(HKEY_CLASSES_ROOT, L"CLSID\\" + kClassId, KEY_WOW64_32KEY));
  rows.merge(readTree(HKEY_LOCAL_MACHINE, L"Software\\Brivane", KEY_WOW64_32KEY));
  rows.merge(readValue(HKEY_LOCAL_MACHINE, kApprovedKey, kClassId, KEY_WOW64_32KEY));
  return rows;
}

// Uninstall leaves the user's own data (the recent list) by design; the package itself wrote none.
void expectNothingLeft() {
  EXPECT_EQ(productRegistry(), RegistryTree{});
  EXPECT_EQ(GetFileAttributesW(installFolder().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesW(userDataFolder().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(productEntries().empty());
}

// The programs and DLLs the package installs, each with the version it carries: the package's own, as
// Windows Installer spells file versions.
const wchar_t* const kVersionedFiles[] = {L"BrivaneShell.dll", L"Brivane_Core.dll",
                                          L"Brivane_Application_Palisor_Against_Lib.exe", L"brivane-check.exe"};

std::map<std::wstring, std::wstring> versionsOf(const std::wstring& version) {
  std::map<std::wstring, std::wstring> versions;
  for (const wchar_t* name : kVersionedFiles) versions[name] = version + L".0";
  return versions;
}

std::map<std::wstring, std::wstring> installedVersions() {
  std::map<std::wstring, std::wstring> versions;
  for (const wchar_t* name : kVersionedFiles) versions[name] = fileVersion(installedFile(name));
  return versions;
}

// The user's recent list holds one secured folder, recorded before the package is touched again; the
// menu of the installed extension offers it.
class RecordedRecentFolder {
 public:
  RecordedRecentFolder() { recordRecentFolder(path_); }
  RegistryTree stored() const { return readTree(HKEY_CURRENT_USER, kUserKey); }
  bool offered() const {
    const ProcessResult menu = runShellhost({L"menu", items_.file(L"report.txt")});
    return std::any_of(menu.out.begin(), menu.out.end(), [&](const std::wstring& line) {
      return line.find(L" command ") != std::wstring::npos && line.find(L"Recent.qeld") != std::wstring::npos;
    });
  }

 private:
  TemporaryFolder folders_;
  TemporaryFolder items_;
  std::wstring path_ = folders_.file(L"Recent.qeld", "secured folder\n");
};

class PackageLifecycle : public ::testing::Test {
 protected:
  void TearDown() override {
    removePackage(kPackage);
    removePackage(kOlderPackage);
    removeUserData();
  }
};

TEST_F(PackageLifecycle, UninstallRemovesEverythingThePackageWroteAndLeavesTheUsersData) {
  ASSERT_EQ(installPackage(kPackage), 0u);
  // Using the menu once makes the extension create its per-user list of recent secured folders.
  TemporaryFolder items;
  EXPECT_EQ(runShellhost({L"menu", items.file(L"report.txt")}).exitCode, 0u);
  const RegistryTree userData = readTree(HKEY_CURRENT_USER, kUserKey);
  EXPECT_TRUE(keyExists(HKEY_CURRENT_USER, kRecentListKey));
  EXPECT_EQ(removePackage(kPackage), 0u);
  expectNothingLeft();
  EXPECT_EQ(readTree(HKEY_CURRENT_USER, kUserKey), userData);
}

TEST_F(PackageLifecycle, RepairRestoresMissingFilesAndValuesAndLeavesTheUsersRecentList) {
  ASSERT_EQ(installPackage(kPackage), 0u);
  const std::vector<ProductEntry> entries = productEntries();
  ASSERT_EQ(entries.size(), 1u);
  const RegistryTree installed = productRegistry();
  const std::optional<std::string> core = readFileBytes(installedFile(L"Brivane_Core.dll"));
  const std::wstring x86Core = x86Folder() + L"\\Brivane_Core.dll";
  const std::optional<std::string> coreX86 = readFileBytes(x86Core);
  ASSERT_TRUE(core && coreX86);
  removeUserData();
  const RecordedRecentFolder recent;
  const RegistryTree userData = recent.stored();
  ASSERT_TRUE(DeleteFileW(installedFile(L"Brivane_Core.dll").c_str()));
  ASSERT_TRUE(DeleteFileW(x86Core.c_str()));
  ASSERT_EQ(RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Brivane.SecuredFolder\\shellex"), ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder"), ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\Brivane"), ERROR_SUCCESS);
  ASSERT_EQ(RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"Wow6432Node\\CLSID\\" + kClassId).c_str()), ERROR_SUCCESS);

  // The repair of Add/Remove Programs (msiexec /fomus), spelt as the properties it sets: Wine's
  // msiexec /f starts a 32-bit helper, and this machine's Wine is 64-bit only.
  EXPECT_EQ(msiexec({L"/i", entries[0].key, L"REINSTALL=ALL", L"REINSTALLMODE=omus", L"/qn"}), 0u);
  EXPECT_TRUE(readFileBytes(installedFile(L"Brivane_Core.dll")) == core);
  EXPECT_TRUE(readFileBytes(x86Core) == coreX86);
  EXPECT_EQ(productRegistry(), installed);
  // Repair rewrites the package's per-user values ("u"): there are none, and the user's own stay.
  EXPECT_EQ(recent.stored(), userData);
  EXPECT_TRUE(recent.offered());
  EXPECT_EQ(productEntries().size(), 1u);
  EXPECT_EQ(removePackage(kPackage), 0u);
  expectNothingLeft();
}

TEST_F(PackageLifecycle, ANewerPackageReplacesAnOlderOneAndKeepsTheUsersRecentList) {
  ASSERT_EQ(installPackage(kOlderPackage), 0u);
  std::vector<ProductEntry> entries = productEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].version, kOlderVersion);
  const std::wstring olderProductCode = entries[0].key;
  // Each package names its programs' versions, and the files it installs carry them.
  EXPECT_EQ(packagedVersions(kOlderPackage), versionsOf(kOlderVersion));
  EXPECT_EQ(installedVersions(), versionsOf(kOlderVersion));
  const RecordedRecentFolder recent;
  const RegistryTree userData = recent.stored();
  ASSERT_TRUE(recent.offered());

  EXPECT_EQ(installPackage(kPackage), 0u);
  entries = productEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].version, kVersion);
  EXPECT_EQ(packagedVersions(kPackage), versionsOf(kVersion));
  EXPECT_EQ(installedVersions(), versionsOf(kVersion));
  EXPECT_EQ(recent.stored(), userData);
  EXPECT_TRUE(recent.offered());
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
