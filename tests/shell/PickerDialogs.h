#pragma once
// The destination dialogs as a person meets them: a watcher thread finds each dialog (class #32770)
// that the test's thread opens, reads what it shows and presses its buttons. Built on the Explorer
// stand-in's window access, which sends every message with a time limit.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <functional>
#include <string>

#include "DialogWatcher.h"
#include "FolderTreeWalk.h"
#include "WindowAccess.h"

namespace brivane::testing {

// Control identifiers of the folder browse dialog.
constexpr int kFolderInstruction = 0x3742;
constexpr int kFolderNewFolder = 0x3746;
// The explorer-style save dialog's file name box, and that of the older dialog.
constexpr int kSaveFileNameCombo = 0x047C;
constexpr int kSaveFileNameEdit = 0x0480;

// Runs `modal` on this thread while `answer` gets every dialog it opens (on the watcher thread; it must
// close the dialog). The number of dialogs seen.
inline std::size_t whileAnswering(const DialogWatcher::Handler& answer, const std::function<void()>& modal) {
  DialogWatcher watcher(GetCurrentThreadId(), answer);
  modal();
  return watcher.finish();
}

// The folder dialog's five texts: its caption, the instruction line and the three buttons.
struct FolderDialogTexts {
  std::wstring caption;
  std::wstring instruction;
  std::wstring ok;
  std::wstring cancel;
  std::wstring newFolder;
  bool operator==(const FolderDialogTexts&) const = default;
};

inline std::wstring controlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  return control ? windowText(control) : L"(no control)";
}

inline FolderDialogTexts folderDialogTexts(HWND dialog) {
  return {windowText(dialog), controlText(dialog, kFolderInstruction), controlText(dialog, IDOK),
          controlText(dialog, IDCANCEL), controlText(dialog, kFolderNewFolder)};
}

inline void setControlText(HWND dialog, int id, const std::wstring& text) {
  if (HWND control = GetDlgItem(dialog, id))
    sendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Gives all five the same text, so that a later reading shows whether the dialog's owner set them again.
inline void overwriteFolderDialogTexts(HWND dialog, const std::wstring& text) {
  sendWithTimeout(dialog, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  for (int id : {kFolderInstruction, IDOK, IDCANCEL, kFolderNewFolder}) setControlText(dialog, id, text);
}

inline HWND folderTree(HWND dialog) {
  for (HWND child : childWindows(dialog)) {
    if (windowClass(child) == WC_TREEVIEWW) return child;
  }
  return nullptr;
}

// Clicks through the dialog's tree to the folder; false when it is not found there.
inline bool selectFolder(HWND dialog, const std::wstring& path) {
  return selectFolderInTree(folderTree(dialog), path);
}

inline HWND saveDialogNameBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, kSaveFileNameCombo);
  return box ? box : GetDlgItem(dialog, kSaveFileNameEdit);
}

inline std::wstring saveDialogFileName(HWND dialog) { return windowText(saveDialogNameBox(dialog)); }

// Presses a button and gives the dialog time to close; false when it stays open.
inline bool press(HWND dialog, int id) { return clickButton(dialog, id) && waitUntilClosed(dialog, 10000); }

// Types a name into the save dialog and confirms it.
inline bool saveAs(HWND dialog, const std::wstring& name) {
  sendWithTimeout(saveDialogNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  return press(dialog, IDOK);
}

}  // namespace brivane::testing
