#pragma once
#include <windows.h>

#include <string>

namespace brivane {

// Loads the DLL at an absolute path with its own imports taken from its folder and System32, never by the
// host's search order (Explorer's folder, its current directory, PATH), where a planted copy would be taken
// instead. A relative path is refused (ERROR_BAD_PATHNAME): it would itself be searched for.
HMODULE loadModuleAt(const std::wstring& path);

}  // namespace brivane
