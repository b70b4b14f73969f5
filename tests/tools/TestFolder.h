#pragma once
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace brivane::testing {

// A fresh folder under the temporary folder, removed with its content at the end of the scope.
class TestFolder {
 public:
  TestFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    path_ = std::wstring(temp) + L"shellhost-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(counter()++);
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TestFolder() {
    std::wstring from = path_ + L'\0';  // the operation takes a double-terminated list
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::wstring& path() const { return path_; }
  std::wstring child(const std::wstring& name) const { return path_ + L"\\" + name; }

  // Creates a file holding a few bytes; its full path.
  std::wstring file(const std::wstring& name) const {
    std::wstring full = child(name);
    HANDLE handle = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(handle, "data", 4, &written, nullptr);
      CloseHandle(handle);
    }
    return full;
  }
  std::wstring folder(const std::wstring& name) const {
    std::wstring full = child(name);
    CreateDirectoryW(full.c_str(), nullptr);
    return full;
  }

 private:
  static int& counter() {
    static int value = 0;
    return value;
  }
  std::wstring path_;
};

}  // namespace brivane::testing
