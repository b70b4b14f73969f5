#pragma once
#include <windows.h>

#include <cstdint>

namespace brivane {

// A FILETIME as the one count formatTimestamp takes.
inline std::uint64_t ticksOf(const FILETIME& time) {
  return static_cast<std::uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

}  // namespace brivane
