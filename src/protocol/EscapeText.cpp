#include <cwchar>
#include <iterator>

#include "protocol/ProtocolText.h"

namespace brivane {
namespace {

struct Replacement {
  wchar_t character;
  const wchar_t* text;
};

// The markup characters, in the order they are replaced.
constexpr Replacement kMarkup[] = {
    {L'&', L"&amp;"}, {L'<', L"&lt;"}, {L'>', L"&gt;"}, {L'"', L"&quot;"}, {L'\'', L"&#39;"},
};

const wchar_t* markupFor(wchar_t c) {
  for (const Replacement& r : kMarkup) {
    if (r.character == c) return r.text;
  }
  return nullptr;
}

void appendReference(std::wstring& out, wchar_t unit) {
  wchar_t reference[16];
  std::swprintf(reference, std::size(reference), L"&#x%x;", static_cast<unsigned>(unit));
  out += reference;
}

}  // namespace

// One pass gives what the replacements in order give: no replacement yields a character that a later
// one would replace again (the "<br>" of a line break is left as it is, and every reference is ASCII).
std::wstring escapeText(const std::wstring& source, bool keepLineBreaks) {
  std::wstring out;
  out.reserve(source.size());
  for (std::size_t i = 0; i < source.size(); ++i) {
    const wchar_t c = source[i];
    if (const wchar_t* markup = markupFor(c)) {
      out += markup;
    } else if (!keepLineBreaks && c == L'\r' && i + 1 < source.size() && source[i + 1] == L'\n') {
      out += L"<br>";
      ++i;
    } else if (c >= 0x0100) {
      appendReference(out, c);
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace brivane
