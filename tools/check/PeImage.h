#pragma once
#include <string>

namespace brivane {

// What keeps the file from being loaded into a 64-bit process as a DLL ("a 32-bit DLL", "a program,
// not a DLL", ...); empty when it is a 64-bit DLL.
std::wstring imageProblem(const std::wstring& path);

}  // namespace brivane
