#pragma once
#include <windows.h>

#include <string>

namespace brivane {

LONG queryStringValue(HKEY key, const wchar_t* valueName, wchar_t* buffer, DWORD& inOutChars);
bool readRegString(HKEY root, const std::wstring& subKey, const std::wstring& valueName, std::wstring& out);
bool readRegDword(HKEY root, const std::wstring& subKey, const std::wstring& valueName, DWORD& out);
bool writeRegDword(HKEY root, const std::wstring& subKey, const std::wstring& valueName, DWORD value);

bool readModuleFolder(const std::wstring& productKeyName, std::wstring& out);
bool coreLibraryPath(const std::wstring& productKeyName, std::wstring& out);
bool readTempFolder(const std::wstring& productKeyName, std::wstring& out);

}  // namespace brivane
