#include "operations/ProcessLock.h"

namespace brivane {
namespace {

SystemLock lock;

}  // namespace

SystemLock& processStateLock() { return lock; }

}  // namespace brivane
