#include "operations/FolderBrowser.h"

#include <shlobj.h>

#include <cwchar>
#include <utility>

#include "support/Handles.h"

namespace brivane {
namespace {

// Only file-system folders (and their ancestors) can be chosen, in the dialog with the new-folder button.
constexpr UINT kBrowseFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_NEWDIALOGSTYLE;
constexpr int kInstructionControl = 0x3742;
constexpr int kNewFolderControl = 0x3746;
// The longest path the system hands out, terminator included.
constexpr DWORD kLongestPath = 32768;

struct ControlText {
  int id;
  std::wstring FolderBrowser::*text;
};

// In the order they are set.
const ControlText kControlTexts[] = {
    {IDOK, &FolderBrowser::okText},
    {IDCANCEL, &FolderBrowser::cancelText},
    {kNewFolderControl, &FolderBrowser::newFolderText},
    {kInstructionControl, &FolderBrowser::instruction},
};

bool parseFolder(const std::wstring& folder, UniqueItemIdList& item) {
  ComPtr<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.out()))) return false;
  std::wstring name = folder;  // the parser takes a writable text
  return SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, name.data(), nullptr,
                                             reinterpret_cast<PIDLIST_RELATIVE*>(item.out()), nullptr));
}

void applyTexts(HWND dialog, const FolderBrowser& browser) {
  SetWindowTextW(dialog, browser.caption.c_str());
  for (const ControlText& control : kControlTexts) {
    if (HWND window = GetDlgItem(dialog, control.id)) SetWindowTextW(window, (browser.*control.text).c_str());
  }
}

int CALLBACK onNotification(HWND dialog, UINT message, LPARAM, LPARAM data) {
  const FolderBrowser& browser = *reinterpret_cast<const FolderBrowser*>(data);
  if (message == BFFM_INITIALIZED && !browser.initialSelection.empty()) {
    SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(browser.initialSelection.c_str()));
  } else {
    applyTexts(dialog, browser);
  }
  return 0;
}

std::wstring fileSystemPath(LPCITEMIDLIST item) {
  std::wstring path(kLongestPath, L'\0');
  if (!SHGetPathFromIDListEx(item, path.data(), kLongestPath, GPFIDL_DEFAULT)) return {};
  path.resize(std::wcslen(path.c_str()));
  return path;
}

}  // namespace

Status FolderBrowser::browse(HWND owner) {
  UniqueItemIdList root;
  if (!rootFolder.empty() && !parseFolder(rootFolder, root)) return STATUS_FOLDER_NOT_CHOSEN;

  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.get();
  info.pszDisplayName = displayName;
  info.ulFlags = kBrowseFlags;
  info.lpfn = onNotification;
  info.lParam = reinterpret_cast<LPARAM>(this);
  const UniqueItemIdList chosen(SHBrowseForFolderW(&info));
  if (!chosen) return STATUS_FOLDER_NOT_CHOSEN;

  resultPath = displayName;
  imageIndex = info.iImage;
  std::wstring path = fileSystemPath(chosen.get());
  if (path.empty()) return STATUS_FOLDER_NOT_CHOSEN;
  resultPath = std::move(path);
  return STATUS_OK;
}

}  // namespace brivane
