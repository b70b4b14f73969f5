#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brivane {

// Files and folders made for one test under a folder of its own in a given place (the temporary folder
// unless told otherwise); everything made is removed at the end, newest first.
class SelectionTempFolder {
 public:
  explicit SelectionTempFolder(std::wstring parent = temporaryFolder()) {
    if (!parent.empty() && parent.back() != L'\\') parent += L'\\';
    path_ = folder(parent + L"brivane-selection-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++counter()));
  }
  ~SelectionTempFolder() {
    for (auto made = made_.rbegin(); made != made_.rend(); ++made)
      made->second ? RemoveDirectoryW(made->first.c_str()) : DeleteFileW(made->first.c_str());
  }
  SelectionTempFolder(const SelectionTempFolder&) = delete;
  SelectionTempFolder& operator=(const SelectionTempFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring file(const std::wstring& name) {
    const std::wstring file = path_ + L"\\" + name;
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return file;
    CloseHandle(handle);
    made_.emplace_back(file, false);
    return file;
  }
  std::wstring subfolder(const std::wstring& name) { return folder(path_ + L"\\" + name); }
  std::wstring missing(const std::wstring& name) const { return path_ + L"\\" + name; }
  // A file written in the long form ("\\?\" and the full path) of exactly `length` characters, in
  // folders of 200 characters each, its name ending in `extension`.
  std::wstring longFormFile(std::size_t length, const std::wstring& extension) {
    const std::size_t fixed = 4 + path_.size() + 1;
    std::wstring relative;
    while (fixed + relative.size() + 201 + 20 < length) {
      relative += std::wstring(200, L'd');
      subfolder(relative);
      relative += L'\\';
    }
    const std::size_t nameLength = length - fixed - relative.size();
    return L"\\\\?\\" + file(relative + std::wstring(nameLength - extension.size(), L'n') + extension);
  }

 private:
  static std::wstring temporaryFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    return temp;
  }
  static unsigned& counter() {
    static unsigned count = 0;
    return count;
  }
  std::wstring folder(const std::wstring& path) {
    if (CreateDirectoryW(path.c_str(), nullptr)) made_.emplace_back(path, true);
    return path;
  }

  std::wstring path_;
  std::vector<std::pair<std::wstring, bool>> made_;
};

}  // namespace brivane
