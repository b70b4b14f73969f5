#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <set>
#include <string>
#include <vector>

#include "menu/SavedHistoryKey.h"
#include "operations/CommandContext.h"
#include "operations/RequestTestSupport.h"
#include "operations/SecureRequests.h"
#include "operations/UnsecureOperation.h"
#include "shell/ContextMenuSession.h"
#include "shell/PickerDialogs.h"
#include "shell/ScriptedProduct.h"
#include "support/CurrentDirectorySampler.h"

namespace brivane::testing {
namespace {

using Paths = std::vector<std::wstring>;

// The scripted library answers every label with its key.
const FolderDialogTexts kFolderDialogLabels{
    L"contextmenu.pathdialog.unsecure_to_dialog.caption", L"contextmenu.pathdialog.unsecure",
    L"contextmenu.pathdialog.unsecure_to_dialog.ok", L"contextmenu.pathdialog.unsecure_to_dialog.cancel",
    L"contextmenu.pathdialog.unsecure_to_dialog.newfolder"};

// Commands of menus built by the DLL's object that ask for a destination first: unsecuring into a
// chosen folder and sending into a new secured folder, answered by a person at the dialog.
class PickerThroughDll : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_TRUE(test::ExtensionModule::get().loaded());
  }
  void TearDown() override { OleUninitialize(); }

  std::wstring file(const std::wstring& name) { return product().files().file(L"Docs\\" + name, "content"); }
  InstalledProduct& product() { return scripted.product(); }

  // Builds the menu for the items, then invokes `offset` while `answer` handles the dialogs; the number
  // of dialogs seen. `beforeInvoking` changes the script once the menu's labels have been fetched.
  std::size_t invokeAnswering(const Paths& items, UINT offset, UINT count, const DialogWatcher::Handler& answer,
                              const std::function<void()>& beforeInvoking = [] {}) {
    ContextMenuSession session(items);
    EXPECT_TRUE(session.ready());
    EXPECT_EQ(session.query(), MAKE_HRESULT(SEVERITY_SUCCESS, 0, count));
    beforeInvoking();
    return whileAnswering(answer, [&] { EXPECT_EQ(session.invoke(offset), S_OK); });
  }

  std::wstring handedOffDocument() {
    const std::vector<JournalEntry> entries = waitForJournal(product().journalPath());
    EXPECT_TRUE(waitUntil([&] { return product().handOffFiles().empty(); }));
    EXPECT_EQ(readJournal(product().journalPath()).size(), 1u);
    return entries.empty() ? std::wstring() : entries.front().document;
  }

  // Hand-offs are written before InvokeCommand returns and journalled before their file goes.
  void expectNothingHandedOff() {
    EXPECT_TRUE(product().handOffFiles().empty());
    EXPECT_TRUE(readJournal(product().journalPath()).empty());
  }

  ScriptedProduct scripted;
  SavedHistoryKey history;
  std::wstring docs = product().files().folder(L"Docs") + L"\\";
};

TEST_F(PickerThroughDll, FolderDialogShowsTheLabelsAndSetsThemAgainOnEverySelectionChange) {
  const Paths selection{file(L"plan.qelf")};
  const std::wstring out = product().files().folder(L"Out");
  const std::wstring other = product().files().folder(L"Other");
  FolderDialogTexts opened;
  FolderDialogTexts overwritten;
  FolderDialogTexts afterSelection;
  bool selected = false;
  bool closed = false;
  const std::size_t dialogs = invokeAnswering(selection, 1, 5, [&](HWND dialog, std::size_t) {
    opened = folderDialogTexts(dialog);
    overwriteFolderDialogTexts(dialog, L"stale");
    overwritten = folderDialogTexts(dialog);
    selected = sendWithTimeout(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(other.c_str())) >= 0 &&
               selectFolder(dialog, out);
    Sleep(300);
    afterSelection = folderDialogTexts(dialog);
    closed = press(dialog, IDOK);
  });
  EXPECT_EQ(dialogs, 1u);
  EXPECT_EQ(opened, kFolderDialogLabels);
  EXPECT_EQ(overwritten.ok, L"stale");
  EXPECT_TRUE(selected);
  EXPECT_EQ(afterSelection, kFolderDialogLabels);
  EXPECT_TRUE(closed);
  ProtocolNode expected;
  buildUnsecureRequest(expected, selection, {out, 0});
  EXPECT_EQ(handedOffDocument(), rendered(expected));
  const std::vector<std::wstring> keys = scripted.core().keysAsked();
  ASSERT_GE(keys.size(), 5u);
  EXPECT_EQ(std::vector<std::wstring>(keys.begin(), keys.begin() + 5),
            (std::vector<std::wstring>{kFolderDialogLabels.instruction, kFolderDialogLabels.ok,
                                       kFolderDialogLabels.cancel, kFolderDialogLabels.caption,
                                       kFolderDialogLabels.newFolder}));
}

