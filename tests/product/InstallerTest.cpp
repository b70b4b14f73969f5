#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileTypes.h"
#include "InstallerOptions.h"
#include "InstallerRegistry.h"
#include "ModuleFiles.h"
#include "ProcessRun.h"
#include "TestFolder.h"

namespace brivane {
namespace {

using testing::ProcessResult;
using testing::TestFolder;
using Lines = std::vector<std::wstring>;

constexpr wchar_t kTestClsid[] = L"{3B9D2C41-7A5E-4F08-8C1D-6E2F9A4B7C05}";
constexpr wchar_t kProduct[] = L"Software\\Brivane";

const std::wstring kExtension = std::wstring(BRIVANE_BIN_DIR) + L"\\InstallerTestExtension.dll";

ProcessResult runInstaller(const Lines& args) {
  return testing::runProcess(std::wstring(BRIVANE_BIN_DIR) + L"\\brivane-install.exe", args);
}

std::wstring classesDefault(const std::wstring& key) {
  std::wstring text = L"(missing)";
  readString(HKEY_CLASSES_ROOT, key, nullptr, text);
  return text;
}

std::wstring productValue(const wchar_t* name) {
  std::wstring text = L"(missing)";
  readString(HKEY_LOCAL_MACHINE, kProduct, name, text);
  return text;
}

bool classesKeyExists(const std::wstring& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::wstring& line : lines) text += std::string(line.begin(), line.end()) + "\n";
  return text;
}

// Every test starts and ends with nothing of the product installed.
class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override { removeEverything(); }
  void TearDown() override {
    removeEverything();
    SetEnvironmentVariableW(L"INSTALLER_TEST_REGISTER_NOTHING", nullptr);
  }

  static void removeEverything() {
    removeFileTypes();
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kTestClsid).c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kProduct);
  }

  Lines installArgs(const std::wstring& moduleFolder) const {
    return {L"install",     L"--module-folder", moduleFolder, L"--temp-folder", temp.child(L"hand offs"),
            L"--extension", kExtension,         L"--from",    source.path()};
  }

  void makeProductFiles() const {
    source.file(L"Brivane_Core.dll");
    source.file(L"Brivane_Application_Palisor_Against_Lib.exe");
    source.file(L"palisorv3.txt");
  }

  TestFolder source, target, temp;
};

TEST_F(InstallerTest, InstallWritesSettingsAndFileTypesNamingTheRegisteredClass) {
  Lines args = installArgs(source.path());
  args.insert(args.end(), {L"--journal", temp.child(L"journal & log.txt")});
  ProcessResult result = runInstaller(args);
  ASSERT_EQ(result.exitCode, 0u) << joined(result.err);
  EXPECT_EQ(productValue(L"ModuleFolder"), source.path());
  EXPECT_EQ(productValue(L"TempFolder"), temp.child(L"hand offs"));
  EXPECT_EQ(productValue(L"JournalFile"), temp.child(L"journal & log.txt"));
  EXPECT_TRUE(fileExists(temp.child(L"hand offs")));
  EXPECT_EQ(classesDefault(L".qelf"), L"Brivane.SecuredFile");
  EXPECT_EQ(classesDefault(L".qeld"), L"Brivane.SecuredFolder");
  EXPECT_EQ(classesDefault(L"Brivane.SecuredFile\\shellex\\PropertySheetHandlers\\BrivanePalisor"), kTestClsid);
  EXPECT_EQ(classesDefault(L"Brivane.SecuredFolder\\shellex\\PropertySheetHandlers\\BrivanePalisor"), kTestClsid);
  EXPECT_EQ(classesDefault(L"Brivane.SecuredFolder\\shellex\\DropHandler"), kTestClsid);
  EXPECT_FALSE(classesKeyExists(L"Brivane.SecuredFile\\shellex\\DropHandler"));
  EXPECT_EQ(classesDefault(L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor"), kTestClsid);
  EXPECT_EQ(result.out.front(), L"extension " + kExtension + L" registered as " + kTestClsid);
  EXPECT_EQ(result.out.back(), L"file types .qelf and .qeld name " + std::wstring(kTestClsid));
}

TEST_F(InstallerTest, JournalDefaultsToTheTemporaryFolder) {
  ASSERT_EQ(runInstaller(installArgs(source.path())).exitCode, 0u);
  EXPECT_EQ(productValue(L"JournalFile"), temp.child(L"hand offs\\journal.txt"));
}

TEST_F(InstallerTest, UninstallRemovesWhatInstallWrote) {
  ASSERT_EQ(runInstaller(installArgs(source.path())).exitCode, 0u);
  ProcessResult result = runInstaller({L"uninstall", L"--extension", kExtension});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.err);
  for (const wchar_t* key : {L".qelf", L".qeld", L"Brivane.SecuredFile", L"Brivane.SecuredFolder",
                             L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor"}) {
    EXPECT_FALSE(classesKeyExists(key)) << std::string(key, key + wcslen(key));
  }
  EXPECT_FALSE(classesKeyExists(std::wstring(L"CLSID\\") + kTestClsid));
  HKEY product = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kProduct, 0, KEY_READ, &product), ERROR_SUCCESS);
}

