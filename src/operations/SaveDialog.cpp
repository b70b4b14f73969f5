#include "operations/SaveDialog.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <cwchar>
#include <mutex>

#include "operations/CurrentDirectory.h"
#include "operations/ProcessLock.h"

namespace brivane {
namespace {

constexpr wchar_t kSecuredFolderFilter[] = L"Secured Folder (*.qeld)\0*.qeld\0";
// The longest path the system hands out, terminator included.
constexpr std::size_t kLongestPath = 32768;

// Saves the current directory and puts it back at the end of the scope. The lock is held only while
// the directory is read and written, not while the modal dialog runs: another window's hand-off must
// not wait for the user.
class RestoredCurrentDirectory {
 public:
  RestoredCurrentDirectory() {
    std::lock_guard<std::mutex> guard(processStateLock());
    saved_ = currentDirectory();
  }
  ~RestoredCurrentDirectory() {
    if (saved_.empty()) return;
    std::lock_guard<std::mutex> guard(processStateLock());
    SetCurrentDirectoryW(saved_.c_str());
  }
  RestoredCurrentDirectory(const RestoredCurrentDirectory&) = delete;
  RestoredCurrentDirectory& operator=(const RestoredCurrentDirectory&) = delete;

 private:
  std::wstring saved_;
};

}  // namespace

bool askSecuredFolderFile(const std::wstring& title, const std::wstring& startFolder, const std::wstring& initialName,
                          std::wstring& chosen) {
  std::wstring file(kLongestPath, L'\0');
  std::copy_n(initialName.begin(), std::min(initialName.size(), kLongestPath - 1), file.begin());
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.lpstrFilter = kSecuredFolderFilter;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(kLongestPath);
  dialog.lpstrInitialDir = startFolder.empty() ? nullptr : startFolder.c_str();
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_EXPLORER;
  BOOL confirmed = FALSE;
  {
    RestoredCurrentDirectory restored;
    confirmed = GetSaveFileNameW(&dialog);
  }
  if (!confirmed) return false;
  file.resize(std::wcslen(file.c_str()));
  chosen = std::move(file);
  return true;
}

}  // namespace brivane
