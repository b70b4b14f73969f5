#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace brivane {

// The module (DLL or executable) this code is linked into; every resource is loaded from it explicitly.
inline HINSTANCE moduleInstance() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&moduleInstance), &module);
  return module;
}

// The full path of a module's file, however long (up to the longest path the system has); none when
// the system cannot name it.
std::optional<std::wstring> modulePath(HMODULE module);

}  // namespace brivane