TEST_F(InstallerTest, UninstallKeepsOtherValuesOfTheProductKey) {
  ASSERT_EQ(runInstaller(installArgs(source.path())).exitCode, 0u);
  ASSERT_TRUE(writeString(HKEY_LOCAL_MACHINE, kProduct, L"Other", L"kept"));
  EXPECT_EQ(runInstaller({L"uninstall", L"--extension", kExtension}).exitCode, 0u);
  EXPECT_EQ(productValue(L"Other"), L"kept");
  EXPECT_EQ(productValue(L"ModuleFolder"), L"(missing)");
}

TEST_F(InstallerTest, SecondUninstallReportsTheExtensionsRefusal) {
  ASSERT_EQ(runInstaller(installArgs(source.path())).exitCode, 0u);
  ASSERT_EQ(runInstaller({L"uninstall", L"--extension", kExtension}).exitCode, 0u);
  ProcessResult result = runInstaller({L"uninstall", L"--extension", kExtension});
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_EQ(result.err, (Lines{L"brivane-install: DllUnregisterServer of " + kExtension + L" failed (0x80040201)"}));
}

TEST_F(InstallerTest, AnotherModuleFolderReceivesTheProductFilesAndLosesThemAgain) {
  makeProductFiles();
  const std::wstring folder = target.child(L"Program Files\\Brivane");
  ProcessResult result = runInstaller(installArgs(folder));
  ASSERT_EQ(result.exitCode, 0u) << joined(result.err);
  for (const wchar_t* name : {L"Brivane_Core.dll", L"Brivane_Application_Palisor_Against_Lib.exe", L"palisorv3.txt"}) {
    EXPECT_TRUE(fileExists(folder + L"\\" + name));
  }
  EXPECT_EQ(productValue(L"ModuleFolder"), folder);
  EXPECT_EQ(readStrings(HKEY_LOCAL_MACHINE, kProduct, L"InstalledFiles").size(), 3u);
  ASSERT_EQ(runInstaller({L"uninstall", L"--extension", kExtension}).exitCode, 0u);
  EXPECT_FALSE(fileExists(folder + L"\\Brivane_Core.dll"));
  EXPECT_FALSE(fileExists(folder + L"\\palisorv3.txt"));
}

