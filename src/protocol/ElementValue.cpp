#include "protocol/ElementValue.h"

#include <cstdint>
#include <cstdio>

#include "protocol/Base64.h"
#include "protocol/Timestamp.h"
#include "support/Utf16.h"

namespace brivane {
namespace {

struct Replacement {
  wchar_t character;
  std::string_view text;
};

// The markup characters, in the order they are replaced.
constexpr Replacement kMarkup[] = {
    {L'&', "&amp;"}, {L'<', "&lt;"}, {L'>', "&gt;"}, {L'"', "&quot;"}, {L'\'', "&#39;"},
};

const Replacement* markupFor(wchar_t c) {
  for (const Replacement& r : kMarkup) {
    if (r.character == c) return &r;
  }
  return nullptr;
}

bool isPlain(wchar_t c) { return c < 0x80 && c != L'\r' && markupFor(c) == nullptr; }

// Both integer kinds fit a long long: "%u" of the unsigned value and "%d" of the signed one.
template <typename Sink>
void writeDecimal(Sink& sink, long long value) {
  char text[24];
  const int length = std::snprintf(text, sizeof text, "%lld", value);
  if (length > 0) sink.ascii(std::string_view(text, static_cast<std::size_t>(length)));
}

// The String value up to its first NUL, read in place when it is whole code units, as it always is
// when this system or the reader of the binary form stored it, and a wchar_t is one (on Windows).
template <typename Sink>
void writeString(ProtocolNode& node, Sink& sink) {
  const auto [bytes, length] = node.getRaw();
  if (bytes == nullptr || length == 0) return;
  if (sizeof(wchar_t) != kUnitBytes || length % kUnitBytes != 0 ||
      reinterpret_cast<std::uintptr_t>(bytes) % alignof(wchar_t) != 0) {
    writeEscaped(sink, node.getString(), false);
    return;
  }
  const std::wstring_view units(reinterpret_cast<const wchar_t*>(bytes), length / sizeof(wchar_t));
  writeEscaped(sink, units.substr(0, units.find(L'\0')), false);
}

template <typename Sink>
void writeUnsigned(ProtocolNode& node, Sink& sink) {
  writeDecimal(sink, static_cast<std::uint32_t>(node.getInt()));
}

template <typename Sink>
void writeSigned(ProtocolNode& node, Sink& sink) {
  writeDecimal(sink, node.getInt());
}

template <typename Sink>
void writeBase64(ProtocolNode& node, Sink& sink) {
  const auto [bytes, length] = node.getRaw();
  if (bytes != nullptr && length != 0) sink.ascii(base64Encode(bytes, length));
}

template <typename Sink>
void writeTimestamp(ProtocolNode& node, Sink& sink) {
  std::uint8_t stamp[8];
  if (node.getTimestamp(stamp)) sink.text(formatTimestamp(stamp));
}

template <typename Sink>
struct KindText {
  ValueKind kind;
  ElementForm<Sink> form;
};

// Kinds not listed have neither attribute nor content.
template <typename Sink>
constexpr KindText<Sink> kKindTexts[] = {
    {ValueKind::String, {" type=\"string\"", writeString<Sink>}},
    {ValueKind::UInt32, {" type=\"unsigned int32\"", writeUnsigned<Sink>}},
    {ValueKind::Int32, {" type=\"int32\"", writeSigned<Sink>}},
    {ValueKind::Binary, {" type=\"base64\"", writeBase64<Sink>}},
    {ValueKind::Timestamp, {" type=\"timestamp\"", writeTimestamp<Sink>}},
};

}  // namespace

// A timestamp of any length but 8 bytes has no text form.
template <typename Sink>
ElementForm<Sink> elementFormOf(const ProtocolNode& node) {
  std::uint8_t stamp[8];
  if (node.kind() == ValueKind::Timestamp && !node.getTimestamp(stamp)) return {};
  for (const KindText<Sink>& row : kKindTexts<Sink>) {
    if (row.kind == node.kind()) return row.form;
  }
  return {};
}

// One pass gives what the replacements in order give: no replacement yields a character that a later
// one would replace again (the "<br>" of a line break is left as it is, and every reference is ASCII).
// Runs of characters that stay as they are go out in one piece.
template <typename Sink>
void writeEscaped(Sink& sink, std::wstring_view source, bool keepLineBreaks) {
  for (std::size_t i = 0; i < source.size(); ++i) {
    std::size_t run = i;
    while (run < source.size() && isPlain(source[run])) ++run;
    if (run != i) sink.text(source.substr(i, run - i));
    if (run == source.size()) return;
    i = run;
    const wchar_t c = source[i];
    if (const Replacement* markup = markupFor(c)) {
      sink.ascii(markup->text);
    } else if (!keepLineBreaks && c == L'\r' && i + 1 < source.size() && source[i + 1] == L'\n') {
      sink.ascii("<br>");
      ++i;
    } else if (c >= 0x0100) {
      char reference[16];
      const int length = std::snprintf(reference, sizeof reference, "&#x%x;", static_cast<unsigned>(c));
      sink.ascii(std::string_view(reference, static_cast<std::size_t>(length)));
    } else {
      sink.latin1(c);
    }
  }
}

template ElementForm<WideSink> elementFormOf(const ProtocolNode&);
template ElementForm<Utf8Sink> elementFormOf(const ProtocolNode&);
template void writeEscaped(WideSink&, std::wstring_view, bool);

}  // namespace brivane
