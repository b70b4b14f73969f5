#include "support/Text.h"

#include <windows.h>

namespace brivane {

std::wstring lowerCased(std::wstring text) {
  if (!text.empty()) CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

bool endsWithIgnoringCase(const std::wstring& text, const std::wstring& ending) {
  return text.size() >= ending.size() && lowerCased(text.substr(text.size() - ending.size())) == lowerCased(ending);
}

}  // namespace brivane
