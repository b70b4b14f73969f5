#pragma once
#include <windows.h>

#include <string>

namespace brivane {

// Makes sure the folder exists, creating it and the missing folders above it (any length, "\\?\" form
// included). Only an absolute path is created: a relative one would land in the host's current directory.
// ERROR_SUCCESS when the folder exists afterwards, otherwise the system's error for a folder that could not
// be made (such as a path below a file).
DWORD ensureFolder(const std::wstring& folder);

}  // namespace brivane
