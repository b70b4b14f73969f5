#include "support/EnsureFolder.h"

#include <vector>

#include "support/Paths.h"

namespace brivane {
namespace {

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool isFolder(const wchar_t* path) {
  const DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Runs `action` on the path cut at `end`, without copying it: the path is long-lived text of any length.
template <typename Action>
auto onPrefix(std::wstring& path, std::size_t end, Action&& action) {
  const wchar_t kept = path[end];
  path[end] = L'\0';
  const auto result = action(path.c_str());
  path[end] = kept;
  return result;
}

// The ends of the missing folders, from the folder itself up to the one below the nearest existing folder.
std::vector<std::size_t> missingFolderEnds(std::wstring& path) {
  std::vector<std::size_t> ends{path.size()};
  for (std::size_t end = path.size();;) {
    const std::size_t separator = path.find_last_of(L"\\/", end - 1);
    if (separator == std::wstring::npos || separator == 0) break;
    if (onPrefix(path, separator, isFolder)) break;
    ends.push_back(separator);
    end = separator;
  }
  return ends;
}

}  // namespace

DWORD ensureFolder(const std::wstring& folder) {
  if (folder.find(L'\0') != std::wstring::npos) return ERROR_INVALID_NAME;
  std::wstring path = folder;
  while (path.size() > 1 && isSeparator(path.back())) path.pop_back();
  if (isFolder(path.c_str())) return ERROR_SUCCESS;
  if (!isAbsolutePath(path)) return ERROR_PATH_NOT_FOUND;
  const std::vector<std::size_t> ends = missingFolderEnds(path);
  // Folders above the first missing one may be roots or prefixes ("\\?", "\\server") that cannot be made;
  // only whether the folder itself exists at the end counts.
  DWORD error = ERROR_SUCCESS;
  for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
    const bool made = onPrefix(path, *end, [](const wchar_t* prefix) { return CreateDirectoryW(prefix, nullptr) != FALSE; });
    const DWORD last = made ? ERROR_SUCCESS : GetLastError();
    if (last != ERROR_SUCCESS && last != ERROR_ALREADY_EXISTS) error = last;
  }
  if (isFolder(path.c_str())) return ERROR_SUCCESS;
  return error != ERROR_SUCCESS ? error : ERROR_PATH_NOT_FOUND;
}

}  // namespace brivane
