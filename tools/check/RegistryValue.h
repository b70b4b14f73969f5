#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace brivane {

// One registry value as stored, read without interpreting it, to explain why a setting is refused.
struct RawValue {
  bool keyFound = false;
  bool valueFound = false;
  DWORD type = REG_NONE;
  DWORD bytes = 0;
  bool terminated = true;  // a string value's data ends with a NUL
  std::wstring text;       // the characters of a string value, up to its first NUL
};

// view: 0 for this process's own registry view, KEY_WOW64_32KEY for what a 32-bit program reads.
RawValue readRawValue(HKEY root, const std::wstring& subKey, const wchar_t* valueName, REGSAM view = 0);

// "REG_SZ", "REG_DWORD", ... or "type N".
std::wstring registryTypeName(DWORD type);

// "HKCR\key" or "HKLM\key\name": where a value lives, as a support engineer types it in regedit; a
// place in the 32-bit view (KEY_WOW64_32KEY) says so: "HKLM\key\name (32-bit view)".
std::wstring registryPlace(HKEY root, const std::wstring& subKey, const wchar_t* valueName = nullptr,
                           REGSAM view = 0);

// Why a string setting that the extension refused is refused: the key or the value is missing, the
// type is not a string, it is too long or lacks its terminating NUL.
std::wstring whyStringRefused(const RawValue& value, const std::wstring& place);

}  // namespace brivane
