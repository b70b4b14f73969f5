#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "CheckedInstall.h"
#include "JsonReader.h"
#include "ProcessRun.h"
#include "support/TestSupport.h"

namespace brivane {
namespace {

using testing::CheckedInstall;
using testing::JsonReader;
using testing::JsonValue;
using testing::ProcessResult;
using Lines = std::vector<std::wstring>;

constexpr wchar_t kClassId[] = L"{AAFA3869-C27B-4D5C-A007-5D5F7848077C}";

// The links of the chain in the order they are reported, without a rehearsal.
const Lines kChain = {L"class-registration", L"menu-handlers", L"file-types",   L"x86-extension",
                      L"extension",          L"module-folder", L"core-library", L"labels",
                      L"temp-folder",        L"application",   L"recent-list",  L"signature"};

std::string joined(const Lines& lines) {
  std::string text;
  for (const std::wstring& line : lines) text += testing::toUtf8(line) + "\n";
  return text;
}

// One report line of a link: its verdict, its name and the rest.
struct ReportLine {
  std::wstring verdict;
  std::wstring link;
  std::wstring text;
};

std::vector<ReportLine> linkLines(const Lines& out) {
  std::vector<ReportLine> lines;
  for (const std::wstring& line : out) {
    std::wistringstream words(line);
    ReportLine parsed;
    words >> parsed.verdict >> parsed.link;
    if (parsed.verdict != L"OK" && parsed.verdict != L"FAIL" && parsed.verdict != L"SKIP") continue;
    std::getline(words, parsed.text);
    parsed.text.erase(0, parsed.text.find_first_not_of(L' '));
    lines.push_back(parsed);
  }
  return lines;
}

ProcessResult runCheck(const Lines& args = {}) {
  return testing::runProcess(std::wstring(BRIVANE_BIN_DIR) + L"\\brivane-check.exe", args);
}

// A copy, so a line read from a temporary list outlives it.
std::optional<ReportLine> lineOf(const std::vector<ReportLine>& lines, const std::wstring& link) {
  for (const ReportLine& line : lines)
    if (line.link == link) return line;
  return std::nullopt;
}

const ReportLine* firstFail(const std::vector<ReportLine>& lines) {
  for (const ReportLine& line : lines)
    if (line.verdict == L"FAIL") return &line;
  return nullptr;
}

bool contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

void setString(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void setDword(HKEY root, const std::wstring& key, const wchar_t* name, DWORD value) {
  RegSetKeyValueW(root, key.c_str(), name, REG_DWORD, &value, sizeof value);
}

// The resource file without the line of one label key.
void removeLabel(const std::wstring& file, const std::string& key) {
  std::istringstream in(testing::readFileBytes(file).value_or(""));
  std::string line, kept;
  while (std::getline(in, line))
    if (line.rfind(key + "=", 0) != 0) kept += line + "\n";
  ASSERT_TRUE(testing::writeFileBytes(file, kept));
}

class CheckTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(install.installed()); }

  // Runs the check on the broken install: the first FAIL must be `link`, found text naming `what`.
  void expectFirstFail(const std::wstring& link, const std::wstring& what, const Lines& args = {}) {
    const ProcessResult result = runCheck(args);
    const std::vector<ReportLine> lines = linkLines(result.out);
    EXPECT_EQ(result.exitCode, 1u) << joined(result.out);
    const ReportLine* failed = firstFail(lines);
    ASSERT_NE(failed, nullptr) << joined(result.out);
    EXPECT_EQ(failed->link, link) << joined(result.out);
    EXPECT_TRUE(contains(failed->text, what)) << joined(result.out);
    EXPECT_TRUE(contains(failed->text, L" => ")) << "no advice: " << joined(result.out);
  }

  std::wstring verdictOf(const ProcessResult& result, const std::wstring& link) {
    const std::optional<ReportLine> line = lineOf(linkLines(result.out), link);
    return line ? line->verdict : L"(absent)";
  }

