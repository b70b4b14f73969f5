#include "RegistryValue.h"

#include <cwchar>
#include <vector>

#include "support/Handles.h"

namespace brivane {
namespace {

struct TypeName {
  DWORD type;
  const wchar_t* name;
};

constexpr TypeName kTypeNames[] = {
    {REG_NONE, L"REG_NONE"},     {REG_SZ, L"REG_SZ"},       {REG_EXPAND_SZ, L"REG_EXPAND_SZ"},
    {REG_BINARY, L"REG_BINARY"}, {REG_DWORD, L"REG_DWORD"}, {REG_MULTI_SZ, L"REG_MULTI_SZ"},
    {REG_QWORD, L"REG_QWORD"},
};

// The extension reads strings into a buffer of this many characters, the NUL included.
constexpr DWORD kStringLimit = 5000;

bool isStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

bool endsWithNul(const std::vector<BYTE>& data) {
  return data.size() >= sizeof(wchar_t) && data.size() % sizeof(wchar_t) == 0 && data[data.size() - 1] == 0 &&
         data[data.size() - 2] == 0;
}

}  // namespace

RawValue readRawValue(HKEY root, const std::wstring& subKey, const wchar_t* valueName, REGSAM view) {
  RawValue value;
  RegKey key;
  if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_READ | view, key.out()) != ERROR_SUCCESS) return value;
  value.keyFound = true;
  if (RegQueryValueExW(key.get(), valueName, nullptr, &value.type, nullptr, &value.bytes) != ERROR_SUCCESS)
    return value;
  value.valueFound = true;
  std::vector<BYTE> data(value.bytes + sizeof(wchar_t), 0);
  DWORD size = value.bytes;
  if (RegQueryValueExW(key.get(), valueName, nullptr, nullptr, data.data(), &size) != ERROR_SUCCESS) return value;
  if (isStringType(value.type)) {
    value.text.assign(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    value.text.resize(wcsnlen(value.text.c_str(), value.text.size()));
  }
  data.resize(size);
  value.terminated = !isStringType(value.type) || endsWithNul(data);
  return value;
}

std::wstring registryTypeName(DWORD type) {
  for (const TypeName& entry : kTypeNames)
    if (entry.type == type) return entry.name;
  return L"type " + std::to_wstring(type);
}

std::wstring registryPlace(HKEY root, const std::wstring& subKey, const wchar_t* valueName, REGSAM view) {
  std::wstring place = root == HKEY_CLASSES_ROOT    ? L"HKCR\\"
                       : root == HKEY_LOCAL_MACHINE ? L"HKLM\\"
                       : root == HKEY_CURRENT_USER  ? L"HKCU\\"
                                                    : L"";
  place += subKey;
  if (valueName) place += std::wstring(L"\\") + (*valueName ? valueName : L"(default)");
  if (view & KEY_WOW64_32KEY) place += L" (32-bit view)";
  return place;
}

std::wstring whyStringRefused(const RawValue& value, const std::wstring& place) {
  if (!value.keyFound) return place + L": the key is missing";
  if (!value.valueFound) return place + L" is missing";
  if (!isStringType(value.type)) return place + L" is " + registryTypeName(value.type) + L", not a string";
  if (!value.terminated) return place + L" is a string without its terminating NUL";
  if (value.bytes > kStringLimit * sizeof(wchar_t))
    return place + L" holds " + std::to_wstring(value.bytes / sizeof(wchar_t) - 1) +
           L" characters; at most 4999 are read";
  return place + L" cannot be read";
}

}  // namespace brivane
