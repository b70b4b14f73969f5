#include "application/ElementContent.h"

#include <cstdint>

namespace brivane::application {
namespace {

constexpr std::wstring_view kLineBreak = L"<br>";
constexpr std::wstring_view kNamedReferences[] = {L"&amp;", L"&lt;", L"&gt;", L"&quot;", L"&#39;"};

bool isDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool isLowerHexDigit(wchar_t c) { return isDigit(c) || (c >= L'a' && c <= L'f'); }

// Decimal digits as "%u" writes them (no sign, no leading zero) whose value is at most `limit`.
bool isDecimalUpTo(std::wstring_view digits, std::uint64_t limit) {
  if (digits.empty() || digits.size() > 10 || (digits.size() > 1 && digits.front() == L'0')) return false;
  std::uint64_t value = 0;
  for (wchar_t c : digits) {
    if (!isDigit(c)) return false;
    value = value * 10 + static_cast<std::uint64_t>(c - L'0');
  }
  return value <= limit;
}

// "&#x" + a code unit from U+0100 up in lower-case hexadecimal without leading zeros + ";".
std::size_t numericReferenceLength(std::wstring_view text) {
  if (!text.starts_with(L"&#x")) return 0;
  std::size_t end = 3;
  std::uint32_t value = 0;
  while (end < text.size() && end < 8 && isLowerHexDigit(text[end])) {
    value = value * 16 + static_cast<std::uint32_t>(isDigit(text[end]) ? text[end] - L'0' : text[end] - L'a' + 10);
    ++end;
  }
  const bool valid = end > 3 && text[3] != L'0' && value >= 0x100 && value <= 0xFFFF && end < text.size() &&
                     text[end] == L';';
  return valid ? end + 1 : 0;
}

std::size_t referenceLength(std::wstring_view text) {
  for (std::wstring_view reference : kNamedReferences)
    if (text.starts_with(reference)) return reference.size();
  return numericReferenceLength(text);
}

// Escaped text: every code unit below U+0100, markup characters only as references, CR LF only as "<br>".
bool isEscapedText(std::wstring_view content) {
  std::size_t i = 0;
  while (i < content.size()) {
    const wchar_t c = content[i];
    std::size_t length = 1;
    if (c == L'<') length = content.substr(i).starts_with(kLineBreak) ? kLineBreak.size() : 0;
    else if (c == L'&') length = referenceLength(content.substr(i));
    else if (c == L'>' || c == L'"' || c == L'\'' || c >= 0x100) length = 0;
    else if (c == L'\r' && i + 1 < content.size() && content[i + 1] == L'\n') length = 0;
    if (length == 0) return false;
    i += length;
  }
  return true;
}

bool isEmpty(std::wstring_view content) { return content.empty(); }

bool isUnsignedDecimal(std::wstring_view content) { return isDecimalUpTo(content, 0xFFFFFFFFu); }

bool isSignedDecimal(std::wstring_view content) {
  if (content.starts_with(L'-')) return content != L"-0" && isDecimalUpTo(content.substr(1), 0x80000000u);
  return isDecimalUpTo(content, 0x7FFFFFFFu);
}

bool isBase64Character(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || isDigit(c) || c == L'+' || c == L'/';
}

// Standard alphabet, padded with "=" to a multiple of four characters.
bool isBase64(std::wstring_view content) {
  if (content.size() % 4 != 0) return false;
  std::size_t padding = 0;
  while (padding < 2 && padding < content.size() && content[content.size() - 1 - padding] == L'=') ++padding;
  for (wchar_t c : content.substr(0, content.size() - padding))
    if (!isBase64Character(c)) return false;
  return true;
}

// The locale's date-time text (or "Invalid DateTime"): one line without markup characters.
bool isDateTimeText(std::wstring_view content) {
  for (wchar_t c : content)
    if (c == L'<' || c == L'>' || c == L'&' || c == L'\n' || c == L'\r') return false;
  return true;
}

struct ContentRule {
  std::wstring_view attribute;
  bool (*isValid)(std::wstring_view content);
};

constexpr ContentRule kContentRules[] = {
    {L"", isEmpty},
    {L" type=\"string\"", isEscapedText},
    {L" type=\"unsigned int32\"", isUnsignedDecimal},
    {L" type=\"int32\"", isSignedDecimal},
    {L" type=\"base64\"", isBase64},
    {L" type=\"timestamp\"", isDateTimeText},
};

}  // namespace

bool isValidContent(std::wstring_view attribute, std::wstring_view content) {
  for (const ContentRule& rule : kContentRules)
    if (rule.attribute == attribute) return rule.isValid(content);
  return false;
}

}  // namespace brivane::application
