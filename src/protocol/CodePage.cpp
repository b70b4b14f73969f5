#include "protocol/CodePage.h"

#include <climits>

namespace brivane {

std::string toCodePage(const std::wstring& text, UINT codePage) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(size, '\0');
  WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::wstring fromCodePage(const std::string& bytes, UINT codePage) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::wstring text(size, L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), size);
  return text;
}

}  // namespace brivane
