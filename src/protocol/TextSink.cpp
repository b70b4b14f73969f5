#include "protocol/TextSink.h"

#include <algorithm>

#include "support/Utf16.h"

namespace brivane {
namespace {

bool isAscii(std::wstring_view text) {
  return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

}  // namespace

void Utf8Sink::text(std::wstring_view text) {
  if (isAscii(text)) {
    block_.append(text.begin(), text.end());
  } else {
    appendUtf8(block_, text);
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
