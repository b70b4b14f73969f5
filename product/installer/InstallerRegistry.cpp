#include "InstallerRegistry.h"

#include <algorithm>

#include "support/Handles.h"

namespace brivane {
namespace {

bool writeValue(HKEY root, const std::wstring& key, const wchar_t* valueName, DWORD type, const std::wstring& data) {
  RegKey opened;
  if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, opened.out(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExW(opened.get(), valueName, 0, type, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool readValue(HKEY root, const std::wstring& key, const wchar_t* valueName, DWORD flags, std::wstring& data) {
  DWORD bytes = 0;
  if (RegGetValueW(root, key.c_str(), valueName, flags, nullptr, nullptr, &bytes) != ERROR_SUCCESS) return false;
  std::wstring buffer(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegGetValueW(root, key.c_str(), valueName, flags, nullptr, buffer.data(), &bytes) != ERROR_SUCCESS) return false;
  buffer.resize(bytes / sizeof(wchar_t));
  data = buffer;
  return true;
}

}  // namespace

bool writeString(HKEY root, const std::wstring& key, const wchar_t* valueName, const std::wstring& text) {
  return writeValue(root, key, valueName, REG_SZ, text);
}

bool writeStrings(HKEY root, const std::wstring& key, const wchar_t* valueName,
                  const std::vector<std::wstring>& texts) {
  std::wstring data;
  for (const std::wstring& text : texts) data += text + L'\0';
  return writeValue(root, key, valueName, REG_MULTI_SZ, data);  // the writer adds the list's final NUL
}

bool readString(HKEY root, const std::wstring& key, const wchar_t* valueName, std::wstring& text) {
  std::wstring data;
  if (!readValue(root, key, valueName, RRF_RT_REG_SZ, data)) return false;
  text = data.substr(0, data.find(L'\0'));
  return true;
}

std::vector<std::wstring> readStrings(HKEY root, const std::wstring& key, const wchar_t* valueName) {
  std::vector<std::wstring> texts;
  std::wstring data;
  if (!readValue(root, key, valueName, RRF_RT_REG_MULTI_SZ, data)) return texts;
  for (size_t start = 0; start < data.size();) {
    const size_t end = std::min(data.find(L'\0', start), data.size());
    if (end == start) break;
    texts.push_back(data.substr(start, end - start));
    start = end + 1;
  }
  return texts;
}

void removeValue(HKEY root, const std::wstring& key, const wchar_t* valueName) {
  RegKey opened;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_SET_VALUE, opened.out()) == ERROR_SUCCESS) {
    RegDeleteValueW(opened.get(), valueName);
  }
}

void removeKeyIfEmpty(HKEY root, const std::wstring& key) {
  RegKey opened;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, opened.out()) != ERROR_SUCCESS) return;
  DWORD subKeys = 0, values = 0;
  if (RegQueryInfoKeyW(opened.get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr,
                       nullptr, nullptr) != ERROR_SUCCESS) {
    return;
  }
  opened.reset();
  if (subKeys == 0 && values == 0) RegDeleteKeyW(root, key.c_str());
}

}  // namespace brivane
