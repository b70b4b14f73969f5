#include "protocol/Base64.h"

#include <cryptopp/base64.h>
#include <cryptopp/filters.h>

namespace brivane {

std::string base64Encode(const std::uint8_t* bytes, std::size_t count) {
  std::string encoded;
  if (bytes == nullptr || count == 0) return encoded;
  CryptoPP::StringSource source(bytes, count, true,
                                new CryptoPP::Base64Encoder(new CryptoPP::StringSink(encoded), false));
  return encoded;
}

}  // namespace brivane
