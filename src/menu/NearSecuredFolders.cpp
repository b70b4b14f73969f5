#include "menu/NearSecuredFolders.h"

#include <windows.h>

#include "support/Handles.h"
#include "support/Paths.h"

namespace brivane {
namespace {

// Wildcards also match short names and folders; only files whose own name ends in the extension count.
bool isSecuredFolderFile(const WIN32_FIND_DATAW& found, const std::wstring& extension) {
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && hasExtension(found.cFileName, extension);
}

}  // namespace

void listNearSecuredFolders(const std::wstring& firstPath, const std::wstring& extension, std::int32_t limit,
                            const PathSet& selected, std::vector<std::wstring>& names,
                            std::vector<std::wstring>& paths) {
  const std::wstring folder = parentFolderOf(firstPath);
  // A pattern with wildcards of its own would match other files than those beside the item.
  if (limit <= 0 || !isExactPath(folder)) return;
  WIN32_FIND_DATAW found;
  UniqueFind search(FindFirstFileW((folder + L"*" + extension).c_str(), &found));
  if (!search) return;
  do {
    if (!isSecuredFolderFile(found, extension)) continue;
    paths.push_back(folder + found.cFileName);
    if (!selected.contains(paths.back())) names.push_back(found.cFileName);
  } while (names.size() < static_cast<std::size_t>(limit) && FindNextFileW(search.get(), &found));
}

}  // namespace brivane
