#pragma once
#include <cstddef>
#include <cstdint>

namespace brivane {

// Growable memory buffer that the binary form of a tree is written into. Its capacity grows in whole
// steps of 1024 bytes and at least doubles, so writing a large tree stays linear. Every buffer it lets go
// of is wiped first: the bytes are node values.
class ByteSink {
 public:
  static constexpr std::size_t kGrowthStep = 1024;

  ByteSink() = default;
  ~ByteSink();
  ByteSink(const ByteSink&) = delete;
  ByteSink& operator=(const ByteSink&) = delete;

  void write(const void* bytes, std::size_t count);
  const std::uint8_t* data() const { return buffer_; }
  std::size_t size() const { return size_; }
  std::size_t capacity() const { return capacity_; }
  // Hands the buffer (null when nothing was written) to the caller, who releases it with releaseValueBuffer.
  std::uint8_t* take();

 private:
  void grow(std::size_t needed);

  std::uint8_t* buffer_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

// Bytes in memory that the binary form is read from; a read never goes past the end.
class ByteSource {
 public:
  ByteSource(const void* bytes, std::size_t count)
      : next_(static_cast<const std::uint8_t*>(bytes)), remaining_(count) {}

  // Copies `count` bytes out, or reads nothing and gives false when fewer remain.
  bool read(void* out, std::size_t count);
  // The next `count` bytes where they lie, taken; null, and nothing taken, when fewer remain.
  const std::uint8_t* take(std::size_t count);
  bool skip(std::size_t count) { return take(count) != nullptr; }
  std::size_t remaining() const { return remaining_; }

 private:
  const std::uint8_t* next_;
  std::size_t remaining_;
};

}  // namespace brivane
