#pragma once
// A CF_HDROP block read from its bytes: a DROPFILES header, then names each ended by a NUL and an empty
// name after the last, in UTF-16LE or, as the header says, in the system code page.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivane {

// The header: the names' offset in a 32-bit word at its start and their width in a 32-bit flag (not zero
// for UTF-16) at byte 16, 20 bytes in all.
constexpr std::size_t kDropListOffsetAt = 0;
constexpr std::size_t kDropWideFlagAt = 16;
constexpr std::size_t kDropHeaderSize = 20;

// Widens a name given in the system code page.
using WidenName = std::wstring (*)(std::string_view name);

// The names in the block's order, each read whole, in one pass over the block. No value when the block
// is not a well-formed name list: shorter than its header, its names outside it or not ended within it.
std::optional<std::vector<std::wstring>> readDroppedNameList(const std::uint8_t* block, std::size_t size,
                                                             WidenName widen);

}  // namespace brivane
