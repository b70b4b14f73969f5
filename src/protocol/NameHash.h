#pragma once
#include <cstdint>
#include <string_view>

namespace brivane {

// CRC-32 of the name's UTF-16LE code units and their terminating NUL: the key of a child in its parent's index.
std::uint32_t nameHashOf(std::wstring_view name);

}  // namespace brivane
