#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "support/ApplicationJournal.h"
#include "support/Handles.h"
#include "support/TestSupport.h"

namespace brivane {
namespace {

const std::wstring kDocument =
    L"<unsecuring_files>\n"
    L"    <open_secure_folder>\n"
    L"        <qelx_cab>\n"
    L"            <qelx>\n"
    L"                <path type=\"string\">D:\\Box\\caf\u00e9.txt.qelf</path>\n"
    L"            </qelx>\n"
    L"        </qelx_cab>\n"
    L"    </open_secure_folder>\n"
    L"</unsecuring_files>\n";

std::wstring applicationPath() { return std::wstring(BRIVANE_MODULE_DIR) + L"\\Brivane_Application_Palisor_Against_Lib.exe"; }

// Starts the application as the shell would, the parameter text unquoted, and waits for it to end;
// `show` is the show command given, if any, `folder` the working folder (none: this process's).
DWORD runApplication(const std::wstring& parameters, std::optional<WORD> show = std::nullopt,
                     const std::wstring& folder = L"") {
  std::wstring commandLine = L"\"" + applicationPath() + L"\" " + parameters;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (show) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = *show;
  }
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &process))
    return static_cast<DWORD>(-1);
  UniqueKernelObject processHandle(process.hProcess);
  UniqueKernelObject threadHandle(process.hThread);
  if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) return static_cast<DWORD>(-2);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  return exitCode;
}

class ApplicationProcess : public ::testing::Test {
 protected:
  testing::InstalledProduct product{BRIVANE_MODULE_DIR};

  // A hand-off file in a folder whose name has blanks and a character beyond the BMP.
  std::wstring handOffFile(const std::string& bytes) {
    const std::wstring folder = product.files().folder(L"Local Settings \U0001F600\\Temp");
    const std::wstring path = folder + L"\\qel_0123456789.psa";
    testing::writeFileBytes(path, bytes);
    return path;
  }
};

TEST_F(ApplicationProcess, RecordsAWellFormedRequestAndRemovesItsFile) {
  const std::wstring path = handOffFile(testing::toUtf8(kDocument));
  EXPECT_EQ(runApplication(path), 0u);
  const auto entries = testing::readJournal(product.journalPath());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].parameters, path);
  EXPECT_EQ(entries[0].file, L"read");
  EXPECT_TRUE(entries[0].wellFormed);
  EXPECT_EQ(entries[0].request, L"unsecuring_files");
  EXPECT_EQ(entries[0].document, kDocument);
  EXPECT_FALSE(testing::fileExists(path));
}

TEST_F(ApplicationProcess, RecordsHowItWasStarted) {
  const std::wstring path = handOffFile(testing::toUtf8(kDocument));
  const std::wstring folder = product.files().folder(L"Start here");
  EXPECT_EQ(runApplication(path, SW_HIDE, folder), 0u);
  testing::writeFileBytes(path, testing::toUtf8(kDocument));
  EXPECT_EQ(runApplication(path, SW_SHOWNORMAL), 0u);
  testing::writeFileBytes(path, testing::toUtf8(kDocument));
  EXPECT_EQ(runApplication(path, SW_SHOWMAXIMIZED), 0u);
  testing::writeFileBytes(path, testing::toUtf8(kDocument));
  EXPECT_EQ(runApplication(path), 0u);
  const auto entries = testing::readJournal(product.journalPath());
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].commandLine, L"\"" + applicationPath() + L"\" " + path);
  EXPECT_EQ(entries[0].parameters, path);
  EXPECT_EQ(entries[0].workingFolder, folder);
  EXPECT_EQ(entries[0].show, L"hidden");
  EXPECT_EQ(entries[1].show, L"normal");
  EXPECT_EQ(entries[2].show, std::to_wstring(SW_SHOWMAXIMIZED));
  EXPECT_EQ(entries[3].show, L"not given");
}

TEST_F(ApplicationProcess, RecordsAMalformedRequestAsSuch) {
  const std::wstring truncated = kDocument.substr(0, kDocument.size() - 1);
  const std::wstring path = handOffFile(testing::toUtf8(truncated));
  EXPECT_EQ(runApplication(path), 1u);
  const auto entries = testing::readJournal(product.journalPath());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_FALSE(entries[0].wellFormed);
  EXPECT_EQ(entries[0].request, L"unsecuring_files");
  EXPECT_EQ(entries[0].document, truncated);
  EXPECT_FALSE(testing::fileExists(path));
}

TEST_F(ApplicationProcess, InvalidUtf8OrAByteOrderMarkIsMalformed) {
  const std::string bytes[] = {"<a type=\"string\">\xC3</a>\n", "\xEF\xBB\xBF<a></a>\n"};
  for (const std::string& content : bytes) EXPECT_EQ(runApplication(handOffFile(content)), 1u);
  const auto entries = testing::readJournal(product.journalPath());
  ASSERT_EQ(entries.size(), 2u);
  for (const auto& entry : entries) {
    EXPECT_EQ(entry.file, L"read");
    EXPECT_FALSE(entry.wellFormed);
  }
}

TEST_F(ApplicationProcess, RecordsAMissingFile) {
  const std::wstring path = product.files().pathOf(L"no such folder\\qel_0000000000.psa");
  EXPECT_EQ(runApplication(path), 1u);
  EXPECT_EQ(runApplication(L""), 1u);
  const auto entries = testing::readJournal(product.journalPath());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].parameters, path);
  EXPECT_EQ(entries[0].file, L"missing");
  EXPECT_FALSE(entries[0].wellFormed);
  EXPECT_EQ(entries[0].document, L"");
  EXPECT_EQ(entries[1].parameters, L"");
  EXPECT_EQ(entries[1].file, L"missing");
}

TEST_F(ApplicationProcess, AppendsOneEntryPerStartInOrder) {
  const std::wstring first = handOffFile(testing::toUtf8(L"<first></first>\n"));
  EXPECT_EQ(runApplication(first), 0u);
  const std::wstring second = handOffFile(testing::toUtf8(L"<second></second>\n"));
  EXPECT_EQ(runApplication(second), 0u);
  const auto entries = testing::readJournal(product.journalPath());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].request, L"first");
  EXPECT_EQ(entries[1].request, L"second");
}

TEST_F(ApplicationProcess, WithoutAJournalSettingItStillConsumesTheFile) {
  testing::RegistryValue journal(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"JournalFile");
  journal.remove();
  const std::wstring path = handOffFile(testing::toUtf8(kDocument));
  EXPECT_EQ(runApplication(path), 0u);
  EXPECT_FALSE(testing::fileExists(path));
  EXPECT_FALSE(testing::fileExists(product.journalPath()));
}

}  // namespace
}  // namespace brivane
