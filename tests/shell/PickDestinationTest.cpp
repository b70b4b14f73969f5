#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <set>
#include <string>

#include "doubles/CoreTestSetup.h"
#include "operations/DestinationPicker.h"
#include "operations/FolderBrowser.h"
#include "shell/PickerDialogs.h"
#include "support/CurrentDirectorySampler.h"
#include "support/TestSupport.h"

namespace brivane::testing {
namespace {

constexpr wchar_t kDefault[] = L"X:\\default\\";

// A name typed without extension, as the dialog gives it back: unchanged on Windows, which adds no
// default extension; Wine's file dialog object adds the filter's ".qeld" (the send adds it anyway).
::testing::Matcher<std::wstring> typedName(const std::wstring& path) {
  return ::testing::AnyOf(::testing::Eq(path), ::testing::Eq(path + L".qeld"));
}

// The pickers on their own, with labels from the scripted core library (each label is its key), and
// their dialogs answered by a watcher thread.
class PickDestination : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }

  // pickDestination while `answer` handles its dialogs; `dialogs` gets how many there were.
  Status pick(std::wstring& destination, PickMode mode, const DialogWatcher::Handler& answer) {
    Status status = 0;
    dialogs = whileAnswering(answer, [&] { status = pickDestination(destination, mode); });
    return status;
  }

  // No dialog may open: one that does is cancelled and counted.
  Status pickWithoutDialog(std::wstring& destination, PickMode mode) {
    return pick(destination, mode, [](HWND dialog, std::size_t) { press(dialog, IDCANCEL); });
  }

  ModuleFolderSetting moduleFolder{BRIVANE_SCRIPTED_CORE_DIR};
  ScriptedCore core;
  TemporaryFolder files;
  std::size_t dialogs = 0;
};

TEST_F(PickDestination, UnsecureToGivesTheChosenFolder) {
  const std::wstring out = files.folder(L"Out \U0001F600 & more");
  std::wstring destination = kDefault;
  bool chosen = false;
  EXPECT_EQ(pick(destination, PICK_MODE_UNSECURE_TO,
                 [&](HWND dialog, std::size_t) { chosen = selectFolder(dialog, out) && press(dialog, IDOK); }),
            STATUS_OK);
  EXPECT_TRUE(chosen);
  EXPECT_EQ(destination, out);
}

TEST_F(PickDestination, CancelledDialogsKeepTheDestination) {
  std::wstring destination = kDefault;
  const DialogWatcher::Handler cancel = [](HWND dialog, std::size_t) { press(dialog, IDCANCEL); };
  EXPECT_EQ(pick(destination, PICK_MODE_UNSECURE_TO, cancel), STATUS_FOLDER_NOT_CHOSEN);
  EXPECT_EQ(dialogs, 1u);
  EXPECT_EQ(pick(destination, PICK_MODE_NEW_SECURED_FOLDER, cancel), STATUS_PICK_CANCELLED);
  EXPECT_EQ(dialogs, 1u);
  EXPECT_EQ(destination, kDefault);
}

TEST_F(PickDestination, ANameTypedWithoutExtensionComesBackWithoutAndTheCurrentDirectoryNeverMoves) {
  const std::wstring docs = files.folder(L"Docs") + L"\\";
  const std::wstring callerFolder = files.folder(L"Caller");
  ASSERT_TRUE(SetCurrentDirectoryW(callerFolder.c_str()));
  std::wstring destination = docs;
  bool saved = false;
  CurrentDirectorySampler sampler;
  EXPECT_EQ(pick(destination, PICK_MODE_NEW_SECURED_FOLDER,
                 [&](HWND dialog, std::size_t) { saved = saveAs(dialog, L"Archive"); }),
            STATUS_OK);
  EXPECT_EQ(sampler.stop(), std::set<std::wstring>{callerFolder});
  EXPECT_GT(sampler.samples(), 1u);
  EXPECT_TRUE(saved);
  EXPECT_THAT(destination, typedName(docs + L"Archive"));
}

TEST_F(PickDestination, ADriveRootIsItsOwnStartingFolder) {
  std::wstring destination = L"C:\\";
  bool saved = false;
  EXPECT_EQ(pick(destination, PICK_MODE_NEW_SECURED_FOLDER,
                 [&](HWND dialog, std::size_t) { saved = saveAs(dialog, L"Archive"); }),
            STATUS_OK);
  EXPECT_TRUE(saved);
  EXPECT_THAT(destination, typedName(L"C:\\Archive"));
}

