#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brivane {

// The names a person reads in the folder dialog's tree on the way to path: the display name of each
// element of the path's identifier list below the desktop ("My Computer", the drive, the folders).
bool treeNamesOf(const std::wstring& path, std::vector<std::wstring>& names);

// Selects path in the folder dialog's tree view (a window of another thread) as a person clicking
// through it would: expands the item of each name in turn and selects the last. False when a name
// is not found on the way.
bool selectFolderInTree(HWND tree, const std::wstring& path);

}  // namespace brivane
