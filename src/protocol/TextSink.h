#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace brivane {

// Where protocol text goes: the UTF-16 text of writeText, or the UTF-8 bytes stored for the application,
// handed on in blocks so that a large request's text never exists whole. The writer makes the same calls
// on both, so the two cannot disagree.
class WideSink {
 public:
  explicit WideSink(std::wstring& out) : out_(out) {}
  static constexpr bool failed() { return false; }
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
  static constexpr std::size_t kBlock = std::size_t{1} << 20;
  using Write = std::function<bool(std::string_view block)>;

  explicit Utf8Sink(const Write& write) : write_(write) { block_.reserve(kBlock + kBlock / 4); }
  void spaces(std::size_t count) {
    block_.append(count, ' ');
    flushFull();
  }
  void ascii(std::string_view text) {
    block_ += text;
    flushFull();
  }
  void latin1(wchar_t c) {
    if (c < 0x80) {
      block_ += static_cast<char>(c);
    } else {
      block_ += static_cast<char>(0xC0 | (c >> 6));
      block_ += static_cast<char>(0x80 | (c & 0x3F));
    }
    flushFull();
  }
  // Converted as WideCharToMultiByte converts it, unpaired surrogates included (appendUtf8).
  void text(std::wstring_view text);
  // True once a block could not be written: the writer stops, as nothing more can reach the file.
  bool failed() const { return failed_; }
  // Hands on what is left; false when any block could not be written (later ones are then dropped).
  bool finish();

 private:
  void flushFull() {
    if (block_.size() >= kBlock) flush();
  }
  void flush();

  const Write& write_;
  std::string block_;
  bool failed_ = false;
};

}  // namespace brivane
