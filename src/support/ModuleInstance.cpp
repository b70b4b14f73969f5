#include "support/ModuleInstance.h"

namespace brivane {

// A path that fills the buffer may have been cut, so the buffer grows until the path fits.
std::optional<std::wstring> modulePath(HMODULE module) {
  constexpr DWORD kLongestPath = 32768;
  for (DWORD capacity = MAX_PATH; capacity <= kLongestPath; capacity *= 2) {
    std::wstring path(capacity, L'\0');
    const DWORD length = GetModuleFileNameW(module, path.data(), capacity);
    if (length == 0) return std::nullopt;
    if (length < capacity) {
      path.resize(length);
      return path;
    }
  }
  return std::nullopt;
}

}  // namespace brivane
