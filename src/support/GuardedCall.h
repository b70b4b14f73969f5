#pragma once
#include <windows.h>

#include <new>

namespace brivane {

// Runs the body of a COM method or an exported function so that no C++ exception leaves it.
template <typename Body>
HRESULT guardedCall(Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_FAIL;
  }
}

}  // namespace brivane
