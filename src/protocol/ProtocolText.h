#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "ProtocolNode.h"

namespace brivane {

// Appends the protocol text of `node` and its subtree to `out`; `depth` is the caller's counter (0 for the root).
int writeText(ProtocolNode& node, std::wstring& out, int& depth);
// The protocol text of `node` from depth 0 in UTF-8, byte for byte what converting writeText's text with
// code page 65001 gives, handed to `write` block by block in order. False when `write` failed: it is not
// called again after that.
bool renderUtf8(ProtocolNode& node, const std::function<bool(std::string_view block)>& write);
std::wstring escapeText(const std::wstring& source, bool keepLineBreaks);

}  // namespace brivane
