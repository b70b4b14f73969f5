#pragma once
#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace brivane {

// Characters of the user-name buffer that seeds the pool; its first 256 bytes are hashed.
constexpr DWORD kUserNameBufferChars = 257;

// The one-time seed: SHA-256 over the first 256 bytes of the user-name buffer, then the process id
// (4 bytes, little-endian).
std::array<std::uint8_t, 32> seedDigest(const wchar_t (&userName)[kUserNameBufferChars], std::uint32_t processId);

// Everything the pool is seeded with once: the seed digest of the user name and process id, then bytes of
// the system's own generator (none when it fails), so that hand-off names cannot be foreseen from the
// user name and process id alone.
std::vector<std::uint8_t> seedMaterial(const wchar_t (&userName)[kUserNameBufferChars], std::uint32_t processId);

// Fills `count` bytes from the process-wide random pool, seeded on the first call and stirred with the
// tick count on every call. Safe to call from several threads.
void randomBytes(std::uint8_t* buffer, std::size_t count);

}  // namespace brivane
