#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "support/Handles.h"

namespace brivane::testing {

// Keeps every value of HKCU\Software\Brivane\MRU_qelf, empties the key for the test and puts the values
// back (or removes the key again when it did not exist) at the end.
class SavedHistoryKey {
 public:
  static constexpr wchar_t kPath[] = L"Software\\Brivane\\MRU_qelf";

  SavedHistoryKey() {
    RegKey key;
    existed_ = RegOpenKeyExW(HKEY_CURRENT_USER, kPath, 0, KEY_READ, key.out()) == ERROR_SUCCESS;
    for (DWORD index = 0; existed_; ++index) {
      Value value;
      wchar_t name[256];
      DWORD nameChars = 256;
      DWORD bytes = 0;
      if (RegEnumValueW(key.get(), index, name, &nameChars, nullptr, &value.type, nullptr, &bytes) != ERROR_SUCCESS)
        break;
      value.name = name;
      value.data.resize(bytes);
      nameChars = 256;
      RegEnumValueW(key.get(), index, name, &nameChars, nullptr, nullptr, value.data.data(), &bytes);
      saved_.push_back(std::move(value));
    }
    key.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kPath);
  }
  ~SavedHistoryKey() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kPath);
    if (!existed_) return;
    RegKey key;
    RegCreateKeyExW(HKEY_CURRENT_USER, kPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.out(), nullptr);
    for (const Value& value : saved_)
      RegSetValueExW(key.get(), value.name.c_str(), 0, value.type, value.data.data(),
                     static_cast<DWORD>(value.data.size()));
  }
  SavedHistoryKey(const SavedHistoryKey&) = delete;
  SavedHistoryKey& operator=(const SavedHistoryKey&) = delete;

  static void setLimits(DWORD recentLimit, DWORD nearLimit) {
    setDword(L"max_history", recentLimit);
    setDword(L"max_qelf", nearLimit);
  }
  // History entries "1", "2", ... naming the paths.
  static void setRecent(const std::vector<std::wstring>& paths) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      const std::wstring name = std::to_wstring(i + 1);
      RegSetKeyValueW(HKEY_CURRENT_USER, kPath, name.c_str(), REG_SZ, paths[i].c_str(),
                      static_cast<DWORD>((paths[i].size() + 1) * sizeof(wchar_t)));
    }
  }

 private:
  struct Value {
    std::wstring name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
  };
  static void setDword(const wchar_t* name, DWORD value) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kPath, name, REG_DWORD, &value, sizeof value);
  }

  bool existed_ = false;
  std::vector<Value> saved_;
};

}  // namespace brivane::testing
