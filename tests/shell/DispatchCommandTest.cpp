#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "menu/SavedHistoryKey.h"
#include "operations/CommandContext.h"
#include "operations/ConvertOperation.h"
#include "operations/RequestTestSupport.h"
#include "operations/SecureRequests.h"
#include "operations/UnsecureOperation.h"
#include "shell/ContextMenuSession.h"
#include "shell/CountingDataObject.h"
#include "shell/DropBlock.h"
#include "support/ApplicationJournal.h"
#include "support/TestSupport.h"

namespace brivane::testing {
namespace {

using Paths = std::vector<std::wstring>;
constexpr std::uint16_t kKeep = CommandOption::KeepOriginal;
constexpr std::uint16_t kAppend = CommandOption::AppendDestination;
constexpr HRESULT kTextVerbRefused = static_cast<HRESULT>(0xFFFFFFFF);

std::wstring secureFilesDocument(const Paths& files, const CommandContext& context) {
  ProtocolNode request;
  buildSecureFilesRequest(request, files, context);
  return rendered(request);
}

std::wstring secureFoldersDocument(const Paths& folders, const CommandContext& context) {
  ProtocolNode request;
  buildSecureFoldersRequest(request, folders, context);
  return rendered(request);
}

std::wstring secureMixedDocument(const Paths& files, const Paths& folders, const CommandContext& context) {
  ProtocolNode request;
  buildSecureMixedRequest(request, files, folders, context);
  return rendered(request);
}

std::wstring sendDocument(const Paths& sources, const CommandContext& context) {
  ProtocolNode request;
  buildSendRequest(request, sources, context);
  return rendered(request);
}

std::wstring unsecureDocument(const Paths& selection, const CommandContext& context) {
  ProtocolNode request;
  buildUnsecureRequest(request, selection, context);
  return rendered(request);
}

std::wstring convertDocument(const Paths& selection, const CommandContext& context) {
  ProtocolNode request;
  buildConvertRequest(request, selection, context);
  return rendered(request);
}

// The product installed with its real core library and application; every command is chosen from a
// menu that the DLL's object built for real items, and read back from the application's journal.
class DispatchCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_TRUE(test::ExtensionModule::get().loaded());
  }
  void TearDown() override { OleUninitialize(); }

  std::wstring file(const std::wstring& name) { return product.files().file(L"Docs\\" + name, "content"); }
  std::wstring folder(const std::wstring& name) { return product.files().folder(L"Docs\\" + name); }

  // Right-clicks the items, sees the menu use `count` identifiers and picks the entry at `offset`.
  void choose(const Paths& items, UINT offset, UINT count) {
    ContextMenuSession session(items);
    ASSERT_TRUE(session.ready());
    ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, count));
    EXPECT_EQ(session.invoke(offset), S_OK);
  }

  // The application received the document `expected` as the next hand-off, and nothing else meanwhile.
  void expectHandOff(const std::wstring& expected) {
    ++handOffs;
    const std::vector<JournalEntry> entries = waitForJournal(product.journalPath(), handOffs);
    ASSERT_TRUE(waitUntil([&] { return product.handOffFiles().empty(); }));
    ASSERT_EQ(readJournal(product.journalPath()).size(), handOffs);
    EXPECT_TRUE(entries.back().wellFormed);
    EXPECT_EQ(entries.back().document, expected);
  }

  // A hand-off is written before InvokeCommand returns and journalled before its file goes, so one that
  // happened shows as either.
  void expectNoFurtherHandOff() {
    EXPECT_TRUE(product.handOffFiles().empty());
    EXPECT_EQ(readJournal(product.journalPath()).size(), handOffs);
  }

  // IShellExtInit::Initialize with a data object of the test's own, or none.
  static HRESULT initializeWith(ContextMenuSession& session, IDataObject* data) {
    ComPtr<IShellExtInit> init;
    if (FAILED(session.menu()->QueryInterface(__uuidof(IShellExtInit), init.outVoid()))) return E_FAIL;
    return init->Initialize(nullptr, data, nullptr);
  }

  InstalledProduct product{BRIVANE_MODULE_DIR};
  SavedHistoryKey history;
  std::wstring docs = product.files().folder(L"Docs") + L"\\";
  std::size_t handOffs = 0;
};

