#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brivane {

// Creates the key when missing and stores a REG_SZ value (nullptr: the default value).
bool writeString(HKEY root, const std::wstring& key, const wchar_t* valueName, const std::wstring& text);
bool writeStrings(HKEY root, const std::wstring& key, const wchar_t* valueName, const std::vector<std::wstring>& texts);

bool readString(HKEY root, const std::wstring& key, const wchar_t* valueName, std::wstring& text);
std::vector<std::wstring> readStrings(HKEY root, const std::wstring& key, const wchar_t* valueName);

// Removes a value, and the key itself once it holds neither values nor sub-keys.
void removeValue(HKEY root, const std::wstring& key, const wchar_t* valueName);
void removeKeyIfEmpty(HKEY root, const std::wstring& key);

}  // namespace brivane
