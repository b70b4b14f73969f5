#pragma once
#include <cstdint>
#include <string>

namespace brivane {

namespace CommandOption {
constexpr std::uint16_t KeepOriginal = 1;       // the sources stay in place
constexpr std::uint16_t AppendDestination = 2;  // the items are added to an existing secured folder
}  // namespace CommandOption

// What the command dispatcher and the drop handler hand to an operation.
struct CommandContext {
  std::wstring destination;  // a folder ending in "\", or the path of a secured folder
  std::uint16_t optionFlags = 0;
};

}  // namespace brivane
