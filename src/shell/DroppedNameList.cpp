#include "shell/DroppedNameList.h"

#include <algorithm>

#include "support/Utf16.h"

namespace brivane {
namespace {

std::uint32_t wordAt(const std::uint8_t* bytes) {
  return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Names separated by a NUL of `width` bytes and ended by an empty name; a list that runs past the block
// is refused.
template <typename Make>
std::optional<std::vector<std::wstring>> splitNames(const std::uint8_t* list, std::size_t size, std::size_t width,
                                                    Make make) {
  std::vector<std::wstring> names;
  std::size_t start = 0;
  for (std::size_t at = 0; at + width <= size; at += width) {
    if (std::any_of(list + at, list + at + width, [](std::uint8_t byte) { return byte != 0; })) continue;
    if (at == start) return names;
    names.push_back(make(list + start, at - start));
    start = at + width;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::wstring>> readDroppedNameList(const std::uint8_t* block, std::size_t size,
                                                             WidenName widen) {
  if (!block || size < kDropHeaderSize) return std::nullopt;
  const std::uint32_t offset = wordAt(block + kDropListOffsetAt);
  if (offset < kDropHeaderSize || offset > size) return std::nullopt;
  if (wordAt(block + kDropWideFlagAt) == 0) {
    return splitNames(block + offset, size - offset, 1, [widen](const std::uint8_t* name, std::size_t length) {
      return widen(std::string_view(reinterpret_cast<const char*>(name), length));
    });
  }
  if (offset % kUnitBytes != 0) return std::nullopt;
  return splitNames(block + offset, size - offset, kUnitBytes, unitsUpToNul);
}

}  // namespace brivane
