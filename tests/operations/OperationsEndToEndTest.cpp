#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "menu/Selection.h"
#include "operations/ApplicationLaunch.h"
#include "operations/ConvertOperation.h"
#include "operations/HandOff.h"
#include "operations/RequestTestSupport.h"
#include "support/Paths.h"
#include "operations/SecureOperations.h"
#include "operations/SecureRequests.h"
#include "operations/UnsecureOperation.h"
#include "support/ApplicationJournal.h"
#include "support/CurrentDirectorySampler.h"
#include "support/Paths.h"
#include "support/TestSupport.h"

namespace brivane {
namespace {

using Paths = std::vector<std::wstring>;

std::wstring replaceAll(std::wstring text, const std::wstring& from, const std::wstring& to) {
  for (std::size_t at = text.find(from); at != std::wstring::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::wstring withoutTrailingBackslash(std::wstring folder) {
  if (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  return folder;
}


// The real product: settings in the registry, the application started on every hand-off and read back
// through its journal.
class OperationsEndToEnd : public ::testing::Test {
 protected:
  testing::InstalledProduct product{BRIVANE_MODULE_DIR};
  std::wstring docs = product.files().folder(L"Docs");

  std::wstring file(const std::wstring& name) { return product.files().file(L"Docs\\" + name, "content"); }
  std::wstring folder(const std::wstring& name) { return product.files().folder(L"Docs\\" + name); }

  // The selection filtered and classified as the menu does before a command runs.
  Classification classified(Paths& selection) {
    filterSelection(selection);
    Classification classification;
    classifySelection(selection, classification);
    return classification;
  }

  // The context the menu gives a command acting in place: the first item's folder.
  CommandContext inPlace(const Paths& selection, std::uint16_t options = 0) {
    return {parentFolderOf(selection.front()), options};
  }

  // The one journal entry of the test, once the application has also removed its hand-off file.
  testing::JournalEntry handedOff() {
    const auto entries = testing::waitForJournal(product.journalPath());
    EXPECT_EQ(entries.size(), 1u);
    EXPECT_TRUE(testing::waitUntil([&] { return product.handOffFiles().empty(); }));
    return entries.empty() ? testing::JournalEntry() : entries.front();
  }

  // Nothing reaches the application within a while.
  void expectNoHandOff() {
    EXPECT_FALSE(testing::waitUntil([&] { return testing::fileExists(product.journalPath()); }, 1500));
    EXPECT_TRUE(product.handOffFiles().empty());
  }
};

TEST_F(OperationsEndToEnd, SecureFilesHandsTheWorkedExampleToTheApplication) {
  Paths selection{file(L"a.txt")};
  const Classification classification = classified(selection);
  ASSERT_EQ(secureFiles(classification, inPlace(selection)), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_EQ(entry.file, L"read");
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(entry.request, L"securing_files");
  EXPECT_EQ(entry.document, replaceAll(testing::kWorkedExample, L"C:\\Docs\\", docs + L"\\"));
  const std::wstring prefix = product.handOffFolder() + L"\\qel_";
  EXPECT_EQ(entry.parameters.rfind(prefix, 0), 0u);
  EXPECT_EQ(entry.parameters.size(), prefix.size() + 14);
  EXPECT_EQ(entry.workingFolder, BRIVANE_MODULE_DIR);
}

TEST_F(OperationsEndToEnd, SecureFoldersHandsOneTargetPerFolder) {
  Paths selection{folder(L"Photos"), folder(L"Notes")};
  const Classification classification = classified(selection);
  const CommandContext context = inPlace(selection, CommandOption::KeepOriginal);
  ASSERT_EQ(secureFolders(classification, context), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_TRUE(entry.wellFormed);
  ProtocolNode expected;
  buildSecureFoldersRequest(expected, selection, context);
  EXPECT_EQ(entry.document, testing::rendered(expected));
  EXPECT_NE(entry.document.find(L">" + docs + L"\\Notes.qeld</destination>"), std::wstring::npos);
}

TEST_F(OperationsEndToEnd, SecureMixedHandsTheFilesBeforeTheFolders) {
  Paths selection{folder(L"Photos"), file(L"a.txt"), file(L"Box.qeld")};
  const Classification classification = classified(selection);
  ASSERT_EQ(secureMixed(classification, inPlace(selection)), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(entry.request, L"securing_files");
  const std::size_t fileTarget = entry.document.find(L">" + docs + L"\\a.txt</source>");
  const std::size_t securedFolderTarget = entry.document.find(L">" + docs + L"\\Box.qeld.qelf</destination>");
  const std::size_t folderTarget = entry.document.find(L">" + docs + L"\\Photos</source>");
  ASSERT_NE(folderTarget, std::wstring::npos);
  EXPECT_LT(fileTarget, securedFolderTarget);
  EXPECT_LT(securedFolderTarget, folderTarget);
}

TEST_F(OperationsEndToEnd, SendToSecuredFolderHandsAllItemsToOneSecuredFolder) {
  Paths selection{file(L"a.txt"), folder(L"Photos")};
  filterSelection(selection);
  const CommandContext context{L" " + docs + L"\\Vault ", CommandOption::AppendDestination};
  ASSERT_EQ(sendToSecuredFolder(selection, context), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_TRUE(entry.wellFormed);
  ProtocolNode expected;
  buildSendRequest(expected, selection, context);
  EXPECT_EQ(entry.document, testing::rendered(expected));
  EXPECT_NE(entry.document.find(L"<destination type=\"string\">" + docs + L"\\Vault.qeld</destination>"),
            std::wstring::npos);
}

TEST_F(OperationsEndToEnd, UnsecureItemsHandsEveryItemWithItsDestination) {
  Paths selection{file(L"report.doc.qelf"), file(L"Photos.QELD")};
  const Classification classification = classified(selection);
  ASSERT_EQ(classification.files.size(), 2u);
  const std::wstring out = product.files().folder(L"Out");
  ASSERT_EQ(unsecureItems(selection, {out, 0}), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(entry.request, L"unsecuring_files");
  ProtocolNode expected;
  buildUnsecureRequest(expected, selection, {out, 0});
  EXPECT_EQ(entry.document, testing::rendered(expected));
  EXPECT_NE(entry.document.find(L">" + out + L"\\Photos</destination>"), std::wstring::npos);
  EXPECT_NE(entry.document.find(L">" + out + L"</destination>"), std::wstring::npos);
}

TEST_F(OperationsEndToEnd, ConvertToExecutableHandsTheSecuredItems) {
  Paths selection{file(L"Box.qeld"), file(L"a.txt.qelf")};
  classified(selection);
  ASSERT_EQ(convertToExecutable(selection, inPlace(selection)), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(entry.request, L"convert_qelx_to_exe");
  ProtocolNode expected;
  buildConvertRequest(expected, selection, inPlace(selection));
  EXPECT_EQ(entry.document, testing::rendered(expected));
}

TEST_F(OperationsEndToEnd, EmptyListsHandNothingOff) {
  const Classification empty;
  const CommandContext context{docs + L"\\", 0};
  EXPECT_EQ(secureFiles(empty, context), STATUS_NOTHING_TO_DO);
  EXPECT_EQ(secureFolders(empty, context), STATUS_NOTHING_TO_DO);
  EXPECT_EQ(sendToSecuredFolder({}, context), STATUS_NOTHING_TO_DO);
  EXPECT_EQ(unsecureItems({}, context), STATUS_NOTHING_TO_DO);
  EXPECT_EQ(convertToExecutable({}, context), STATUS_NOTHING_TO_DO);
  expectNoHandOff();
}

TEST_F(OperationsEndToEnd, TheApplicationStartsHiddenInTheModuleFolderAndTheHostsDirectoryNeverMoves) {
  Paths selection{file(L"a.txt")};
  const Classification classification = classified(selection);
  const std::wstring before = testing::currentDirectory();
  testing::CurrentDirectorySampler sampler;
  ASSERT_EQ(secureFiles(classification, inPlace(selection)), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_EQ(sampler.stop(), std::set<std::wstring>{before});
  EXPECT_GT(sampler.samples(), 1u);
  EXPECT_EQ(entry.workingFolder, BRIVANE_MODULE_DIR);
  EXPECT_EQ(entry.show, L"hidden");
  // What the shell would have built: the executable quoted, a blank, the hand-off path as it is.
  EXPECT_EQ(entry.commandLine, L"\"" + applicationPath(BRIVANE_MODULE_DIR) + L"\" " + entry.parameters);
  EXPECT_EQ(entry.parameters.rfind(product.handOffFolder() + L"\\qel_", 0), 0u);
}

TEST_F(OperationsEndToEnd, ItemsInTheLongFormAreHandedOffWholeAsSelected) {
  std::wstring relative;
  for (int i = 0; i < 16; ++i) relative += std::wstring(200, static_cast<wchar_t>(L'a' + i)) + L"\\";
  product.files().folder(relative + L"docs");
  const std::wstring deep = L"\\\\?\\" + product.files().file(relative + L"docs\\long.txt", "content");
  ASSERT_GT(deep.size(), 3200u);
  Paths selection{deep};
  const Classification classification = classified(selection);
  ASSERT_EQ(classification.files, Paths{deep});
  ASSERT_EQ(secureFiles(classification, inPlace(selection)), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_NE(entry.document.find(L">" + deep + L"</source>"), std::wstring::npos);
  EXPECT_NE(entry.document.find(L">" + deep + L".qelf</destination>"), std::wstring::npos);
}

TEST_F(OperationsEndToEnd, AHandOffPathWithBlanksAndAnyCharactersArrivesAsOneParameter) {
  const std::wstring temp = product.files().folder(L"Local Settings \U0001F600 & more\\Temp");
  product.tempFolderSetting().setString(temp);
  Paths selection{file(L"R&D \U0001F600 caf\u00e9.txt")};
  const Classification classification = classified(selection);
  ASSERT_EQ(secureFiles(classification, inPlace(selection)), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_EQ(entry.parameters.rfind(temp + L"\\qel_", 0), 0u);
  EXPECT_EQ(entry.parameters.size(), temp.size() + 19);
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_NE(entry.document.find(L"\\R&amp;D &#xd83d;&#xde00; caf\u00e9.txt</source>"), std::wstring::npos);
  EXPECT_TRUE(testing::namesMatching(temp, L"*.psa").empty());
}

TEST_F(OperationsEndToEnd, LongPathsPassThroughWhole) {
  std::wstring relative;
  for (int i = 0; i < 10; ++i) relative += std::wstring(30, static_cast<wchar_t>(L'a' + i)) + L"\\";
  const std::wstring temp = product.files().folder(relative + L"temp");
  const std::wstring deep = product.files().folder(relative + L"docs");
  ASSERT_GT(temp.size(), static_cast<std::size_t>(MAX_PATH));
  product.tempFolderSetting().setString(temp);
  Paths selection{product.files().file(relative + L"docs\\long.txt", "content")};
  const Classification classification = classified(selection);
  ASSERT_EQ(classification.files.size(), 1u);
  ASSERT_EQ(secureFiles(classification, inPlace(selection)), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_EQ(entry.parameters.rfind(temp + L"\\qel_", 0), 0u);
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_NE(entry.document.find(L">" + deep + L"\\long.txt.qelf</destination>"), std::wstring::npos);
}

TEST_F(OperationsEndToEnd, ATemporaryFolderEndingInABackslashIsUsedAsStored) {
  product.tempFolderSetting().setString(product.handOffFolder() + L"\\");
  Paths selection{file(L"a.txt")};
  ASSERT_EQ(secureFiles(classified(selection), inPlace(selection)), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_EQ(entry.parameters.rfind(product.handOffFolder() + L"\\\\qel_", 0), 0u);
  EXPECT_EQ(entry.file, L"read");
  EXPECT_TRUE(entry.wellFormed);
}

TEST_F(OperationsEndToEnd, AModuleFolderEndingInABackslashStartsTheSameApplication) {
  product.moduleFolderSetting().setString(std::wstring(BRIVANE_MODULE_DIR) + L"\\");
  Paths selection{file(L"a.txt")};
  ASSERT_EQ(secureFiles(classified(selection), inPlace(selection)), STATUS_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(withoutTrailingBackslash(entry.workingFolder), BRIVANE_MODULE_DIR);
}

TEST_F(OperationsEndToEnd, ATemporaryFolderNotOnDiskIsMadeAndTheHandOffArrives) {
  const std::wstring absent = product.files().pathOf(L"absent");
  product.tempFolderSetting().setString(absent);
  Paths selection{file(L"a.txt")};
  EXPECT_EQ(secureFiles(classified(selection), inPlace(selection)), STATUS_OK);
  const auto entries = testing::waitForJournal(product.journalPath());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(parentFolderOf(entries[0].parameters), absent + L"\\");
}

TEST_F(OperationsEndToEnd, NoModuleFolderSettingWritesAndStartsNothing) {
  product.moduleFolderSetting().remove();
  Paths selection{file(L"a.txt")};
  EXPECT_EQ(secureFiles(classified(selection), inPlace(selection)), STATUS_PRODUCT_SETTINGS_MISSING);
  expectNoHandOff();
}

}  // namespace
}  // namespace brivane
