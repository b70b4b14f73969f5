#pragma once
#include <windows.h>

#include <string>

#include "protocol/Status.h"

namespace brivane {

// The shell's folder browse dialog with texts of the product's language: caption, instruction line and
// the three buttons are set on every notification of the dialog, so a selection change cannot bring the
// dialog's own texts back.
class FolderBrowser {
 public:
  // Runs the modal dialog, owned by `owner` (none: no parent). 0 when a file-system folder was chosen:
  // resultPath holds its path and imageIndex its system image index. STATUS_FOLDER_NOT_CHOSEN when the
  // user cancelled, rootFolder cannot be parsed, or the chosen item has no file-system path.
  Status browse(HWND owner = nullptr);

  std::wstring resultPath;
  std::wstring rootFolder;        // the dialog's root; empty: the desktop
  std::wstring initialSelection;  // selected when the dialog starts; empty: the dialog's choice
  std::wstring caption;
  std::wstring instruction;
  std::wstring okText;
  std::wstring cancelText;
  std::wstring newFolderText;
  int imageIndex = 0;
};

}  // namespace brivane
