#pragma once
#include <windows.h>

#include <string>

// Registry values read and written within one call: each opens its key and closes it again.
namespace brivane {

// A string value (REG_SZ or REG_EXPAND_SZ) of an open key into a buffer of `inOutChars` characters;
// on success `inOutChars` holds the characters stored, terminator included.
LONG queryStringValue(HKEY key, const wchar_t* valueName, wchar_t* buffer, DWORD& inOutChars);
bool readRegString(HKEY root, const std::wstring& subKey, const std::wstring& valueName, std::wstring& out);
bool readRegDword(HKEY root, const std::wstring& subKey, const std::wstring& valueName, DWORD& out);
bool writeRegDword(HKEY root, const std::wstring& subKey, const std::wstring& valueName, DWORD value);

}  // namespace brivane
