#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>

#include "menu/PathHelpers.h"
#include "menu/Selection.h"

namespace brivane {
namespace {

// The user's Start Menu folder, lower-cased; empty when the shell cannot name it.
std::wstring startMenuFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(GetActiveWindow(), folder, CSIDL_STARTMENU, FALSE)) return {};
  return lowerCased(folder);
}

bool exists(const std::wstring& path) {
  return path.find(L'\0') == std::wstring::npos && PathFileExistsW(path.c_str());
}

// An unknown Start Menu folder is no reason to drop anything.
bool isInStartMenu(const std::wstring& path, const std::wstring& startMenu) {
  return !startMenu.empty() && lowerCased(path).find(startMenu) != std::wstring::npos;
}

}  // namespace

void filterSelection(std::vector<std::wstring>& selection) {
  const std::wstring startMenu = startMenuFolder();
  const auto kept = std::remove_if(selection.begin(), selection.end(), [&startMenu](const std::wstring& path) {
    return !exists(path) || isInStartMenu(path, startMenu);
  });
  selection.erase(kept, selection.end());
}

}  // namespace brivane