  CheckedInstall install;
};

TEST_F(CheckTest, HealthyInstallPassesEveryLinkInOrder) {
  const ProcessResult result = runCheck();
  EXPECT_EQ(result.exitCode, 0u) << joined(result.out) << joined(result.err);
  const std::vector<ReportLine> lines = linkLines(result.out);
  Lines links;
  for (const ReportLine& line : lines) {
    links.push_back(line.link);
    EXPECT_EQ(line.verdict, L"OK") << joined(result.out);
  }
  EXPECT_EQ(links, kChain);
  EXPECT_TRUE(contains(lineOf(lines, L"class-registration")->text, CheckedInstall::extension()));
  EXPECT_TRUE(contains(lineOf(lines, L"x86-extension")->text, install.x86Extension()));
  EXPECT_TRUE(contains(lineOf(lines, L"temp-folder")->text, install.tempFolder()));
  EXPECT_TRUE(contains(lineOf(lines, L"temp-folder")->text, L"HKLM\\Software\\Brivane\\TempFolder"));
  EXPECT_EQ(result.out.back(), L"12 OK, 0 FAIL, 0 SKIP");
}

TEST_F(CheckTest, TheTemporaryFolderKeepsNoTestFile) {
  ASSERT_EQ(runCheck().exitCode, 0u);
  EXPECT_TRUE(testing::namesMatching(install.tempFolder(), L"*").empty());
}

TEST_F(CheckTest, RegistrationBrokenLinkByLink) {
  const std::wstring server = std::wstring(L"CLSID\\") + kClassId + L"\\InProcServer32";
  setString(HKEY_CLASSES_ROOT, server, nullptr, install.root().child(L"gone\\BrivaneShell.dll"));
  expectFirstFail(L"class-registration", L"does not exist");
  EXPECT_EQ(verdictOf(runCheck(), L"extension"), L"SKIP");

  RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kClassId).c_str());
  expectFirstFail(L"class-registration", std::wstring(L"HKLM\\Software\\Classes\\CLSID\\") + kClassId + L" is missing");
}

// 32-bit programs read the 32-bit registry view: a missing class there, a server or core library of the
// other width, or a module folder without the application are named, while 64-bit programs still work.
TEST_F(CheckTest, The32BitExtensionBrokenLinkByLink) {
  const std::wstring server = std::wstring(testing::kCheckedClassKey) + L"\\InProcServer32";
  ASSERT_TRUE(CheckedInstall::setX86String(HKEY_CLASSES_ROOT, server, nullptr, CheckedInstall::extension()));
  expectFirstFail(L"x86-extension", L"(32-bit view) names " + CheckedInstall::extension() + L", a 64-bit DLL, not a 32-bit DLL");
  EXPECT_EQ(verdictOf(runCheck(), L"extension"), L"OK");

  ASSERT_TRUE(CheckedInstall::setX86String(HKEY_CLASSES_ROOT, server, nullptr, install.x86Extension()));
  ASSERT_TRUE(CheckedInstall::setX86String(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder", install.moduleFolder()));
  expectFirstFail(L"x86-extension", install.moduleFile(L"Brivane_Core.dll") + L" is a 64-bit DLL, not a 32-bit DLL");

  ASSERT_TRUE(CheckedInstall::setX86String(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder", install.x86Folder()));
  ASSERT_TRUE(DeleteFileW((install.x86Folder() + L"\\Brivane_Application_Palisor_Against_Lib.exe").c_str()));
  expectFirstFail(L"x86-extension", L"holds no Brivane_Application_Palisor_Against_Lib.exe");

  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(L"Software\\Classes\\Wow6432Node\\") + testing::kCheckedClassKey).c_str());
  expectFirstFail(L"x86-extension", std::wstring(L"HKLM\\Software\\Classes\\") + testing::kCheckedClassKey + L" (32-bit view) is missing");
}

TEST_F(CheckTest, ServerThatIsNoDllFails) {
  const std::wstring server = std::wstring(L"CLSID\\") + kClassId + L"\\InProcServer32";
  setString(HKEY_CLASSES_ROOT, server, nullptr, std::wstring(BRIVANE_BIN_DIR) + L"\\brivane-check.exe");
  expectFirstFail(L"class-registration", L"a program, not a DLL");
}

TEST_F(CheckTest, MissingFolderHandlerKeyFailsTheMenuHandlers) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor");
  expectFirstFail(L"menu-handlers", L"HKCR\\Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor is missing");
  EXPECT_EQ(verdictOf(runCheck(), L"extension"), L"OK");
}

TEST_F(CheckTest, MissingDropHandlerFailsTheFileTypes) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Brivane.SecuredFolder\\shellex\\DropHandler");
  expectFirstFail(L"file-types", L"DropHandler does not name");
}

