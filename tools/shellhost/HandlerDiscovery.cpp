#include "HandlerDiscovery.h"

#include <objbase.h>

#include <algorithm>

#include "support/Handles.h"

namespace brivane {
namespace {

bool readDefaultValue(HKEY root, const std::wstring& subKey, std::wstring& out) {
  DWORD bytes = 0;
  if (RegGetValueW(root, subKey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
    return false;
  }
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (RegGetValueW(root, subKey.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &bytes) != ERROR_SUCCESS) {
    return false;
  }
  value.resize(wcsnlen(value.c_str(), value.size()));
  out = value;
  return true;
}

std::vector<std::wstring> subKeyNames(HKEY key) {
  std::vector<std::wstring> names;
  DWORD count = 0, longest = 0;
  if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr) != ERROR_SUCCESS) {
    return names;
  }
  std::wstring name(longest + 1, L'\0');
  for (DWORD index = 0; index < count; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumKeyExW(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS) {
      names.emplace_back(name.c_str(), length);
    }
  }
  return names;
}

bool handlerNamedBy(HKEY listKey, const std::wstring& entry, RegisteredHandler& handler) {
  std::wstring text;
  if (readDefaultValue(listKey, entry, text) && parseClsid(text, handler.clsid)) {
    handler.clsidText = text;
    return true;
  }
  if (parseClsid(entry, handler.clsid)) {
    handler.clsidText = entry;
    return true;
  }
  return false;
}

bool fileExtension(const std::wstring& path, std::wstring& extension) {
  size_t dot = path.find_last_of(L".\\");
  if (dot == std::wstring::npos || path[dot] != L'.') return false;
  extension = path.substr(dot);
  return true;
}

}  // namespace

bool parseClsid(const std::wstring& text, CLSID& clsid) {
  return text.size() == 38 && SUCCEEDED(CLSIDFromString(text.c_str(), &clsid));
}

std::vector<RegisteredHandler> handlersListedUnder(HKEY root, const std::wstring& subKey) {
  std::vector<RegisteredHandler> handlers;
  RegKey list;
  if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ, list.out()) != ERROR_SUCCESS) return handlers;
  for (const std::wstring& entry : subKeyNames(list.get())) {
    RegisteredHandler handler{};
    if (handlerNamedBy(list.get(), entry, handler)) handlers.push_back(handler);
  }
  return handlers;
}

std::vector<RegisteredHandler> contextMenuHandlers(bool firstItemIsFolder) {
  const wchar_t* listKey =
      firstItemIsFolder ? L"Folder\\shellex\\ContextMenuHandlers" : L"*\\shellex\\ContextMenuHandlers";
  std::vector<RegisteredHandler> unique;
  for (const RegisteredHandler& handler : handlersListedUnder(HKEY_CLASSES_ROOT, listKey)) {
    bool seen = std::any_of(unique.begin(), unique.end(),
                            [&](const RegisteredHandler& other) { return IsEqualCLSID(other.clsid, handler.clsid); });
    if (!seen) unique.push_back(handler);
  }
  return unique;
}

bool dropHandlerForFile(const std::wstring& path, RegisteredHandler& handler) {
  std::wstring extension, progId, text;
  if (!fileExtension(path, extension) || !readDefaultValue(HKEY_CLASSES_ROOT, extension, progId) || progId.empty()) {
    return false;
  }
  if (!readDefaultValue(HKEY_CLASSES_ROOT, progId + L"\\shellex\\DropHandler", text)) return false;
  if (!parseClsid(text, handler.clsid)) return false;
  handler.clsidText = text;
  return true;
}

}  // namespace brivane
