#include "module/RegistrationInputs.h"

#include <windows.h>
#include <objbase.h>

#include "module/ClassId.h"
#include "support/Handles.h"
#include "support/ModuleInstance.h"

namespace brivane {

std::optional<std::wstring> classIdString() {
  UniqueTaskString text;
  if (FAILED(StringFromIID(kShellExtensionClassId, text.out()))) return std::nullopt;
  return std::wstring(text.get());
}

// A path that fills the buffer may have been cut, so the buffer grows until the path fits.
std::optional<std::wstring> modulePath() {
  constexpr DWORD kLongestPath = 32768;
  for (DWORD capacity = MAX_PATH; capacity <= kLongestPath; capacity *= 2) {
    std::wstring path(capacity, L'\0');
    const DWORD length = GetModuleFileNameW(moduleInstance(), path.data(), capacity);
    if (length == 0) return std::nullopt;
    if (length < capacity) {
      path.resize(length);
      return path;
    }
  }
  return std::nullopt;
}

bool isNtPlatform() {
  OSVERSIONINFOW version{};
  static_assert(sizeof version == 276);
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExW(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace brivane
