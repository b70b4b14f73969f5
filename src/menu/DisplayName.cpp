#include "menu/PathHelpers.h"
#include "menu/Selection.h"

namespace brivane {
namespace {

// Menus read a single "&" as the mark of an access key.
std::wstring withDoubledAmpersands(const std::wstring& text) {
  std::wstring doubled;
  doubled.reserve(text.size());
  for (wchar_t character : text) {
    doubled += character;
    if (character == L'&') doubled += L'&';
  }
  return doubled;
}

}  // namespace

std::wstring displayName(const std::vector<std::wstring>& selection) {
  return selection.empty() ? std::wstring() : withDoubledAmpersands(fileNameOf(selection.front(), false));
}

}  // namespace brivane
