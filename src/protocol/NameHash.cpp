#include "protocol/NameHash.h"

#include <cryptopp/crc.h>

#include "support/Utf16.h"

namespace brivane {

std::uint32_t nameHashOf(std::wstring_view name) {
  CryptoPP::CRC32 crc;
  forEachUnitBlock(name, [&crc](const std::uint8_t* bytes, std::size_t count) { crc.Update(bytes, count); });
  const CryptoPP::byte terminator[kUnitBytes] = {};
  crc.Update(terminator, sizeof terminator);
  CryptoPP::byte digest[CryptoPP::CRC32::DIGESTSIZE];
  crc.Final(digest);
  // The digest holds the CRC register least significant byte first.
  return static_cast<std::uint32_t>(digest[0]) | static_cast<std::uint32_t>(digest[1]) << 8 |
         static_cast<std::uint32_t>(digest[2]) << 16 | static_cast<std::uint32_t>(digest[3]) << 24;
}

}  // namespace brivane