TEST_F(DispatchCommand, PrimaryEntrySecuresTheRemainingFileInPlace) {
  const std::wstring kept = file(L"a.txt");
  const std::wstring gone = file(L"gone.txt");
  ContextMenuSession session({kept, gone});
  ASSERT_TRUE(session.ready());
  ASSERT_TRUE(DeleteFileW(gone.c_str()));
  ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4));
  EXPECT_EQ(session.invoke(0), S_OK);
  expectHandOff(secureFilesDocument({kept}, {docs, 0}));
}

TEST_F(DispatchCommand, FileEntriesSecureInPlaceOrKeepingTheOriginals) {
  const Paths single{file(L"R&D \U0001F600 notes.txt")};
  choose(single, 1, 4);
  expectHandOff(secureFilesDocument(single, {docs, kKeep}));
  const Paths several{file(L"a.txt"), file(L"b.txt")};
  choose(several, 0, 4);
  expectHandOff(secureFilesDocument(several, {docs, 0}));
  choose(several, 1, 4);
  expectHandOff(secureFilesDocument(several, {docs, kKeep}));
}

TEST_F(DispatchCommand, FolderEntriesSecureTheFolders) {
  const Paths single{folder(L"Photos")};
  choose(single, 0, 4);
  expectHandOff(secureFoldersDocument(single, {docs, 0}));
  const Paths several{folder(L"Photos"), folder(L"Notes")};
  choose(several, 0, 4);
  expectHandOff(secureFoldersDocument(several, {docs, 0}));
  choose(several, 1, 4);
  expectHandOff(secureFoldersDocument(several, {docs, kKeep}));
}

TEST_F(DispatchCommand, MixedEntriesSecureFilesAndFolders) {
  const std::wstring photos = folder(L"Photos");
  const std::wstring text = file(L"a.txt");
  choose({photos, text}, 0, 4);
  expectHandOff(secureMixedDocument({text}, {photos}, {docs, 0}));
  choose({photos, text}, 1, 4);
  expectHandOff(secureMixedDocument({text}, {photos}, {docs, kKeep}));
}

TEST_F(DispatchCommand, SecuredPrimaryEntryUnsecuresNextToTheItems) {
  const Paths secured{file(L"plan.qelf"), file(L"Box.qeld")};
  choose(secured, 0, 5);  // Box.qeld beside plan.qelf is selected, so no send target
  expectHandOff(unsecureDocument(secured, {docs, 0}));
}

TEST_F(DispatchCommand, ConvertEntryConvertsAndDoesNothingElse) {
  const Paths secured{file(L"plan.qelf")};
  choose(secured, 2, 5);
  expectHandOff(convertDocument(secured, {docs, 0}));
  expectNoFurtherHandOff();
}

TEST_F(DispatchCommand, SendEntriesReachNearbyAndRecentSecuredFoldersInBothSubmenus) {
  const std::wstring box = file(L"box.qeld");
  product.files().folder(L"Elsewhere");
  const std::wstring vault = product.files().file(L"Elsewhere\\vault.qeld", "secured");
  SavedHistoryKey::setLimits(3, 3);
  SavedHistoryKey::setRecent({vault});
  const Paths selection{file(L"a.txt")};
  // 0, 1 main; 2 near, 3 recent, 4 "..."; 5 near, 6 recent, 7 "..." keeping the originals.
  choose(selection, 2, 8);
  expectHandOff(sendDocument(selection, {box, kAppend}));
  choose(selection, 3, 8);
  expectHandOff(sendDocument(selection, {vault, kAppend}));
  choose(selection, 5, 8);
  expectHandOff(sendDocument(selection, {box, kAppend | kKeep}));
  choose(selection, 6, 8);
  expectHandOff(sendDocument(selection, {vault, kAppend | kKeep}));
}

TEST_F(DispatchCommand, SecuredItemsSendEntriesFollowTheConvertEntry) {
  const std::wstring other = file(L"other.qeld");
  const Paths selection{file(L"box.qeld")};
  // The selected secured folder is no target of its own: 3 other.qeld, 4 "...", 5 other.qeld, 6 "...".
  choose(selection, 3, 7);
  expectHandOff(sendDocument(selection, {other, kAppend}));
  choose(selection, 5, 7);
  expectHandOff(sendDocument(selection, {other, kAppend | kKeep}));
}

