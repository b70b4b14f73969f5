#pragma once
// UTF-16LE, the form texts take as data: node values, the binary form, CF_HDROP blocks. A std::wstring
// holds one UTF-16 code unit in each wchar_t, as on Windows; these helpers read and write the units byte
// by byte, so they mean the same where a wchar_t is wider (the native fuzzing build).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace brivane {

constexpr std::size_t kUnitBytes = 2;

constexpr bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
constexpr bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// The code units of `count` bytes up to the first NUL unit; an odd last byte is the low half of a final
// unit. Only the units kept are allocated, however large `count`.
std::wstring unitsUpToNul(const std::uint8_t* bytes, std::size_t count);

// Writes the units (each below 0x10000) low byte first, kUnitBytes each.
void storeUnits(std::wstring_view units, std::uint8_t* out);

// Hands `consume` the bytes storeUnits writes, in blocks of a buffer of its own, so nothing is allocated.
template <typename Consume>
void forEachUnitBlock(std::wstring_view units, Consume consume) {
  constexpr std::size_t kBlockUnits = 128;
  std::uint8_t block[kBlockUnits * kUnitBytes];
  for (std::size_t at = 0; at < units.size(); at += kBlockUnits) {
    const std::wstring_view part = units.substr(at, kBlockUnits);
    storeUnits(part, block);
    consume(block, part.size() * kUnitBytes);
  }
}

// Appends the UTF-8 form of the units, an unpaired surrogate as U+FFFD, as WideCharToMultiByte writes them.
void appendUtf8(std::string& out, std::wstring_view units);

}  // namespace brivane
