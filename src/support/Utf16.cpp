#include "support/Utf16.h"

namespace brivane {
namespace {

char32_t unitAt(const std::uint8_t* bytes, std::size_t count, std::size_t index) {
  const std::size_t low = index * kUnitBytes;
  return bytes[low] | (low + 1 < count ? static_cast<char32_t>(bytes[low + 1]) << 8 : 0);
}

void appendCodePoint(std::string& out, char32_t point) {
  if (point < 0x80) {
    out += static_cast<char>(point);
  } else if (point < 0x800) {
    out += static_cast<char>(0xC0 | point >> 6);
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    out += static_cast<char>(0xE0 | point >> 12);
    out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | point >> 18);
    out += static_cast<char>(0x80 | (point >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (point >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (point & 0x3F));
  }
}

}  // namespace

std::wstring unitsUpToNul(const std::uint8_t* bytes, std::size_t count) {
  const std::size_t units = count / kUnitBytes + count % kUnitBytes;
  std::size_t kept = 0;
  while (kept < units && unitAt(bytes, count, kept) != 0) ++kept;
  std::wstring text(kept, L'\0');
  for (std::size_t i = 0; i < kept; ++i) text[i] = static_cast<wchar_t>(unitAt(bytes, count, i));
  return text;
}

void storeUnits(std::wstring_view units, std::uint8_t* out) {
  for (const wchar_t unit : units) {
    *out++ = static_cast<std::uint8_t>(unit);
    *out++ = static_cast<std::uint8_t>(unit >> 8);
  }
}

void appendUtf8(std::string& out, std::wstring_view units) {
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto unit = static_cast<char32_t>(units[i]);
    if (isHighSurrogate(unit) && i + 1 < units.size() && isLowSurrogate(units[i + 1])) {
      appendCodePoint(out, 0x10000 + ((unit - 0xD800) << 10) + (static_cast<char32_t>(units[i + 1]) - 0xDC00));
      ++i;
    } else {
      appendCodePoint(out, isHighSurrogate(unit) || isLowSurrogate(unit) ? char32_t{0xFFFD} : unit);
    }
  }
}

}  // namespace brivane
