#pragma once
#include <string>

// Wide texts compared without regard to letter case, always by the one rule below.
namespace brivane {

// The text lower-cased by the system's locale-dependent rule for wide strings.
std::wstring lowerCased(std::wstring text);

// True when `text` ends with `ending`, both lower-cased.
bool endsWithIgnoringCase(const std::wstring& text, const std::wstring& ending);

}  // namespace brivane
