#include "module/Registration.h"

#include <string>

#include "module/RegistrationInputs.h"
#include "module/RegistrationTables.h"
#include "support/Handles.h"
#include "support/ModuleInstance.h"

namespace brivane {
namespace {

// A row's value name; empty, the key's default value, for none.
std::wstring valueNameOf(const wchar_t* format, const std::wstring& classId) {
  return format ? fillFormat(format, classId) : std::wstring();
}

bool writeRow(const RegistrationRow& row, const std::wstring& classId, const std::wstring& path) {
  RegKey key;
  if (RegCreateKeyExW(row.root, fillFormat(row.key, classId).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_WRITE, nullptr, key.out(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::wstring name = valueNameOf(row.valueName, classId);
  const std::wstring data = fillFormat(row.data, row.argument == RowArgument::ModulePath ? path : classId);
  // The stored length counts the terminating null. Once the key exists, a failure to set is not reported.
  RegSetValueExW(key.get(), row.valueName ? name.c_str() : nullptr, 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(data.c_str()), static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  return true;
}

bool removeRow(const RemovalRow& row, const std::wstring& classId) {
  const std::wstring key = fillFormat(row.key, classId);
  if (!row.valueName) return RegDeleteKeyW(row.root, key.c_str()) == ERROR_SUCCESS;
  return RegDeleteKeyValueW(row.root, key.c_str(), valueNameOf(row.valueName, classId).c_str()) == ERROR_SUCCESS;
}

}  // namespace

HRESULT registerServer() {
  const std::optional<std::wstring> classId = classIdString();
  const std::optional<std::wstring> path = modulePath(moduleInstance());
  if (!classId || !path) return SELFREG_E_CLASS;
  const bool nt = isNtPlatform();
  for (const RegistrationRow& row : registrationRows()) {
    if (row.ntOnly && !nt) continue;
    if (!writeRow(row, *classId, *path)) return SELFREG_E_CLASS;
  }
  return S_OK;
}

HRESULT unregisterServer() {
  const std::optional<std::wstring> classId = classIdString();
  if (!classId) return SELFREG_E_CLASS;
  const bool nt = isNtPlatform();
  for (const RemovalRow& row : removalRows()) {
    if (row.ntOnly && !nt) continue;
    if (!removeRow(row, *classId) && row.required) return SELFREG_E_CLASS;
  }
  return S_OK;
}

}  // namespace brivane
