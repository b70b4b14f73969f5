#include "protocol/ByteStream.h"

#include <algorithm>
#include <cstring>

#include "protocol/ValueBuffer.h"

namespace brivane {

ByteSink::~ByteSink() { releaseValueBuffer(buffer_, size_); }

void ByteSink::write(const void* bytes, std::size_t count) {
  if (count == 0) return;
  if (capacity_ - size_ < count) grow(size_ + count);
  std::memcpy(buffer_ + size_, bytes, count);
  size_ += count;
}

std::uint8_t* ByteSink::take() {
  std::uint8_t* taken = buffer_;
  buffer_ = nullptr;
  size_ = 0;
  capacity_ = 0;
  return taken;
}

void ByteSink::grow(std::size_t needed) {
  std::size_t wanted = std::max(needed, capacity_ * 2);
  std::size_t capacity = (wanted + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
  std::uint8_t* buffer = allocateValueBuffer(capacity);
  if (size_ != 0) std::memcpy(buffer, buffer_, size_);
  releaseValueBuffer(buffer_, size_);
  buffer_ = buffer;
  capacity_ = capacity;
}

bool ByteSource::read(void* out, std::size_t count) {
  if (count > remaining_) return false;
  if (count != 0) std::memcpy(out, next_, count);
  next_ += count;
  remaining_ -= count;
  return true;
}

const std::uint8_t* ByteSource::take(std::size_t count) {
  if (count > remaining_) return nullptr;
  const std::uint8_t* taken = next_;
  next_ += count;
  remaining_ -= count;
  return taken;
}

}  // namespace brivane
