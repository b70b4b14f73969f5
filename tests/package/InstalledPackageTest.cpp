// The package installed by msiexec /qn: every file and registry value it writes, and the product at
// work through the installed files, driven as Explorer drives it.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PackageSupport.h"
#include "ProcessRun.h"
#include "support/ApplicationJournal.h"
#include "support/Handles.h"
#include "support/TestSupport.h"

namespace brivane::testing {
namespace {

using Lines = std::vector<std::wstring>;

const wchar_t* const kInstalledNames[] = {L"BrivaneShell.dll", L"Brivane_Core.dll", L"palisorv3.txt",
                                          L"Brivane_Application_Palisor_Against_Lib.exe", L"brivane-check.exe"};

// The x86 folder: the 32-bit build's extension and core library, and the one (64-bit) application.
const wchar_t* const kInstalledX86Names[] = {L"BrivaneShell.dll", L"Brivane_Core.dll", L"palisorv3.txt",
                                             L"Brivane_Application_Palisor_Against_Lib.exe"};

// The file as the package holds it: the build's programs and DLLs signed, the texts as they are.
std::wstring packagedFile(const std::wstring& name) { return std::wstring(BRIVANE_PACKAGE_FILES) + L"\\" + name; }

// Of the x86 folder: the 32-bit DLLs from the package's x86 folder, the texts and application as above.
std::wstring packagedX86File(const std::wstring& name) {
  const bool x86 = name == L"BrivaneShell.dll" || name == L"Brivane_Core.dll";
  return x86 ? std::wstring(BRIVANE_PACKAGE_FILES) + L"\\x86\\" + name : packagedFile(name);
}

std::vector<std::wstring> sortedNames(const std::wstring& folder) {
  std::vector<std::wstring> names = namesMatching(folder, L"*");
  std::sort(names.begin(), names.end());
  return names;
}

bool containsLineStartingWith(const Lines& lines, const std::wstring& start) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::wstring& line) { return line.rfind(start, 0) == 0; });
}

std::string narrow(const Lines& lines) {
  std::string text;
  for (const std::wstring& line : lines) text += toUtf8(line) + "\n";
  return text;
}

class InstalledPackage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    handOffFolderExisted_ = GetFileAttributesW(handOffFolder().c_str()) != INVALID_FILE_ATTRIBUTES;
    installed_ = installPackage(kPackage) == 0;
  }
  // Uninstall leaves what the extension made for the user (the recent list, the hand-off folder it
  // created); the tests take it away themselves.
  static void TearDownTestSuite() {
    removePackage(kPackage);
    removeUserData();
    if (!handOffFolderExisted_) RemoveDirectoryW(handOffFolder().c_str());
  }
  void SetUp() override { ASSERT_TRUE(installed_) << "msiexec /i failed"; }

  static inline bool installed_ = false;
  static inline bool handOffFolderExisted_ = false;
};

TEST_F(InstalledPackage, PlacesExactlyTheProductsFilesInProgramFiles) {
  std::vector<std::wstring> expected(std::begin(kInstalledNames), std::end(kInstalledNames));
  expected.push_back(L"x86");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(sortedNames(installFolder()), expected);
  for (const wchar_t* name : kInstalledNames) {
    EXPECT_TRUE(readFileBytes(installedFile(name)) == readFileBytes(packagedFile(name))) << toUtf8(name);
  }
}

TEST_F(InstalledPackage, PlacesThe32BitExtensionItsCoreLibraryAndTheApplicationInTheX86Folder) {
  std::vector<std::wstring> expected(std::begin(kInstalledX86Names), std::end(kInstalledX86Names));
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(sortedNames(x86Folder()), expected);
  for (const wchar_t* name : kInstalledX86Names) {
    const std::wstring installed = x86Folder() + L"\\" + name;
    EXPECT_TRUE(readFileBytes(installed) == readFileBytes(packagedX86File(name))) << toUtf8(name);
  }
}

TEST_F(InstalledPackage, The32BitViewsModuleFolderIsTheX86Folder) {
  EXPECT_EQ(readTree(HKEY_LOCAL_MACHINE, L"Software\\Brivane", KEY_WOW64_32KEY),
            (RegistryTree{{L"HKLM32\\Software\\Brivane", keyEntry()},
                          {L"HKLM32\\Software\\Brivane|ModuleFolder", textValue(x86Folder() + L"\\")}}));
}

