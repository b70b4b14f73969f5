#include "module/RegistrationInputs.h"

#include <windows.h>
#include <objbase.h>

#include "module/ClassId.h"
#include "support/Handles.h"

namespace brivane {

std::optional<std::wstring> classIdString() {
  UniqueTaskString text;
  if (FAILED(StringFromIID(kShellExtensionClassId, text.out()))) return std::nullopt;
  return std::wstring(text.get());
}

bool isNtPlatform() {
  OSVERSIONINFOW version{};
  static_assert(sizeof version == 276);
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExW(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

}  // namespace brivane