TEST_F(InstallerTest, SourceWithoutTheCoreLibraryUndoesTheInstallation) {
  source.file(L"Brivane_Application_Palisor_Against_Lib.exe");
  ProcessResult result = runInstaller(installArgs(target.path()));
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_EQ(result.err, (Lines{L"brivane-install: " + source.path() + L" holds no Brivane_Core.dll"}));
  EXPECT_FALSE(classesKeyExists(L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor"));
  EXPECT_FALSE(classesKeyExists(L".qelf"));
  EXPECT_EQ(productValue(L"ModuleFolder"), L"(missing)");
}

TEST_F(InstallerTest, ExtensionThatCannotRegisterLeavesNothing) {
  Lines missing = installArgs(source.path());
  missing[6] = temp.child(L"NoSuch.dll");
  EXPECT_EQ(runInstaller(missing).exitCode, 1u);
  Lines withoutEntry = installArgs(source.path());
  withoutEntry[6] = L"C:\\windows\\system32\\version.dll";
  ProcessResult result = runInstaller(withoutEntry);
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_EQ(result.err, (Lines{L"brivane-install: DllRegisterServer of C:\\windows\\system32\\version.dll failed "
                               L"(0x8007007F)"}));
  EXPECT_FALSE(classesKeyExists(L".qeld"));
  EXPECT_EQ(productValue(L"TempFolder"), L"(missing)");
}

TEST_F(InstallerTest, ExtensionThatNamesNoHandlerIsUnregisteredAgain) {
  SetEnvironmentVariableW(L"INSTALLER_TEST_REGISTER_NOTHING", L"1");
  ProcessResult result = runInstaller(installArgs(source.path()));
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_EQ(result.err, (Lines{L"brivane-install: the extension registered no BrivanePalisor handler"}));
  EXPECT_FALSE(classesKeyExists(L".qelf"));
}

TEST(InstallerCommandLine, InstallNeedsItsThreeFoldersAndUninstallTheExtension) {
  EXPECT_EQ(
      parseInstallerCommandLine({L"install", L"--module-folder", L"C:\\m", L"--temp-folder", L"C:\\t"}, L"C:\\s").error,
      L"--extension is required");
  EXPECT_EQ(parseInstallerCommandLine({L"uninstall"}, L"C:\\s").error, L"--extension is required");
  EXPECT_EQ(parseInstallerCommandLine({L"install", L"--journal"}, L"C:\\s").error, L"--journal needs a value");
  EXPECT_EQ(parseInstallerCommandLine({L"install", L"--copy", L"x"}, L"C:\\s").error, L"unknown argument --copy");
  EXPECT_EQ(parseInstallerCommandLine({L"repair"}, L"C:\\s").error, L"unknown command repair");
  ParsedInstallerCommandLine parsed = parseInstallerCommandLine(
      {L"install", L"--extension", L"C:\\x\\e.dll", L"--temp-folder", L"C:\\t", L"--module-folder", L"C:\\m"},
      L"C:\\build\\module");
  ASSERT_TRUE(parsed.command.has_value());
  const InstallOptions& options = std::get<InstallOptions>(*parsed.command);
  EXPECT_EQ(options.moduleFolder, L"C:\\m");
  EXPECT_EQ(options.extension, L"C:\\x\\e.dll");
  EXPECT_EQ(options.sourceFolder, L"C:\\build\\module");
  EXPECT_TRUE(options.journalFile.empty());
}

TEST(InstallerCommandLine, UsageErrorsExitWithTwo) {
  ProcessResult result = runInstaller({L"install", L"--module-folder", L"C:\\m"});
  EXPECT_EQ(result.exitCode, 2u);
  ASSERT_FALSE(result.err.empty());
  EXPECT_EQ(result.err.front(), L"brivane-install: --temp-folder is required");
}

TEST(InstallerModuleFiles, FoldersCompareWithoutCaseOrTrailingSeparator) {
  EXPECT_TRUE(sameFolder(L"C:\\Program Files\\Brivane", L"c:\\program files\\brivane\\"));
  EXPECT_FALSE(sameFolder(L"C:\\Program Files\\Brivane", L"C:\\Program Files\\Brivane2"));
  EXPECT_TRUE(sameFolder(L"C:\\", L"c:\\"));
}

}  // namespace
}  // namespace brivane
