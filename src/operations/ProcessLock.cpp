#include "operations/ProcessLock.h"

namespace brivane {

std::mutex& processStateLock() {
  static std::mutex lock;
  return lock;
}

}  // namespace brivane