TEST_F(DispatchCommand, OffsetsOutsideTheMenuRunNothing) {
  ContextMenuSession session({file(L"a.txt")});
  ASSERT_TRUE(session.ready());
  ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4));
  EXPECT_EQ(session.invoke(4), E_INVALIDARG);
  EXPECT_EQ(session.invoke(5), E_INVALIDARG);
  EXPECT_EQ(session.invoke(0xFFFF), E_INVALIDARG);
  expectNoFurtherHandOff();
}

TEST_F(DispatchCommand, WithoutABuiltMenuNothingRuns) {
  ContextMenuSession session({file(L"a.txt")});
  ASSERT_TRUE(session.ready());
  EXPECT_EQ(session.invoke(0), E_INVALIDARG);
  EXPECT_EQ(session.query(0), S_OK);
  EXPECT_EQ(GetMenuItemCount(session.popup()), 0);
  EXPECT_EQ(session.invoke(0), E_INVALIDARG);
  ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4));
  EXPECT_EQ(session.query(CMF_DEFAULTONLY), S_OK);  // a later query that inserts nothing ends the menu
  EXPECT_EQ(session.invoke(0), E_INVALIDARG);
  ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4));
  ASSERT_EQ(session.initialize({folder(L"Photos")}), S_OK);  // a new selection has no menu yet
  EXPECT_EQ(session.invoke(0), E_INVALIDARG);
  expectNoFurtherHandOff();
}

// What the selection holds shows in the request of the command run on it.
TEST_F(DispatchCommand, TheSelectionIsTheLastOneCapturedAndStaysWhenNothingNewCame) {
  test::CountingDataObject noNames(test::wideDropBlock({}));  // outlives the object that holds it
  const Paths first{file(L"a.txt")};
  const Paths second{file(L"b.txt"), file(L"c.txt")};
  ContextMenuSession session(first);
  ASSERT_TRUE(session.ready());
  ASSERT_EQ(session.initialize(second), S_OK);
  ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4));
  EXPECT_EQ(session.invoke(0), S_OK);
  expectHandOff(secureFilesDocument(second, {docs, 0}));

  EXPECT_EQ(initializeWith(session, nullptr), E_FAIL);
  EXPECT_EQ(session.invoke(0), E_INVALIDARG) << "the menu belonged to the earlier Initialize";
  ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4));
  EXPECT_EQ(session.invoke(0), S_OK);
  expectHandOff(secureFilesDocument(second, {docs, 0}));

  EXPECT_EQ(initializeWith(session, &noNames), S_OK);
  EXPECT_EQ(session.query(), S_OK);
  EXPECT_EQ(session.invoke(0), E_INVALIDARG);
  expectNoFurtherHandOff();
}

// Flags 0 return before the filter: a path that was missing then and exists later is still selected.
TEST_F(DispatchCommand, QueryFlagsZeroLeaveTheSelectionUnfiltered) {
  const Paths selection{file(L"a.txt"), docs + L"late.txt", file(L"b.txt")};
  test::CountingDataObject data(test::wideDropBlock(selection));
  ContextMenuSession session({selection.front()});
  ASSERT_TRUE(session.ready());
  ASSERT_EQ(initializeWith(session, &data), S_OK);
  EXPECT_EQ(session.query(0), S_OK);
  file(L"late.txt");
  ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4));
  EXPECT_EQ(session.invoke(0), S_OK);
  expectHandOff(secureFilesDocument(selection, {docs, 0}));
}

TEST_F(DispatchCommand, TextVerbsAreRefused) {
  ContextMenuSession session({file(L"a.txt")});
  ASSERT_TRUE(session.ready());
  ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4));
  EXPECT_EQ(session.invokeVerb("open"), kTextVerbRefused);
  EXPECT_EQ(session.invokeVerb("Operation1"), kTextVerbRefused);
  EXPECT_EQ(session.menu()->InvokeCommand(nullptr), E_INVALIDARG);
  expectNoFurtherHandOff();
}

TEST_F(DispatchCommand, CoreLibraryGoneAtInvocationRunsNothing) {
  ContextMenuSession session({file(L"a.txt")});
  ASSERT_TRUE(session.ready());
  ASSERT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4));
  const TemporaryFolder emptyModuleFolder;
  product.moduleFolderSetting().setString(emptyModuleFolder.path());
  EXPECT_EQ(session.invoke(0), S_OK);
  expectNoFurtherHandOff();
}

}  // namespace
}  // namespace brivane::testing
