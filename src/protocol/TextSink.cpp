#include "protocol/TextSink.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace brivane {
namespace {

bool isAscii(std::wstring_view text) {
  return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

// Names and date texts are short; a longer one than a conversion can take is left out.
int utf8Size(std::wstring_view text) {
  if (text.empty() || text.size() > INT_MAX / 4) return 0;
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  return size > 0 ? size : 0;
}

}  // namespace

void Utf8Sink::text(std::wstring_view text) {
  if (isAscii(text)) {
    out_.append(text.begin(), text.end());
    return;
  }
  const int size = utf8Size(text);
  if (size == 0) return;
  const std::size_t at = out_.size();
  out_.resize(at + static_cast<std::size_t>(size));
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out_.data() + at, size, nullptr, nullptr);
}

void Utf8Size::text(std::wstring_view text) { size_ += isAscii(text) ? text.size() : static_cast<std::size_t>(utf8Size(text)); }

}  // namespace brivane