// Per machine only: what one user's installation wrote for that user alone would be missing for every
// other user of the machine, and an upgrade would take it from the user who upgrades.
TEST_F(InstalledPackage, WritesTheModuleFolderAndNothingPerUser) {
  EXPECT_EQ(readTree(HKEY_LOCAL_MACHINE, L"Software\\Brivane"),
            (RegistryTree{{L"HKLM\\Software\\Brivane", keyEntry()},
                          {L"HKLM\\Software\\Brivane|ModuleFolder", textValue(installFolder() + L"\\")}}));
  EXPECT_EQ(readTree(HKEY_CURRENT_USER, kUserKey), RegistryTree{});
  EXPECT_EQ(GetFileAttributesW(userDataFolder().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(InstalledPackage, WritesBothSecuredFileTypes) {
  const std::wstring dll = installedFile(L"BrivaneShell.dll");
  RegistryTree types;
  for (const wchar_t* key : {L".qelf", L".qeld", L"Brivane.SecuredFile", L"Brivane.SecuredFolder"})
    types.merge(readTree(HKEY_CLASSES_ROOT, key));
  EXPECT_EQ(types, (RegistryTree{
                       {L"HKCR\\.qelf", keyEntry()},
                       {L"HKCR\\.qelf|", textValue(L"Brivane.SecuredFile")},
                       {L"HKCR\\.qeld", keyEntry()},
                       {L"HKCR\\.qeld|", textValue(L"Brivane.SecuredFolder")},
                       {L"HKCR\\Brivane.SecuredFile", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFile|", textValue(L"Brivane Secured File")},
                       {L"HKCR\\Brivane.SecuredFile\\DefaultIcon", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFile\\DefaultIcon|", textValue(dll + L",-166")},
                       {L"HKCR\\Brivane.SecuredFile\\shellex", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFile\\shellex\\PropertySheetHandlers", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFile\\shellex\\PropertySheetHandlers\\BrivanePalisor", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFile\\shellex\\PropertySheetHandlers\\BrivanePalisor|",
                        textValue(kClassId)},
                       {L"HKCR\\Brivane.SecuredFolder", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFolder|", textValue(L"Brivane Secured Folder")},
                       {L"HKCR\\Brivane.SecuredFolder\\DefaultIcon", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFolder\\DefaultIcon|", textValue(dll + L",-165")},
                       {L"HKCR\\Brivane.SecuredFolder\\shellex", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFolder\\shellex\\DropHandler", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFolder\\shellex\\DropHandler|", textValue(kClassId)},
                       {L"HKCR\\Brivane.SecuredFolder\\shellex\\PropertySheetHandlers", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFolder\\shellex\\PropertySheetHandlers\\BrivanePalisor", keyEntry()},
                       {L"HKCR\\Brivane.SecuredFolder\\shellex\\PropertySheetHandlers\\BrivanePalisor|",
                        textValue(kClassId)},
                   }));
  // The icons the file types name are in the installed DLL.
  UniqueModule module(LoadLibraryExW(dll.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  ASSERT_TRUE(module);
  EXPECT_TRUE(FindResourceW(module.get(), MAKEINTRESOURCEW(166), RT_GROUP_ICON));
  EXPECT_TRUE(FindResourceW(module.get(), MAKEINTRESOURCEW(165), RT_GROUP_ICON));
}

// The registration rows, wherever they came from.
RegistryTree registration() {
  RegistryTree rows = readTree(HKEY_CLASSES_ROOT, L"CLSID\\" + kClassId);
  rows.merge(readTree(HKEY_CLASSES_ROOT, L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor"));
  rows.merge(readTree(HKEY_CLASSES_ROOT, L"Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor"));
  rows.merge(readValue(HKEY_LOCAL_MACHINE, kApprovedKey, kClassId));
  return rows;
}

TEST_F(InstalledPackage, RegistersTheExtensionExactlyAsItsDllRegisterServerDoes) {
  const RegistryTree authored = registration();
  const std::wstring classKey = L"HKCR\\CLSID\\" + kClassId;
  EXPECT_EQ(authored, (RegistryTree{
                          {classKey, keyEntry()},
                          {classKey + L"|", textValue(L"BRIVANE SHELLEXTENSION")},
                          {classKey + L"\\InProcServer32", keyEntry()},
                          {classKey + L"\\InProcServer32|", textValue(installedFile(L"BrivaneShell.dll"))},
                          {classKey + L"\\InProcServer32|ThreadingModel", textValue(L"Apartment")},
                          {L"HKCR\\*\\shellex\\ContextMenuHandlers\\BrivanePalisor", keyEntry()},
                          {L"HKCR\\*\\shellex\\ContextMenuHandlers\\BrivanePalisor|", textValue(kClassId)},
                          {L"HKCR\\Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor", keyEntry()},
                          {L"HKCR\\Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor|", textValue(kClassId)},
                          {L"HKLM\\" + kApprovedKey + L"|" + kClassId, textValue(L"BrivanePalisor")},
                      }));

  // Take the rows away and let the installed DLL write its own.
  RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + kClassId).c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, (L"CLSID\\" + kClassId).c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor");
  RegDeleteKeyW(HKEY_CLASSES_ROOT, L"Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor");
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kApprovedKey.c_str(), kClassId.c_str());
  ASSERT_EQ(registration(), RegistryTree{});
  {
    UniqueModule module(LoadLibraryW(installedFile(L"BrivaneShell.dll").c_str()));
    ASSERT_TRUE(module);
    auto registerServer = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(
        reinterpret_cast<void*>(GetProcAddress(module.get(), "DllRegisterServer")));
    ASSERT_TRUE(registerServer);
    EXPECT_EQ(registerServer(), S_OK);
  }
  EXPECT_EQ(registration(), authored);
}

// The rows of the class and its approval, the ones Windows keeps apart for 32-bit programs.
RegistryTree classAndApproval(REGSAM view) {
  RegistryTree rows = readTree(HKEY_CLASSES_ROOT, L"CLSID\\" + kClassId, view);
  rows.merge(readValue(HKEY_LOCAL_MACHINE, kApprovedKey, kClassId, view));
  return rows;
}

// Both DLLs register from one table: what the 32-bit view holds is what the 64-bit DLL's DllRegisterServer
// writes (above) for the class and the approval, naming the 32-bit DLL. The shared keys, the handler lists
// and file types, are the 64-bit component's alone.
TEST_F(InstalledPackage, RegistersThe32BitExtensionInThe32BitViewRowForRowAsThe64BitOne) {
  RegistryTree expected;
  for (const auto& [place, value] : classAndApproval(0)) {
    const std::size_t root = place.find(L'\\');
    expected[place.substr(0, root) + L"32" + place.substr(root)] = value;
  }
  const std::wstring server = L"HKCR32\\CLSID\\" + kClassId + L"\\InProcServer32|";
  ASSERT_EQ(expected.count(server), 1u);
  expected[server] = textValue(x86Folder() + L"\\BrivaneShell.dll");
  EXPECT_EQ(classAndApproval(KEY_WOW64_32KEY), expected);
}

TEST_F(InstalledPackage, AppearsOnceInAddRemovePrograms) {
  const std::vector<ProductEntry> entries = productEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].version, kVersion);
  EXPECT_EQ(entries[0].publisher, L"Brivane");
  EXPECT_TRUE(readFileBytes(entries[0].icon) == readFileBytes(std::wstring(BRIVANE_PRODUCT_ICON)))
      << toUtf8(entries[0].icon);
  EXPECT_EQ(entries[0].uninstall, L"MsiExec.exe /X" + entries[0].key);
  EXPECT_EQ(entries[0].installLocation, installFolder() + L"\\");
}

std::wstring versionString(const std::vector<BYTE>& info, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(info.data(), path.c_str(), &value, &length) || length == 0) return {};
  return std::wstring(static_cast<const wchar_t*>(value));
}

struct VersionedFile {
  const wchar_t* name;
  const wchar_t* description;
  DWORD type;
};
const VersionedFile kVersionedFiles[] = {
    {L"BrivaneShell.dll", L"Brivane shell extension", VFT_DLL},
    {L"Brivane_Core.dll", L"Brivane core library", VFT_DLL},
    {L"Brivane_Application_Palisor_Against_Lib.exe", L"Brivane application", VFT_APP},
    {L"brivane-check.exe", L"Brivane diagnostics", VFT_APP},
};

TEST_F(InstalledPackage, EveryProgramAndDllCarriesThePackagesVersion) {
  for (const VersionedFile& file : kVersionedFiles) {
    SCOPED_TRACE(toUtf8(file.name));
    const std::wstring path = installedFile(file.name);
    std::vector<BYTE> info(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    EXPECT_EQ(versionString(info, L"FileVersion"), kVersion);
    EXPECT_EQ(versionString(info, L"ProductVersion"), kVersion);
    EXPECT_EQ(versionString(info, L"CompanyName"), L"Brivane");
    EXPECT_EQ(versionString(info, L"FileDescription"), file.description);
    EXPECT_EQ(versionString(info, L"OriginalFilename"), file.name);
    EXPECT_EQ(versionString(info, L"ProductName"), L"Brivane");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, kVersion);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionLS), 0);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwFileType, file.type);
  }
}

// The installed product used as Explorer uses it; the application journals what reaches it.
class InstalledProductAtWork : public InstalledPackage {
 protected:
  void SetUp() override {
    InstalledPackage::SetUp();
    journalSetting_.setString(journal_);
    file_ = items_.file(L"report.txt", "figures\n");
    secured_ = items_.file(L"plan.qelf", "secured file\n");
    vault_ = items_.file(L"Vault.qeld", "secured folder\n");
  }

  // The one entry the application journalled, after checking it came through the installed product.
  JournalEntry handedOff() {
    std::vector<JournalEntry> entries = waitForJournal(journal_);
    EXPECT_EQ(entries.size(), 1u);
    if (entries.empty()) return {};
    EXPECT_EQ(entries[0].parameters.rfind(handOffFolder() + L"\\qel_", 0), 0u) << toUtf8(entries[0].parameters);
    EXPECT_EQ(entries[0].workingFolder, installFolder());
    EXPECT_EQ(entries[0].file, L"read");
    EXPECT_TRUE(entries[0].wellFormed);
    return entries[0];
  }

  TemporaryFolder items_;
  std::wstring journal_ = items_.pathOf(L"journal.txt");
  RegistryValue journalSetting_{HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"JournalFile"};
  std::wstring file_;
  std::wstring secured_;
  std::wstring vault_;
};

TEST_F(InstalledProductAtWork, MenusOfAPlainFileAndASecuredItemComeFromTheInstalledFiles) {
  const ProcessResult plain = runShellhost({L"menu", file_});
  EXPECT_EQ(plain.exitCode, 0u) << narrow(plain.err);
  EXPECT_TRUE(containsLineStartingWith(plain.out, L"handler " + kClassId + L" first=0 count=")) << narrow(plain.out);
  EXPECT_TRUE(containsLineStartingWith(plain.out, L"1 command 0 \"Secure \"\"report.txt\"\"\" bitmap"))
      << narrow(plain.out);
  const ProcessResult secured = runShellhost({L"menu", secured_});
  EXPECT_EQ(secured.exitCode, 0u) << narrow(secured.err);
  EXPECT_TRUE(containsLineStartingWith(secured.out, L"1 command 0 \"Unsecure \"\"plan\"\"\""))
      << narrow(secured.out);
}

TEST_F(InstalledProductAtWork, ACommandReachesTheInstalledApplication) {
  const ProcessResult result = runShellhost({L"menu", file_, L"--invoke", L"0"});
  EXPECT_EQ(result.exitCode, 0u) << narrow(result.err);
  const JournalEntry entry = handedOff();
  EXPECT_EQ(entry.request, L"securing_files");
  EXPECT_NE(entry.document.find(file_), std::wstring::npos) << toUtf8(entry.document);
}

// What Intune or SCCM leave for every user of the machine: an installation made by another account, no
// per-user value and no folder of the product's; the user's own temporary folder is made at the first
// command.
TEST_F(InstalledProductAtWork, AUserWhoDidNotInstallIsServedAtOnce) {
  removeUserData();
  removeTree(handOffFolder());
  const ProcessResult result = runShellhost({L"menu", file_, L"--invoke", L"0"});
  EXPECT_EQ(result.exitCode, 0u) << narrow(result.err);
  EXPECT_TRUE(containsLineStartingWith(result.out, L"invoke 0 hr=0x00000000")) << narrow(result.out);
  EXPECT_EQ(handedOff().request, L"securing_files");
}

TEST_F(InstalledProductAtWork, ADropOntoASecuredFolderIsHandedOff) {
  const ProcessResult result = runShellhost({L"drop", vault_, file_});
  EXPECT_EQ(result.exitCode, 0u) << narrow(result.err);
  ASSERT_FALSE(result.out.empty());
  EXPECT_EQ(result.out.front(), L"drophandler " + kClassId);
  const JournalEntry entry = handedOff();
  EXPECT_EQ(entry.request, L"securing_files");
  EXPECT_NE(entry.document.find(vault_), std::wstring::npos) << toUtf8(entry.document);
}

TEST_F(InstalledProductAtWork, ThePropertyPageAppearsInTheShellsPropertiesDialog) {
  const ProcessResult result = runShellhost({L"properties", secured_, L"--press-button"});
  EXPECT_EQ(result.exitCode, 0u) << narrow(result.err);
  ASSERT_FALSE(result.out.empty());
  EXPECT_EQ(result.out.back(), L"properties hr=0x00000000");
  const JournalEntry entry = handedOff();
  EXPECT_EQ(entry.request, L"password_change");
  EXPECT_NE(entry.document.find(secured_), std::wstring::npos) << toUtf8(entry.document);
}

}  // namespace
}  // namespace brivane::testing
