#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "doubles/ScriptedCoreRegistry.h"

// Test-side control of the core library: which folder "ModuleFolder" names, and the scripted
// library's answers and records.
namespace brivane::testing {

// Points HKLM\Software\Brivane "ModuleFolder" at a folder (or removes it) for one scope; puts back what
// was there before.
class ModuleFolderSetting {
 public:
  ModuleFolderSetting() {
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, kProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, &disposition_);
    DWORD size = 0;
    if (RegGetValueW(key_, nullptr, kValue, RRF_RT_ANY | RRF_NOEXPAND, &previousType_, nullptr, &size) ==
        ERROR_SUCCESS) {
      previous_.emplace(size, 0);
      RegGetValueW(key_, nullptr, kValue, RRF_RT_ANY | RRF_NOEXPAND, nullptr, previous_->data(), &size);
    }
  }
  explicit ModuleFolderSetting(const std::wstring& folder) : ModuleFolderSetting() { set(folder); }
  ~ModuleFolderSetting() {
    if (previous_)
      RegSetValueExW(key_, kValue, 0, previousType_, previous_->data(), static_cast<DWORD>(previous_->size()));
    else
      RegDeleteValueW(key_, kValue);
    RegCloseKey(key_);
    if (disposition_ == REG_CREATED_NEW_KEY) RegDeleteKeyW(HKEY_LOCAL_MACHINE, kProductKey);
  }
  ModuleFolderSetting(const ModuleFolderSetting&) = delete;
  ModuleFolderSetting& operator=(const ModuleFolderSetting&) = delete;

  void set(const std::wstring& folder) {
    RegSetValueExW(key_, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
  }
  void remove() { RegDeleteValueW(key_, kValue); }

 private:
  static constexpr wchar_t kProductKey[] = L"Software\\Brivane";
  static constexpr wchar_t kValue[] = L"ModuleFolder";
  HKEY key_ = nullptr;
  DWORD disposition_ = 0;
  DWORD previousType_ = 0;
  std::optional<std::vector<BYTE>> previous_;
};

// A fresh script for the scripted core library, removed with everything it recorded at scope end.
class ScriptedCore {
 public:
  ScriptedCore() { clear(); }
  ~ScriptedCore() { clear(); }
  ScriptedCore(const ScriptedCore&) = delete;
  ScriptedCore& operator=(const ScriptedCore&) = delete;

  void answerStatus(int status) { scripted::writeScriptDword(scripted::kStatus, static_cast<DWORD>(status)); }
  void answerText(const std::wstring& text) { scripted::writeScriptString(scripted::kText, text); }
  void emptyAt(DWORD index) { scripted::writeScriptDword(scripted::kEmptyAt, index); }
  void failAt(DWORD index, int status) {
    scripted::writeScriptDword(scripted::kFailAt, index);
    scripted::writeScriptDword(scripted::kFailStatus, static_cast<DWORD>(status));
  }
  void appendNothing() { scripted::writeScriptDword(scripted::kAppendNothing, 1); }

  DWORD loads() const { return scripted::scriptDword(scripted::kLoads, 0); }
  DWORD frees() const { return scripted::scriptDword(scripted::kFrees, 0); }
  // The keys asked for since the script was set up, in call order (one load's calls).
  std::vector<std::wstring> keysAsked() const {
    std::vector<std::wstring> keys;
    std::wstring key;
    while (scripted::readScriptString(scripted::kKeyPrefix + std::to_wstring(keys.size()), key)) keys.push_back(key);
    return keys;
  }

 private:
  static void clear() { RegDeleteTreeW(HKEY_CURRENT_USER, scripted::kScriptKey); }
};

}  // namespace brivane::testing
