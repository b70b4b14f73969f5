#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>

namespace brivane {

// Node values live in buffers from the one C runtime heap that the extension and the core library share.
std::uint8_t* allocateValueBuffer(std::size_t count);
// Overwrites the bytes with zeros (in a way the compiler keeps) before the buffer is released.
void releaseValueBuffer(std::uint8_t* buffer, std::size_t count);

// Move-only owner of a value buffer on its way into a node; wiped and released if it never gets there.
class ValueBytes {
 public:
  ValueBytes() = default;
  explicit ValueBytes(std::size_t count) : data_(count ? allocateValueBuffer(count) : nullptr), size_(count) {}
  ~ValueBytes() { releaseValueBuffer(data_, size_); }
  ValueBytes(ValueBytes&& other) noexcept
      : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)) {}
  ValueBytes& operator=(ValueBytes&& other) noexcept {
    if (this != &other) {
      releaseValueBuffer(data_, size_);
      data_ = std::exchange(other.data_, nullptr);
      size_ = std::exchange(other.size_, 0);
    }
    return *this;
  }
  ValueBytes(const ValueBytes&) = delete;
  ValueBytes& operator=(const ValueBytes&) = delete;

  std::uint8_t* data() const { return data_; }
  std::size_t size() const { return size_; }
  std::uint8_t* release() {
    size_ = 0;
    return std::exchange(data_, nullptr);
  }

 private:
  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
};

}  // namespace brivane
