#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace brivane {

// Where protocol text goes: the UTF-16 text of writeText, the UTF-8 bytes stored for the application, or
// only the count of those bytes, taken first so that the bytes go into one buffer of the exact size.
// The writer makes the same calls on each, so the three cannot disagree.
class WideSink {
 public:
  explicit WideSink(std::wstring& out) : out_(out) {}
  void spaces(std::size_t count) { out_.append(count, L' '); }
  void ascii(std::string_view text) { out_.append(text.begin(), text.end()); }
  // A character below U+0100, as escaped content consists of.
  void latin1(wchar_t c) { out_ += c; }
  void text(std::wstring_view text) { out_ += text; }

 private:
  std::wstring& out_;
};

class Utf8Sink {
 public:
  explicit Utf8Sink(std::string& out) : out_(out) {}
  void spaces(std::size_t count) { out_.append(count, ' '); }
  void ascii(std::string_view text) { out_ += text; }
  void latin1(wchar_t c) {
    if (c < 0x80) {
      out_ += static_cast<char>(c);
    } else {
      out_ += static_cast<char>(0xC0 | (c >> 6));
      out_ += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  // Converted as WideCharToMultiByte converts it, unpaired surrogates included.
  void text(std::wstring_view text);

 private:
  std::string& out_;
};

class Utf8Size {
 public:
  void spaces(std::size_t count) { size_ += count; }
  void ascii(std::string_view text) { size_ += text.size(); }
  void latin1(wchar_t c) { size_ += c < 0x80 ? 1 : 2; }
  void text(std::wstring_view text);
  std::size_t size() const { return size_; }

 private:
  std::size_t size_ = 0;
};

}  // namespace brivane
