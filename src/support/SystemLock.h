#pragma once
#include <windows.h>

namespace brivane {

// A lock of the system's own, for std::lock_guard. The C++ runtime's mutex goes through the statically
// linked thread library, which takes a TLS slot at its first use and never gives it back: a module that
// the host loads and frees again and again would use up the process's slots.
class SystemLock {
 public:
  constexpr SystemLock() = default;
  SystemLock(const SystemLock&) = delete;
  SystemLock& operator=(const SystemLock&) = delete;

  void lock() { AcquireSRWLockExclusive(&lock_); }
  void unlock() { ReleaseSRWLockExclusive(&lock_); }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
};

}  // namespace brivane
