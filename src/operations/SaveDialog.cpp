#include "operations/SaveDialog.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "support/Handles.h"

namespace brivane {
namespace {

const COMDLG_FILTERSPEC kSecuredFolderFilter{L"Secured Folder (*.qeld)", L"*.qeld"};

// The file dialog object leaves the current directory alone (the older GetSaveFileNameW moves it while
// browsing, whatever its flags); no overwrite prompt, and only file-system paths come back.
bool setUp(IFileSaveDialog* dialog, const std::wstring& title, const std::wstring& startFolder,
           const std::wstring& initialName) {
  FILEOPENDIALOGOPTIONS options = 0;
  if (FAILED(dialog->GetOptions(&options)) ||
      FAILED(dialog->SetOptions((options & ~FOS_OVERWRITEPROMPT) | FOS_NOCHANGEDIR | FOS_FORCEFILESYSTEM)) ||
      FAILED(dialog->SetFileTypes(1, &kSecuredFolderFilter)) || FAILED(dialog->SetTitle(title.c_str())) ||
      FAILED(dialog->SetFileName(initialName.c_str())))
    return false;
  ComPtr<IShellItem> folder;
  if (!startFolder.empty() &&
      SUCCEEDED(SHCreateItemFromParsingName(startFolder.c_str(), nullptr, IID_IShellItem, folder.outVoid())))
    dialog->SetFolder(folder.get());
  return true;
}

bool chosenPath(IFileSaveDialog* dialog, std::wstring& chosen) {
  ComPtr<IShellItem> item;
  PWSTR path = nullptr;
  if (FAILED(dialog->GetResult(item.out())) || FAILED(item->GetDisplayName(SIGDN_FILESYSPATH, &path))) return false;
  UniqueTaskString owned(path);
  chosen = owned.get();
  return true;
}

}  // namespace

bool askSecuredFolderFile(const std::wstring& title, const std::wstring& startFolder, const std::wstring& initialName,
                          std::wstring& chosen) {
  ComPtr<IFileSaveDialog> dialog;
  if (FAILED(CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileSaveDialog,
                              dialog.outVoid())) ||
      !setUp(dialog.get(), title, startFolder, initialName) || FAILED(dialog->Show(nullptr)))
    return false;
  return chosenPath(dialog.get(), chosen);
}

}  // namespace brivane
