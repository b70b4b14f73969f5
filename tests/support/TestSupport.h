#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "support/Handles.h"

// Shared helpers of the tests: folders and files of their own, registry values set for one scope, and
// waiting for what another process does.
namespace brivane::testing {

inline std::string toUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}

inline std::wstring fromUtf8(const std::string& bytes) {
  if (bytes.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
  return text;
}

inline bool fileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The whole content of a file; none when it cannot be opened.
inline std::optional<std::string> readFileBytes(const std::wstring& path) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  return bytes;
}

inline bool writeFileBytes(const std::wstring& path, const std::string& bytes) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

// The names (not paths) of the entries of `folder` that match the wildcard `pattern`, in the order found.
inline std::vector<std::wstring> namesMatching(const std::wstring& folder, const std::wstring& pattern) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  UniqueFind find(FindFirstFileW((folder + L"\\" + pattern).c_str(), &data));
  if (!find) return names;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (FindNextFileW(find.get(), &data));
  return names;
}

// Removes a folder with everything below it.
inline void removeTree(const std::wstring& folder) {
  for (const std::wstring& name : namesMatching(folder, L"*")) {
    const std::wstring path = folder + L"\\" + name;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      removeTree(path);
    } else {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
  }
  RemoveDirectoryW(folder.c_str());
}

// Polls `condition` until it holds or `timeoutMs` have passed; true when it held.
inline bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 30000) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(20);
  }
}

// A new, empty folder under the temporary folder, removed with its content at scope end. Its path has
// no trailing backslash.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    static std::atomic<unsigned> counter{0};
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, base);
    path_ = std::wstring(base) + L"brivane-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(counter++);
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~TemporaryFolder() { removeTree(path_); }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::wstring& path() const { return path_; }
  // The full path of `name` inside the folder; nothing is created.
  std::wstring pathOf(const std::wstring& name) const { return path_ + L"\\" + name; }
  // Creates (or replaces) the file `name` holding `bytes`; returns its full path.
  std::wstring file(const std::wstring& name, const std::string& bytes = {}) const {
    const std::wstring path = pathOf(name);
    writeFileBytes(path, bytes);
    return path;
  }
  // Creates the folder `name` (and the missing ones on the way); returns its full path.
  std::wstring folder(const std::wstring& name) const {
    const std::wstring path = pathOf(name);
    for (std::size_t separator = path.find(L'\\', path_.size() + 1); separator != std::wstring::npos;
         separator = path.find(L'\\', separator + 1))
      CreateDirectoryW(path.substr(0, separator).c_str(), nullptr);
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
  }

 private:
  std::wstring path_;
};

// One registry value changed for one scope: what was there before, or its absence, is put back at the
// end, and a key created for it is removed again once it is empty.
class RegistryValue {
 public:
  RegistryValue(HKEY root, std::wstring subKey, std::wstring valueName)
      : root_(root), subKey_(std::move(subKey)), valueName_(std::move(valueName)) {
    RegCreateKeyExW(root_, subKey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.out(), &disposition_);
    DWORD size = 0;
    if (RegQueryValueExW(key_.get(), valueName_.c_str(), nullptr, &previousType_, nullptr, &size) == ERROR_SUCCESS) {
      previous_.emplace(size, 0);
      RegQueryValueExW(key_.get(), valueName_.c_str(), nullptr, nullptr, previous_->data(), &size);
    }
  }
  ~RegistryValue() {
    if (previous_)
      RegSetValueExW(key_.get(), valueName_.c_str(), 0, previousType_, previous_->data(),
                     static_cast<DWORD>(previous_->size()));
    else
      remove();
    DWORD subKeys = 0;
    DWORD values = 0;
    const bool empty = RegQueryInfoKeyW(key_.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                                        nullptr, nullptr, nullptr) == ERROR_SUCCESS &&
                       subKeys == 0 && values == 0;
    key_.reset();
    if (disposition_ == REG_CREATED_NEW_KEY && empty) RegDeleteKeyW(root_, subKey_.c_str());
  }
  RegistryValue(const RegistryValue&) = delete;
  RegistryValue& operator=(const RegistryValue&) = delete;

  void setString(const std::wstring& text, DWORD type = REG_SZ) {
    RegSetValueExW(key_.get(), valueName_.c_str(), 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  void setDword(DWORD value) {
    RegSetValueExW(key_.get(), valueName_.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
  void remove() { RegDeleteValueW(key_.get(), valueName_.c_str()); }

 private:
  HKEY root_;
  std::wstring subKey_;
  std::wstring valueName_;
  RegKey key_;
  DWORD disposition_ = 0;
  DWORD previousType_ = 0;
  std::optional<std::vector<BYTE>> previous_;
};

}  // namespace brivane::testing
