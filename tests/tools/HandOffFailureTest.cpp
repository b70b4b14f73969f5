#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "CheckedInstall.h"
#include "ProcessRun.h"
#include "support/ApplicationJournal.h"
#include "support/TestSupport.h"

// A hand-off that cannot be written, and one whose folder must first be made, driven through the product
// as installed, by the Explorer stand-in.
namespace brivane {
namespace {

using testing::CheckedInstall;
using testing::ProcessResult;
using Lines = std::vector<std::wstring>;

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::wstring& line : lines) text += testing::toUtf8(line) + "\n";
  return text;
}

bool hasLineStarting(const Lines& lines, const std::wstring& start) {
  for (const std::wstring& line : lines)
    if (line.rfind(start, 0) == 0) return true;
  return false;
}

ProcessResult runShellhost(const Lines& args) {
  return testing::runProcess(std::wstring(BRIVANE_BIN_DIR) + L"\\shellhost.exe", args);
}

class HandOffFailure : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(install.installed());
    item = install.root().file(L"R&D notes.txt");
  }

  // The user's own hand-off folder setting, which the extension reads first.
  void setUserTempFolder(const std::wstring& folder) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Brivane", L"TempFolder", REG_SZ, folder.c_str(),
                    static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
  }

  // No hand-off file anywhere below the test's folder, and the application never started.
  void expectNothingHandedOff() {
    EXPECT_TRUE(testing::namesMatching(install.tempFolder(), L"qel_*.psa").empty());
    EXPECT_TRUE(testing::namesMatching(install.root().path(), L"qel_*.psa").empty());
    EXPECT_TRUE(testing::readJournal(journal()).empty());
  }

  std::wstring journal() const { return install.tempFolder() + L"\\journal.txt"; }

  CheckedInstall install;
  std::wstring item;
};

TEST_F(HandOffFailure, AFolderThatCannotBeMadeFailsTheCommandAndTellsTheUser) {
  const std::wstring below = item + L"\\temp";
  setUserTempFolder(below);
  const ProcessResult result = runShellhost({L"menu", item, L"--invoke", L"1"});
  EXPECT_TRUE(hasLineStarting(result.out, L"invoke 1 hr=0x80070003")) << joined(result.out);
  EXPECT_TRUE(hasLineStarting(result.out, L"dialog opened title=\"Brivane\" kind=message")) << joined(result.out);
  const std::wstring message = L"dialog message owner=\"shellhost\" text=\"Brivane could not pass the command";
  EXPECT_TRUE(hasLineStarting(result.out, message)) << joined(result.out);
  EXPECT_NE(joined(result.out).find(testing::toUtf8(below)), std::string::npos) << joined(result.out);
  expectNothingHandedOff();

  const ProcessResult quiet = runShellhost({L"menu", item, L"--invoke", L"1", L"--no-ui"});
  EXPECT_TRUE(hasLineStarting(quiet.out, L"invoke 1 hr=0x80070003")) << joined(quiet.out);
  EXPECT_TRUE(hasLineStarting(quiet.out, L"dialog none")) << joined(quiet.out);
  expectNothingHandedOff();
}

TEST_F(HandOffFailure, ADropThatCannotBeHandedOffMovesNothing) {
  setUserTempFolder(item + L"\\temp");
  const std::wstring vault = install.root().file(L"Vault.qeld");
  const ProcessResult result = runShellhost({L"drop", vault, install.root().file(L"b.txt")});
  EXPECT_TRUE(hasLineStarting(result.out, L"drop hr=0x80070003 effect=0")) << joined(result.out);
  EXPECT_TRUE(hasLineStarting(result.out, L"dialog opened title=\"Brivane\" kind=message")) << joined(result.out);
  expectNothingHandedOff();
}

TEST_F(HandOffFailure, AFolderNamedButMissingIsMadeAndTheHandOffArrives) {
  const std::wstring roamed = install.root().child(L"roamed\\Temp");
  setUserTempFolder(roamed);
  const ProcessResult result = runShellhost({L"menu", item, L"--invoke", L"0"});
  EXPECT_TRUE(hasLineStarting(result.out, L"invoke 0 hr=0x00000000")) << joined(result.out);
  const auto entries = testing::waitForJournal(journal());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].parameters.rfind(roamed + L"\\qel_", 0), 0u) << testing::toUtf8(entries[0].parameters);
}

}  // namespace
}  // namespace brivane
