#include "protocol/ProtocolText.h"

#include <climits>
#include <cwchar>
#include <iterator>

#include "protocol/ElementValue.h"
#include "protocol/TreeLimits.h"

namespace brivane {

// The element is written straight into `out`, its children in place between its tags, so the text exists
// once however deep the tree. Below kMaxTreeDepth levels the children are left out, so a runaway tree
// cannot exhaust the stack.
int writeText(ProtocolNode& node, std::wstring& out, int& depth) {
  const std::size_t indentation = static_cast<std::size_t>(depth > 0 ? depth : 0) * 4;
  std::wstring name = node.getName();
  if (name.empty()) name = L"node";
  const ElementValue value = elementValueOf(node);

  out.append(indentation, L' ');
  out += L'<';
  out += name;
  out += value.attribute;
  out += L'>';
  out += value.content;
  if (depth < kMaxTreeDepth) {
    const bool hasChildren = node.childCount() != 0;
    if (hasChildren) out += L'\n';
    node.forEachChild([&](ProtocolNode& child) {
      ++depth;
      writeText(child, out, depth);
      --depth;
    });
    if (hasChildren) out.append(indentation, L' ');
  }
  out += L"</";
  out += name;
  out += L">\n";
  return 0;
}

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

std::string toCodePage(const std::wstring& text, UINT codePage) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string bytes(size, '\0');
  WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::wstring fromCodePage(const std::string& bytes, UINT codePage) {
  if (bytes.empty() || bytes.size() > INT_MAX) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
  if (size <= 0) return {};
  std::wstring text(size, L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), size);
  return text;
}

}  // namespace brivane
