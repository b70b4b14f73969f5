#pragma once
#include <string>

namespace brivane::core {

// The folder this library was loaded from, ending in "\"; empty when it cannot be told.
std::wstring moduleFolder();

// The whole file decoded from UTF-8 (a leading byte order mark dropped); false when it cannot be read.
bool readUtf8File(const std::wstring& path, std::wstring& text);

// Looks `key` up in resource text: lines of key=text, "#" lines and blank lines skipped. The key is
// everything before the first "=", the value everything after it up to the line end. First match wins.
bool findResourceString(const std::wstring& text, const std::wstring& key, std::wstring& value);

}  // namespace brivane::core
