#pragma once
#include <windows.h>

#include <string>

namespace brivane {

// A wide text in a code page and back, as the system converts them; empty for an empty text or one the
// conversion refuses.
std::string toCodePage(const std::wstring& text, UINT codePage);
std::wstring fromCodePage(const std::string& bytes, UINT codePage);

}  // namespace brivane
