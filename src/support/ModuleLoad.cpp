#include "support/ModuleLoad.h"

#include "support/Paths.h"

namespace brivane {

// Systems without the search flags refuse them as an invalid parameter; the older flag then also searches
// the DLL's folder first.
HMODULE loadModuleAt(const std::wstring& path) {
  if (!isAbsolutePath(path)) {
    SetLastError(ERROR_BAD_PATHNAME);
    return nullptr;
  }
  HMODULE module =
      LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module && GetLastError() == ERROR_INVALID_PARAMETER)
    module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  return module;
}

}  // namespace brivane
