#pragma once
#include <windows.h>

#include <string>
#include <utility>

#include "doubles/ScriptedCoreScript.h"

// Reads and writes the scripted core library's values; small enough to live in the header that the
// library and the tests both include.
namespace brivane::scripted {

inline bool readScriptDword(const wchar_t* name, DWORD& value) {
  DWORD size = sizeof value;
  return RegGetValueW(HKEY_CURRENT_USER, kScriptKey, name, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS;
}

inline DWORD scriptDword(const wchar_t* name, DWORD fallback) {
  DWORD value = 0;
  return readScriptDword(name, value) ? value : fallback;
}

inline bool readScriptString(const std::wstring& name, std::wstring& value) {
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, kScriptKey, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
      ERROR_SUCCESS)
    return false;
  std::wstring text(size / sizeof(wchar_t), L'\0');
  if (RegGetValueW(HKEY_CURRENT_USER, kScriptKey, name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &size) !=
      ERROR_SUCCESS)
    return false;
  text.resize(size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  value = std::move(text);
  return true;
}

inline void writeScriptDword(const wchar_t* name, DWORD value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kScriptKey, name, REG_DWORD, &value, sizeof value);
}

inline void writeScriptString(const std::wstring& name, const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kScriptKey, name.c_str(), REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace brivane::scripted
