#pragma once
#include "support/SystemLock.h"

namespace brivane {

// Serialises what Explorer's window threads share in this process: the random pool with its one-time
// seeding.
SystemLock& processStateLock();

}  // namespace brivane
