#pragma once
#include <cstdint>
#include <string>

namespace brivane {

// The text of a FILETIME, given as its count of 100-nanosecond ticks since 1601 (UTC): empty for 0,
// "Invalid DateTime" for a time the system cannot show.
std::wstring formatTimestamp(std::uint64_t fileTime);

// The same for the 8 bytes of a Timestamp value, the count low byte first.
std::wstring formatTimestamp(const std::uint8_t (&value)[8]);

}  // namespace brivane