TEST_F(PickerThroughDll, FolderDialogCancelledRunsNothing) {
  bool closed = false;
  const DialogWatcher::Handler cancel = [&](HWND dialog, std::size_t) { closed = press(dialog, IDCANCEL); };
  EXPECT_EQ(invokeAnswering({file(L"plan.qelf")}, 1, 5, cancel), 1u);
  EXPECT_TRUE(closed);
  expectNothingHandedOff();
}

// The labels of the command's load of the library come in this order: the title, the two buttons,
// the caption, the new-folder button.
TEST_F(PickerThroughDll, AMissingFolderDialogTitleShowsNoDialog) {
  EXPECT_EQ(invokeAnswering({file(L"plan.qelf")}, 1, 5, [](HWND dialog, std::size_t) { press(dialog, IDCANCEL); },
                            [&] { scripted.core().emptyAt(0); }),
            0u);
  expectNothingHandedOff();
}

TEST_F(PickerThroughDll, AMissingFolderDialogCaptionShowsNoDialog) {
  EXPECT_EQ(invokeAnswering({file(L"plan.qelf")}, 1, 5, [](HWND dialog, std::size_t) { press(dialog, IDCANCEL); },
                            [&] { scripted.core().emptyAt(3); }),
            0u);
  expectNothingHandedOff();
}

TEST_F(PickerThroughDll, SaveDialogStartsInTheItemsFolderWithTheDefaultName) {
  const Paths selection{file(L"a.txt")};
  const std::wstring callerFolder = product().files().folder(L"Caller");
  ASSERT_TRUE(SetCurrentDirectoryW(callerFolder.c_str()));
  std::wstring title;
  std::wstring name;
  bool saved = false;
  CurrentDirectorySampler sampler;
  const std::size_t dialogs = invokeAnswering(selection, 2, 4, [&](HWND dialog, std::size_t) {
    title = windowText(dialog);
    name = saveDialogFileName(dialog);
    saved = saveAs(dialog, L"Archive");
  });
  EXPECT_EQ(sampler.stop(), std::set<std::wstring>{callerFolder});
  EXPECT_GT(sampler.samples(), 1u);
  EXPECT_EQ(dialogs, 1u);
  EXPECT_EQ(title, L"contextmenu.pathdialog.secure");
  EXPECT_EQ(name, L"contextmenu.defaultfoldername.qeld");
  EXPECT_TRUE(saved);
  // A bare name comes back in the folder the dialog started in.
  ProtocolNode expected;
  buildSendRequest(expected, selection, {docs + L"Archive", CommandOption::AppendDestination});
  EXPECT_EQ(handedOffDocument(), rendered(expected));
}

TEST_F(PickerThroughDll, SaveDialogOfTheCopySubmenuKeepsTheOriginals) {
  const Paths selection{file(L"a.txt")};
  const std::wstring vault = file(L"Vault.qeld");
  bool saved = false;
  // Vault.qeld beside the file: 2 Vault.qeld, 3 "...", 4 Vault.qeld, 5 "..." keeping the originals. An
  // existing secured folder is chosen without an overwrite prompt.
  EXPECT_EQ(invokeAnswering(selection, 5, 6, [&](HWND dialog, std::size_t) { saved = saveAs(dialog, vault); }), 1u);
  EXPECT_TRUE(saved);
  ProtocolNode expected;
  buildSendRequest(expected, selection,
                   {vault, CommandOption::AppendDestination | CommandOption::KeepOriginal});
  EXPECT_EQ(handedOffDocument(), rendered(expected));
}

TEST_F(PickerThroughDll, SaveDialogCancelledRunsNothing) {
  bool closed = false;
  const DialogWatcher::Handler cancel = [&](HWND dialog, std::size_t) { closed = press(dialog, IDCANCEL); };
  EXPECT_EQ(invokeAnswering({file(L"a.txt")}, 2, 4, cancel), 1u);
  EXPECT_TRUE(closed);
  expectNothingHandedOff();
}

TEST_F(PickerThroughDll, WithoutTheDefaultNameLabelTheNameIsTheExtension) {
  std::wstring name;
  EXPECT_EQ(invokeAnswering({file(L"a.txt")}, 2, 4,
                            [&](HWND dialog, std::size_t) {
                              name = saveDialogFileName(dialog);
                              press(dialog, IDCANCEL);
                            },
                            [&] { scripted.core().emptyAt(1); }),
            1u);
  EXPECT_EQ(name, L".qeld");
}

TEST_F(PickerThroughDll, AMissingSaveDialogTitleShowsNoDialog) {
  EXPECT_EQ(invokeAnswering({file(L"a.txt")}, 2, 4, [](HWND dialog, std::size_t) { press(dialog, IDCANCEL); },
                            [&] { scripted.core().emptyAt(0); }),
            0u);
  expectNothingHandedOff();
}

}  // namespace
}  // namespace brivane::testing
