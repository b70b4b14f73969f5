#include "support/Text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cwctype>
#endif

namespace brivane {

// The native fuzzing build has no such rule of the system's: it takes the C library's.
std::wstring lowerCased(std::wstring text) {
#ifdef _WIN32
  if (!text.empty()) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
#else
  for (wchar_t& unit : text) unit = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(unit)));
#endif
  return text;
}

bool endsWithIgnoringCase(const std::wstring& text, const std::wstring& ending) {
  return text.size() >= ending.size() && lowerCased(text.substr(text.size() - ending.size())) == lowerCased(ending);
}

}  // namespace brivane