TEST_F(CheckTest, ModuleFolderAbsentOfAnotherTypeOrNamingNoFolder) {
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder");
  expectFirstFail(L"module-folder", L"ModuleFolder is missing");
  const ProcessResult absent = runCheck();
  for (const wchar_t* dependent : {L"core-library", L"labels", L"application"})
    EXPECT_EQ(verdictOf(absent, dependent), L"SKIP") << joined(absent.out);

  setDword(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder", 1);
  expectFirstFail(L"module-folder", L"REG_DWORD, not a string");

  setString(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder", install.root().child(L"moved away"));
  expectFirstFail(L"module-folder", L"which is not an existing folder");
}

TEST_F(CheckTest, CoreLibraryMissingOrWithoutItsEntryPoint) {
  const std::wstring core = install.moduleFile(L"Brivane_Core.dll");
  ASSERT_TRUE(DeleteFileW(core.c_str()));
  expectFirstFail(L"core-library", L"Brivane_Core.dll does not exist");
  EXPECT_EQ(verdictOf(runCheck(), L"labels"), L"SKIP");

  ASSERT_TRUE(
      CopyFileW((std::wstring(BRIVANE_CORE_WITHOUT_ENTRY_DIR) + L"\\Brivane_Core.dll").c_str(), core.c_str(), FALSE));
  expectFirstFail(L"core-library", L"does not export QLSDK_ProcessProtocol_ByTag");
}

TEST_F(CheckTest, RemovedLabelIsNamedWithItsStatus) {
  removeLabel(install.moduleFile(L"palisorv3.txt"), "contextmenu.pathdialog.unsecure_to_dialog.caption");
  expectFirstFail(L"labels", L"1 of 42 label keys fail, first contextmenu.pathdialog.unsecure_to_dialog.caption");
  const ProcessResult result = runCheck();
  EXPECT_TRUE(
      std::find(result.out.begin(), result.out.end(),
                L"       contextmenu.pathdialog.unsecure_to_dialog.caption: status -99930, the text is empty") !=
      result.out.end())
      << joined(result.out);
}

TEST_F(CheckTest, TemporaryFolderMadeWhenMissingFailsBelowAFileAndMissingApplication) {
  ASSERT_TRUE(RemoveDirectoryW(install.tempFolder().c_str()));
  const ProcessResult made = runCheck();
  EXPECT_EQ(made.exitCode, 0u) << joined(made.out);
  EXPECT_EQ(verdictOf(made, L"temp-folder"), L"OK");
  EXPECT_TRUE(contains(lineOf(linkLines(made.out), L"temp-folder")->text, L", created now, takes hand-off files"))
      << joined(made.out);

  const std::wstring belowAFile = install.root().file(L"plain.txt") + L"\\temp";
  setString(HKEY_CURRENT_USER, L"Software\\Brivane", L"TempFolder", belowAFile);
  expectFirstFail(L"temp-folder", belowAFile + L" (from HKCU\\Software\\Brivane\\TempFolder) does not exist and "
                                  L"cannot be created");
  RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Brivane", L"TempFolder");

  ASSERT_TRUE(DeleteFileW(install.moduleFile(L"Brivane_Application_Palisor_Against_Lib.exe").c_str()));
  expectFirstFail(L"application", L"Brivane_Application_Palisor_Against_Lib.exe does not exist");
}

// The machine-wide value is shared by every user: said as a warning, never advised.
// An elevated administrator must not load what unelevated code registered for the user alone.
TEST_F(CheckTest, TheExtensionLoadedIsTheMachinesNeverAUsersRegistration) {
  const std::wstring planted = install.root().file(L"planted.dll");
  const std::wstring userClass = std::wstring(L"Software\\Classes\\CLSID\\") + kClassId + L"\\InProcServer32";
  setString(HKEY_CURRENT_USER, userClass, nullptr, planted);
  const ProcessResult result = runCheck();
  RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\Classes\\CLSID\\") + kClassId).c_str());
  const std::optional<ReportLine> line = lineOf(linkLines(result.out), L"extension");
  ASSERT_TRUE(line.has_value()) << joined(result.out);
  EXPECT_EQ(line->verdict, L"OK") << joined(result.out);
  EXPECT_TRUE(contains(line->text, CheckedInstall::extension())) << joined(result.out);
  EXPECT_FALSE(contains(line->text, planted)) << joined(result.out);
}

TEST_F(CheckTest, UserTemporaryFolderAnswersFirstAndTheSharedOneIsWarnedOf) {
  const std::string warning = "       warning: HKLM\\Software\\Brivane\\TempFolder is shared by every user";
  const ProcessResult shared = runCheck();
  EXPECT_NE(joined(shared.out).find(warning), std::string::npos) << joined(shared.out);

  const std::wstring mine = install.root().folder(L"mine");
  setString(HKEY_CURRENT_USER, L"Software\\Brivane", L"TempFolder", mine);
  const ProcessResult result = runCheck();
  EXPECT_EQ(result.exitCode, 0u) << joined(result.out);
  EXPECT_TRUE(contains(lineOf(linkLines(result.out), L"temp-folder")->text,
                       mine + L" (from HKCU\\Software\\Brivane\\TempFolder)"))
      << joined(result.out);
  EXPECT_EQ(joined(result.out).find("warning:"), std::string::npos) << joined(result.out);
}

TEST_F(CheckTest, WithoutAnyTemporaryFolderValueTheUsersLocalAppDataTempServes) {
  RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"TempFolder");
  wchar_t local[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local), S_OK);
  const ProcessResult result = runCheck();
  EXPECT_EQ(result.exitCode, 0u) << joined(result.out);
  EXPECT_TRUE(contains(lineOf(linkLines(result.out), L"temp-folder")->text,
                       std::wstring(local) + L"\\Temp (from the user's Local AppData folder)"))
      << joined(result.out);
}

