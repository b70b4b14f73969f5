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
    block_.append(text.begin(), text.end());
  } else if (const int size = utf8Size(text); size > 0) {
    const std::size_t at = block_.size();
    block_.resize(at + static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), block_.data() + at, size, nullptr,
                        nullptr);
  }
  flushFull();
}

void Utf8Sink::flush() {
  if (!failed_ && !block_.empty()) failed_ = !write_(block_);
  block_.clear();
}

bool Utf8Sink::finish() {
  flush();
  return !failed_;
}

}  // namespace brivane
