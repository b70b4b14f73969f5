#pragma once
#include <mutex>

namespace brivane {

// Serialises what Explorer's window threads share in this process: the random pool with its one-time
// seeding.
std::mutex& processStateLock();

}  // namespace brivane
