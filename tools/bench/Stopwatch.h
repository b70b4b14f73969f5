#pragma once
#include <windows.h>

namespace brivane::bench {

// Milliseconds since construction, from the performance counter.
class Stopwatch {
 public:
  Stopwatch() { QueryPerformanceCounter(&start_); }
  double elapsedMs() const {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start_;
};

template <typename Work>
double timeMs(Work&& work) {
  Stopwatch watch;
  work();
  return watch.elapsedMs();
}

}  // namespace brivane::bench
