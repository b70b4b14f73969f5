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

// The setting that gives the temporary folder, in the order they are tried.
enum class TempFolderSource { None, UserTempFolder, MachineTempFolder, LocalSettings, AppData };

// readTempFolder, also telling which setting answered (None: `out` unchanged).
TempFolderSource readTempFolderFrom(const std::wstring& productKeyName, std::wstring& out);

}  // namespace brivane