TEST_F(CheckTest, RecentListLimitAsAStringFails) {
  setString(HKEY_CURRENT_USER, L"Software\\Brivane\\MRU_qelf", L"max_history", L"5");
  expectFirstFail(L"recent-list",
                  L"max_history is REG_SZ, not REG_DWORD, so the next right-click lists no recent folders and stores 3");
}

TEST_F(CheckTest, RecentListNotesSkippedEntriesAndTheGap) {
  const std::wstring key = L"Software\\Brivane\\MRU_qelf";
  setDword(HKEY_CURRENT_USER, key, L"max_history", 3);
  setDword(HKEY_CURRENT_USER, key, L"max_qelf", 2);
  setString(HKEY_CURRENT_USER, key, L"1", install.root().file(L"box.qeld"));
  setString(HKEY_CURRENT_USER, key, L"2", install.root().child(L"gone.qeld"));
  setString(HKEY_CURRENT_USER, key, L"4", install.root().file(L"late.qeld"));
  const ProcessResult result = runCheck();
  EXPECT_EQ(result.exitCode, 0u) << joined(result.out);
  const std::optional<ReportLine> line = lineOf(linkLines(result.out), L"recent-list");
  ASSERT_TRUE(line.has_value());
  EXPECT_TRUE(contains(line->text, L"max_history 3, max_qelf 2; 1 recent secured folders")) << joined(result.out);
  const std::string text = joined(result.out);
  const std::string gone = testing::toUtf8(install.root().child(L"gone.qeld"));
  EXPECT_NE(text.find("entry 2 names " + gone + ", which no longer exists"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("1 numbered entries after the gap at 3 are never read"), std::string::npos) << text;
}

TEST_F(CheckTest, RecentListCountsWhatTheMenuOffersAtMost) {
  const std::wstring key = L"Software\\Brivane\\MRU_qelf";
  setDword(HKEY_CURRENT_USER, key, L"max_history", 1);
  setString(HKEY_CURRENT_USER, key, L"1", install.root().file(L"first.qeld"));
  setString(HKEY_CURRENT_USER, key, L"2", install.root().file(L"second.qeld"));
  const ProcessResult result = runCheck();
  const std::optional<ReportLine> line = lineOf(linkLines(result.out), L"recent-list");
  ASSERT_TRUE(line.has_value());
  EXPECT_TRUE(contains(line->text, L"2 recent secured folders (the menu offers the first 1)")) << joined(result.out);
}

TEST_F(CheckTest, RightClickShowsTheExtensionsMenu) {
  const std::wstring file = install.root().file(L"R&D notes.txt");
  const ProcessResult result = runCheck({file});
  EXPECT_EQ(result.exitCode, 0u) << joined(result.out);
  const std::optional<ReportLine> line = lineOf(linkLines(result.out), L"right-click");
  ASSERT_TRUE(line.has_value()) << joined(result.out);
  EXPECT_EQ(line->verdict, L"OK");
  EXPECT_TRUE(contains(line->text, L"(4 commands)")) << joined(result.out);
  const std::string text = joined(result.out);
  EXPECT_NE(text.find("command 0 \"Secure \"\"R&&D notes.txt\"\"\""), std::string::npos) << text;
  // The entries keep the extension's bitmaps: the object lives while its menu is read, as in Explorer.
  EXPECT_NE(text.find("and keep the original\" bitmap unchecked=16x16x"), std::string::npos) << text;
}

TEST_F(CheckTest, RightClickGivesTheFirstReasonForNoMenu) {
  expectFirstFail(L"right-click", install.root().child(L"gone.txt") + L" does not exist",
                  {install.root().child(L"gone.txt")});
  expectFirstFail(L"right-click", L"no item of the selection is found as a file or folder", {L"C:\\"});
  expectFirstFail(L"right-click", L"Explorer granted 3 command identifiers; the menu needs at least 4",
                  {install.root().file(L"a.txt"), L"--first-id", L"10", L"--last-id", L"12"});

  wchar_t startMenu[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, startMenu, CSIDL_STARTMENU, TRUE));
  const std::wstring inStartMenu = std::wstring(startMenu) + L"\\brivane-check-test.txt";
  ASSERT_TRUE(testing::writeFileBytes(inStartMenu, "x"));
  expectFirstFail(L"right-click", L"lies below the user's Start Menu folder", {inStartMenu});
  DeleteFileW(inStartMenu.c_str());
}

