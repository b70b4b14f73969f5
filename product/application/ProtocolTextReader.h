#pragma once
#include <string>
#include <string_view>

namespace brivane::application {

struct TextCheck {
  // The text is exactly one element tree as the protocol writer renders it, and nothing else.
  bool wellFormed = false;
  // The name of the first start tag, when one could be read: the request's root.
  std::wstring rootName;
};

// Reads protocol text: every element on its own lines, indented by four blanks per level, a leaf as
// one line, each line ending in a single line feed. Time and memory grow linearly with the text, and
// no nesting depth can exhaust the stack.
TextCheck checkProtocolText(std::wstring_view text);

}  // namespace brivane::application
