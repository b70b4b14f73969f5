#pragma once
#include <cstdint>
#include <string_view>

#include "operations/CommandContext.h"
#include "protocol/ProtocolNode.h"

// Small steps that request documents are built from. A node without a value is a flag: its presence is
// the option.
namespace brivane {

// The node at the dotted `path` below `parent`, created with whatever is missing on the way.
ProtocolNode& nodeAt(ProtocolNode& parent, std::wstring_view path);

// The node at `path`, holding `text` as its String value.
void setText(ProtocolNode& parent, std::wstring_view path, std::wstring_view text);

// A new child named `name` after the existing ones, even when one of that name exists.
ProtocolNode& appendChild(ProtocolNode& parent, std::wstring_view name);

// Appends to a "targets" list one "target" whose "source" is `path`.
void appendSource(ProtocolNode& targets, std::wstring_view path);

bool hasOption(const CommandContext& context, std::uint16_t option);

}  // namespace brivane
