#include "settings/RegistryHelpers.h"

#include <windows.h>

#include <cwchar>

#include "support/Handles.h"

namespace brivane {
namespace {

// 4,999 characters and their terminating NUL; a longer value counts as absent.
constexpr DWORD kStringBufferChars = 5000;

bool isStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// Byte size for a buffer of `chars` code units, kept even and within a DWORD.
DWORD byteSizeOf(DWORD chars) { return chars > MAXDWORD / 2 ? MAXDWORD - 1 : chars * 2; }

bool endsWithNul(const wchar_t* buffer, DWORD bytes) {
  return bytes % 2 == 0 && bytes >= 2 && buffer[bytes / 2 - 1] == L'\0';
}

// Empty when the key cannot be opened; what a failed open leaves in its out parameter is never kept.
RegKey openKey(HKEY root, const std::wstring& subKey, REGSAM access) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, subKey.c_str(), 0, access, &key) != ERROR_SUCCESS) return RegKey();
  return RegKey(key);
}

}  // namespace

LONG queryStringValue(HKEY key, const wchar_t* valueName, wchar_t* buffer, DWORD& inOutChars) {
  DWORD bytes = byteSizeOf(inOutChars);
  inOutChars = 0;
  DWORD type = REG_NONE;
  LONG result = RegQueryValueExW(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes);
  if (result != ERROR_SUCCESS) return result;
  if (!isStringType(type)) return ERROR_INVALID_DATA;
  if (buffer && !endsWithNul(buffer, bytes)) return ERROR_INVALID_DATA;
  inOutChars = bytes / 2;
  return ERROR_SUCCESS;
}

bool readRegString(HKEY root, const std::wstring& subKey, const std::wstring& valueName, std::wstring& out) {
  RegKey key = openKey(root, subKey, KEY_READ);
  if (!key) return false;
  std::wstring buffer(kStringBufferChars, L'\0');
  DWORD chars = kStringBufferChars;
  if (queryStringValue(key.get(), valueName.c_str(), buffer.data(), chars) != ERROR_SUCCESS) return false;
  buffer.resize(wcsnlen(buffer.c_str(), chars));
  out = std::move(buffer);
  return true;
}

bool readRegDword(HKEY root, const std::wstring& subKey, const std::wstring& valueName, DWORD& out) {
  RegKey key = openKey(root, subKey, KEY_READ);
  if (!key) return false;
  DWORD value = 0;
  DWORD bytes = sizeof value;
  DWORD type = REG_NONE;
  if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes) !=
      ERROR_SUCCESS)
    return false;
  // A shorter value of the right type would leave part of the number unset.
  if (type != REG_DWORD || bytes != sizeof value) return false;
  out = value;
  return true;
}

bool writeRegDword(HKEY root, const std::wstring& subKey, const std::wstring& valueName, DWORD value) {
  RegKey key = openKey(root, subKey, KEY_ALL_ACCESS);
  if (!key) return false;
  return RegSetValueExW(key.get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value) == ERROR_SUCCESS;
}

}  // namespace brivane
