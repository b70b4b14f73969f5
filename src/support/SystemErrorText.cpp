#include "support/SystemErrorText.h"

namespace brivane {

std::wstring systemErrorText(DWORD error) {
  wchar_t text[1024] = {};
  constexpr DWORD kFlags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_MAX_WIDTH_MASK;
  const DWORD length = FormatMessageW(kFlags, nullptr, error, 0, text, sizeof text / sizeof text[0], nullptr);
  std::wstring sentence(text, length);
  sentence.erase(sentence.find_last_not_of(L" \r\n") + 1);
  return sentence.empty() ? L"error " + std::to_wstring(error) : sentence;
}

}  // namespace brivane
