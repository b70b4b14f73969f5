#include "protocol/ValueBuffer.h"

#include <windows.h>

namespace brivane {

std::uint8_t* allocateValueBuffer(std::size_t count) { return new std::uint8_t[count]; }

void releaseValueBuffer(std::uint8_t* buffer, std::size_t count) {
  if (buffer == nullptr) return;
  SecureZeroMemory(buffer, count);
  delete[] buffer;
}

}  // namespace brivane