TEST_F(CheckTest, RightClickAfterAFailedLabelSetSaysSo) {
  removeLabel(install.moduleFile(L"palisorv3.txt"), "contextmenu.emix.send");
  const ProcessResult result = runCheck({install.root().file(L"a.txt")});
  EXPECT_EQ(result.exitCode, 1u);
  EXPECT_EQ(verdictOf(result, L"labels"), L"FAIL");
  EXPECT_EQ(verdictOf(result, L"right-click"), L"SKIP") << joined(result.out);
  EXPECT_NE(joined(result.out).find("the mixed label set fails at contextmenu.emix.send"), std::string::npos)
      << joined(result.out);
}

TEST_F(CheckTest, JsonHoldsTheSameFindings) {
  removeLabel(install.moduleFile(L"palisorv3.txt"), "contextmenu.defaultfoldername");
  setString(HKEY_CURRENT_USER, L"Software\\Brivane\\MRU_qelf", L"1", L"C:\\quote\" back\\slash\ttab");
  const ProcessResult human = runCheck();
  const ProcessResult json = runCheck({L"--json"});
  ASSERT_EQ(json.out.size(), 1u) << joined(json.out);
  EXPECT_EQ(json.exitCode, 1u);
  const std::optional<JsonValue> document = JsonReader::parse(json.out.front());
  ASSERT_TRUE(document.has_value()) << joined(json.out);
  EXPECT_EQ((*document)[L"exitCode"].number, 1.0);
  const std::vector<ReportLine> lines = linkLines(human.out);
  const std::vector<JsonValue>& links = (*document)[L"links"].items;
  ASSERT_EQ(links.size(), lines.size());
  for (std::size_t i = 0; i < links.size(); ++i) {
    EXPECT_EQ(links[i][L"link"].text, lines[i].link);
    EXPECT_EQ(links[i][L"status"].text, lines[i].verdict);
    const std::wstring action = links[i][L"action"].text;
    EXPECT_EQ(links[i][L"found"].text + (action.empty() ? L"" : L" => " + action), lines[i].text);
  }
  const JsonValue& labels = links[7];
  ASSERT_EQ(labels[L"details"].items.size(), 1u);
  EXPECT_EQ(labels[L"details"].items[0].text, L"contextmenu.defaultfoldername: status -99930, the text is empty");
  EXPECT_EQ(links[10][L"details"].items[0].text,
            L"entry 1 names C:\\quote\" back\\slash\ttab, which no longer exists: skipped");
}

