#include "protocol/ValueBuffer.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <string.h>
#endif

namespace brivane {

std::uint8_t* allocateValueBuffer(std::size_t count) { return new std::uint8_t[count]; }

void releaseValueBuffer(std::uint8_t* buffer, std::size_t count) {
  if (buffer == nullptr) return;
#ifdef _WIN32
  SecureZeroMemory(buffer, count);
#else
  explicit_bzero(buffer, count);
#endif
  delete[] buffer;
}

}  // namespace brivane
