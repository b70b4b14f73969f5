#include "protocol/ProtocolText.h"

#include "protocol/ElementValue.h"
#include "protocol/TreeLimits.h"

namespace brivane {

// Children go into a text of their own first, which the element then takes in once, as its body.
// Below kMaxTreeDepth levels the children are left out, so a runaway tree cannot exhaust the stack.
int writeText(ProtocolNode& node, std::wstring& out, int& depth) {
  const std::wstring indentation(static_cast<std::size_t>(depth > 0 ? depth : 0) * 4, L' ');
  std::wstring childText;
  if (depth < kMaxTreeDepth) {
    node.forEachChild([&](ProtocolNode& child) {
      ++depth;
      writeText(child, childText, depth);
      --depth;
    });
  }
  std::wstring name = node.getName();
  if (name.empty()) name = L"node";
  const ElementValue value = elementValueOf(node);

  out += indentation;
  out += L'<';
  out += name;
  out += value.attribute;
  out += L'>';
  out += value.content;
  if (!childText.empty()) {
    out += L'\n';
    out += childText;
    out += indentation;
  }
  out += L"</";
  out += name;
  out += L">\n";
  return 0;
}

}  // namespace brivane
