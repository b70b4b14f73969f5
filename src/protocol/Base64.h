#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace brivane {

// RFC 4648 Base64 with "=" padding, on one line.
std::string base64Encode(const std::uint8_t* bytes, std::size_t count);

}  // namespace brivane
