#include "menu/ItemKind.h"

#include <windows.h>

#include "support/Handles.h"
#include "support/Paths.h"

namespace brivane {
namespace {

bool findEntry(const std::wstring& path, WIN32_FIND_DATAW& found) {
  // Wildcards would make the search find other entries, and a NUL would cut the path short.
  if (!isExactPath(path)) return false;
  UniqueFind search(FindFirstFileW(path.c_str(), &found));
  return static_cast<bool>(search);
}

}  // namespace

ItemKind itemKindOf(const std::wstring& path) {
  WIN32_FIND_DATAW found;
  if (!findEntry(path, found)) return ItemKind::Unfound;
  if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return ItemKind::Folder;
  if (hasExtension(path, L".qeld")) return ItemKind::QeldItem;
  if (hasExtension(path, L".qelf")) return ItemKind::QelfItem;
  return ItemKind::PlainFile;
}

}  // namespace brivane
