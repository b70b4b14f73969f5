#include "operations/RequestNodes.h"

namespace brivane {

ProtocolNode& nodeAt(ProtocolNode& parent, const std::wstring& path) { return *parent.findPath(path, true); }

void setText(ProtocolNode& parent, const std::wstring& path, const std::wstring& text) {
  nodeAt(parent, path).setString(text);
}

ProtocolNode& appendChild(ProtocolNode& parent, const std::wstring& name) {
  return *ProtocolNode::addChild(&parent, name);
}

void appendSource(ProtocolNode& targets, const std::wstring& path) {
  setText(appendChild(targets, L"target"), L"source", path);
}

bool hasOption(const CommandContext& context, std::uint16_t option) { return (context.optionFlags & option) != 0; }

}  // namespace brivane
