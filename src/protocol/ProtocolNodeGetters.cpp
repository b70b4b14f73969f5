#include <algorithm>
#include <cstring>
#include <cwchar>

#include "protocol/ProtocolNode.h"

namespace brivane {
namespace {

// UTF-16LE bytes up to the first NUL code unit; an odd last byte is the low half of a final code unit.
std::wstring textOf(const std::uint8_t* bytes, std::uint32_t length) {
  std::wstring text((length + 1) / 2, L'\0');
  std::memcpy(text.data(), bytes, length);
  text.resize(std::wcslen(text.c_str()));
  return text;
}

}  // namespace

std::wstring ProtocolNode::getString() {
  const auto [bytes, length] = getRaw();
  if (bytes == nullptr || length == 0) return {};
  switch (kind_) {
    case ValueKind::String:
    case ValueKind::Binary:
      return textOf(bytes, length);
    case ValueKind::UInt32:
      return std::to_wstring(static_cast<std::uint32_t>(getInt()));
    case ValueKind::Int32:
      return std::to_wstring(getInt());
    case ValueKind::Timestamp: {
      FILETIME fileTime;
      if (length != sizeof fileTime) return {};
      std::memcpy(&fileTime, bytes, sizeof fileTime);
      return formatTimestamp(fileTime);
    }
    default:
      return {};
  }
}

// Up to four value bytes, little-endian; a shorter value is zero-extended and never read past.
std::int32_t ProtocolNode::getInt() {
  switch (kind_) {
    case ValueKind::None:
    case ValueKind::Timestamp:
    case ValueKind::SerializedTree:
    case ValueKind::EmbeddedTree:
      return 0;
    case ValueKind::String:
      return static_cast<std::int32_t>(std::wcstol(getString().c_str(), nullptr, 10));
    default:
      break;
  }
  if (data_ == nullptr) return 0;
  std::uint32_t value = 0;
  const std::uint32_t count = std::min<std::uint32_t>(dataLength_, 4);
  for (std::uint32_t i = 0; i < count; ++i) value |= static_cast<std::uint32_t>(data_[i]) << (8 * i);
  return static_cast<std::int32_t>(value);
}

bool ProtocolNode::getTimestamp(std::uint8_t out[8]) const {
  if (kind_ != ValueKind::Timestamp || data_ == nullptr || dataLength_ != 8) return false;
  std::memcpy(out, data_, 8);
  return true;
}

}  // namespace brivane
