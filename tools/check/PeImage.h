#pragma once
#include <windows.h>

#include <string>

namespace brivane {

// What keeps the file from being loaded as a DLL into a process of the width of `machine`
// (IMAGE_FILE_MACHINE_AMD64 or IMAGE_FILE_MACHINE_I386): "a 32-bit DLL", "a program, not a DLL", ...;
// empty when it is a DLL of that width.
std::wstring imageProblem(const std::wstring& path, WORD machine = IMAGE_FILE_MACHINE_AMD64);

// "64-bit" or "32-bit".
const wchar_t* widthName(WORD machine);

}  // namespace brivane
