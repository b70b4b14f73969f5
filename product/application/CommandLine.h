#pragma once
#include <string>

namespace brivane::application {

// Everything after the program name and the blanks that follow it. The extension passes the hand-off
// path unquoted, blanks and all, so this whole text is the path.
std::wstring parameterText(const std::wstring& commandLine);

}  // namespace brivane::application
