#include "operations/RequestNodes.h"

namespace brivane {

ProtocolNode& nodeAt(ProtocolNode& parent, std::wstring_view path) { return *parent.findPath(path, true); }

void setText(ProtocolNode& parent, std::wstring_view path, std::wstring_view text) {
  nodeAt(parent, path).setString(text);
}

ProtocolNode& appendChild(ProtocolNode& parent, std::wstring_view name) {
  return *ProtocolNode::addChild(&parent, name);
}

void appendSource(ProtocolNode& targets, std::wstring_view path) {
  setText(appendChild(targets, L"target"), L"source", path);
}

bool hasOption(const CommandContext& context, std::uint16_t option) { return (context.optionFlags & option) != 0; }

}  // namespace brivane