// A development build is unsigned and works: the line says so and never fails; a signed module is
// named with its signer.
TEST_F(CheckTest, TheSignatureLineNamesTheSignerAndNeverFails) {
  ProcessResult result = runCheck();
  EXPECT_EQ(result.exitCode, 0u) << joined(result.out);
  std::optional<ReportLine> line = lineOf(linkLines(result.out), L"signature");
  ASSERT_TRUE(line) << joined(result.out);
  EXPECT_EQ(line->verdict, L"OK");
  EXPECT_TRUE(contains(line->text, CheckedInstall::extension() + L" is not signed")) << joined(result.out);
  EXPECT_TRUE(contains(line->text, L"(a development build: a release is signed)")) << joined(result.out);

  const std::wstring core = install.moduleFile(L"Brivane_Core.dll");
  ASSERT_TRUE(CopyFileW((std::wstring(BRIVANE_SIGNED_DIR) + L"\\Brivane_Core.dll").c_str(), core.c_str(), FALSE));
  result = runCheck();
  EXPECT_EQ(result.exitCode, 0u) << joined(result.out);
  line = lineOf(linkLines(result.out), L"signature");
  ASSERT_TRUE(line) << joined(result.out);
  EXPECT_EQ(line->verdict, L"OK");
  EXPECT_TRUE(contains(line->text, core + L" is signed by CN=Brivane Test Code Signing, O=Brivane")) << joined(result.out);
  EXPECT_FALSE(contains(line->text, L"development build")) << joined(result.out);
}

TEST(CheckCommandLineTest, BadUsageExitsWithTwo) {
  for (const Lines& args :
       {Lines{L"--verbose"}, Lines{L"--first-id"}, Lines{L"--first-id", L"9", L"--last-id", L"3"}}) {
    const ProcessResult result = runCheck(args);
    EXPECT_EQ(result.exitCode, 2u) << joined(args);
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(result.err.front().rfind(L"brivane-check: ", 0), 0u) << joined(result.err);
  }
}

}  // namespace
}  // namespace brivane