TEST_F(PickDestination, LabelFailuresShowNoDialog) {
  struct Case {
    PickMode mode;
    DWORD label;  // the request of the picker's load that fails
  };
  // Folder dialog: title, OK, Cancel, caption, new folder. Save dialog: the title.
  for (const Case& failing : {Case{PICK_MODE_UNSECURE_TO, 0}, Case{PICK_MODE_UNSECURE_TO, 2},
                              Case{PICK_MODE_UNSECURE_TO, 4}, Case{PICK_MODE_NEW_SECURED_FOLDER, 0}}) {
    std::wstring destination = kDefault;
    core.emptyAt(failing.label);
    EXPECT_EQ(pickWithoutDialog(destination, failing.mode), STATUS_LABEL_EMPTY) << "label " << failing.label;
    core.failAt(failing.label, -4711);
    core.emptyAt(MAXDWORD);
    EXPECT_EQ(pickWithoutDialog(destination, failing.mode), -4711) << "label " << failing.label;
    core.failAt(MAXDWORD, 0);
    EXPECT_EQ(dialogs, 0u);
    EXPECT_EQ(destination, kDefault);
  }
}

TEST_F(PickDestination, WithoutTheCoreLibraryNoDialogOpens) {
  for (const std::wstring& folder : {std::wstring(BRIVANE_CORE_WITHOUT_ENTRY_DIR), files.path()}) {
    moduleFolder.set(folder);
    for (PickMode mode : {PICK_MODE_UNSECURE_TO, PICK_MODE_NEW_SECURED_FOLDER}) {
      std::wstring destination = kDefault;
      EXPECT_EQ(pickWithoutDialog(destination, mode), STATUS_CORE_UNAVAILABLE);
      EXPECT_EQ(dialogs, 0u);
      EXPECT_EQ(destination, kDefault);
    }
  }
}

TEST_F(PickDestination, TheLabelsAreAskedInTheirOrder) {
  std::wstring destination = kDefault;
  EXPECT_EQ(pick(destination, PICK_MODE_UNSECURE_TO, [](HWND dialog, std::size_t) { press(dialog, IDCANCEL); }),
            STATUS_FOLDER_NOT_CHOSEN);
  EXPECT_EQ(core.keysAsked(), (std::vector<std::wstring>{L"contextmenu.pathdialog.unsecure",
                                                         L"contextmenu.pathdialog.unsecure_to_dialog.ok",
                                                         L"contextmenu.pathdialog.unsecure_to_dialog.cancel",
                                                         L"contextmenu.pathdialog.unsecure_to_dialog.caption",
                                                         L"contextmenu.pathdialog.unsecure_to_dialog.newfolder"}));
  EXPECT_EQ(core.loads(), core.frees());  // the library is not kept once the dialog is gone
}

TEST_F(PickDestination, FolderBrowserStartsAtItsRootWithTheInitialSelection) {
  FolderBrowser browser;
  browser.rootFolder = files.path();
  browser.initialSelection = files.folder(L"Inner");
  browser.caption = L"Caption";
  FolderDialogTexts shown;
  Status status = 0;
  dialogs = whileAnswering(
      [&](HWND dialog, std::size_t) {
        shown = folderDialogTexts(dialog);
        press(dialog, IDOK);
      },
      [&] { status = browser.browse(); });
  EXPECT_EQ(dialogs, 1u);
  EXPECT_EQ(status, STATUS_OK);
  EXPECT_EQ(browser.resultPath, browser.initialSelection);
  EXPECT_EQ(shown.caption, L"Caption");  // set again on the selection change that followed
}

TEST_F(PickDestination, FolderBrowserWithAnUnknownRootShowsNoDialog) {
  FolderBrowser browser;
  browser.rootFolder = files.pathOf(L"missing");
  Status status = 0;
  dialogs = whileAnswering([](HWND dialog, std::size_t) { press(dialog, IDCANCEL); },
                           [&] { status = browser.browse(); });
  EXPECT_EQ(status, STATUS_FOLDER_NOT_CHOSEN);
  EXPECT_EQ(dialogs, 0u);
  EXPECT_TRUE(browser.resultPath.empty());
}

}  // namespace
}  // namespace brivane::testing
