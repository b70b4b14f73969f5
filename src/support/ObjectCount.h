#pragma once
#include <atomic>
#include <cstdint>

namespace brivane {

// Live class factories and extension objects of this module; the module may be unloaded only at zero.
// Explorer creates and releases objects on several threads, so every change is interlocked.
inline std::atomic<std::int32_t> objectCount{0};

// Counts its owner in objectCount for exactly the owner's lifetime. Declared as the owner's first
// member, it is destroyed last, after everything else the owner frees.
class CountedObject {
 public:
  CountedObject() noexcept { objectCount.fetch_add(1); }
  ~CountedObject() { objectCount.fetch_sub(1); }
  CountedObject(const CountedObject&) = delete;
  CountedObject& operator=(const CountedObject&) = delete;
};

}  // namespace brivane
