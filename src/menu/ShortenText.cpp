#include "menu/ShortenText.h"

namespace brivane {
namespace {

constexpr wchar_t kLabelGap[] = L" ... ";
constexpr wchar_t kPathGap[] = L"...";

bool isHighSurrogate(wchar_t character) { return character >= 0xD800 && character <= 0xDBFF; }
bool isLowSurrogate(wchar_t character) { return character >= 0xDC00 && character <= 0xDFFF; }

// The first `count` characters, without a high surrogate whose partner would be cut off.
std::wstring headOf(const std::wstring& text, std::size_t count) {
  if (count > 0 && count < text.size() && isHighSurrogate(text[count - 1])) --count;
  return text.substr(0, count);
}

// The last `count` (fewer than all) characters, without a low surrogate whose partner would be cut off.
std::wstring tailOf(const std::wstring& text, std::size_t count) {
  std::size_t start = text.size() - count;
  if (count > 0 && isLowSurrogate(text[start])) ++start;
  return text.substr(start);
}

// The share of `limit`, computed in double precision and truncated toward zero.
std::size_t shareOf(std::size_t limit, double share) { return static_cast<std::size_t>(limit * share); }

std::wstring rootOf(const std::wstring& path) {
  const std::size_t separator = path.find(L'\\');
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

}  // namespace

std::wstring shortenLabel(const std::wstring& text, std::size_t limit) {
  const std::size_t head = shareOf(limit, 0.4);
  const std::size_t tail = shareOf(limit, 0.6);
  if (text.size() < limit || head + std::size(kLabelGap) - 1 + tail >= text.size()) return text;
  return headOf(text, head) + kLabelGap + tailOf(text, tail);
}

std::wstring shortenPath(const std::wstring& text, std::size_t limit) {
  const std::wstring root = rootOf(text);
  const std::size_t tail = shareOf(limit, 0.85);
  if (text.size() < limit || root.size() + std::size(kPathGap) - 1 + tail >= text.size()) return text;
  return root + kPathGap + tailOf(text, tail);
}

}  // namespace brivane
