#include "protocol/NameHash.h"

#include <cryptopp/crc.h>

namespace brivane {

std::uint32_t nameHashOf(std::wstring_view name) {
  static_assert(sizeof(wchar_t) == 2, "names are UTF-16");
  CryptoPP::CRC32 crc;
  const wchar_t terminator = L'\0';
  crc.Update(reinterpret_cast<const CryptoPP::byte*>(name.data()), name.size() * sizeof(wchar_t));
  crc.Update(reinterpret_cast<const CryptoPP::byte*>(&terminator), sizeof terminator);
  CryptoPP::byte digest[CryptoPP::CRC32::DIGESTSIZE];
  crc.Final(digest);
  // The digest holds the CRC register least significant byte first.
  return static_cast<std::uint32_t>(digest[0]) | static_cast<std::uint32_t>(digest[1]) << 8 |
         static_cast<std::uint32_t>(digest[2]) << 16 | static_cast<std::uint32_t>(digest[3]) << 24;
}

}  // namespace brivane
