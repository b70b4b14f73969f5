#include "operations/CurrentDirectory.h"

#include <windows.h>

namespace brivane {

std::wstring currentDirectory() {
  // The answer to a too small buffer is the size needed; the directory can change in between, so ask again.
  std::wstring folder;
  DWORD needed = GetCurrentDirectoryW(0, nullptr);
  while (needed > 0) {
    folder.assign(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, folder.data());
    if (length < needed) {
      folder.resize(length);
      return folder;
    }
    needed = length;
  }
  return {};
}

CurrentDirectoryScope::CurrentDirectoryScope(const std::wstring& folder) : saved_(currentDirectory()) {
  if (!saved_.empty()) SetCurrentDirectoryW(folder.c_str());
}

CurrentDirectoryScope::~CurrentDirectoryScope() {
  if (!saved_.empty()) SetCurrentDirectoryW(saved_.c_str());
}

}  // namespace brivane
