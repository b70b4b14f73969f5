#pragma once
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <set>
#include <string>
#include <thread>

// The process's current directory as Explorer's other threads see it.
namespace brivane::testing {

// The current directory, whatever its length; empty when it cannot be read.
inline std::wstring currentDirectory() {
  std::wstring folder;
  for (DWORD needed = GetCurrentDirectoryW(0, nullptr); needed > 0;) {
    folder.assign(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, folder.data());
    if (length < needed) {
      folder.resize(length);
      return folder;
    }
    needed = length;
  }
  return {};
}

// Reads the current directory over and over on a thread of its own, from construction until stop(),
// as any other thread of the host may read it at any moment.
class CurrentDirectorySampler {
 public:
  CurrentDirectorySampler() : thread_([this] { run(); }) {}
  ~CurrentDirectorySampler() { stop(); }
  CurrentDirectorySampler(const CurrentDirectorySampler&) = delete;
  CurrentDirectorySampler& operator=(const CurrentDirectorySampler&) = delete;

  // Ends the sampling; every directory seen meanwhile.
  std::set<std::wstring> stop() {
    running_ = false;
    if (thread_.joinable()) thread_.join();
    return seen_;
  }
  std::size_t samples() const { return samples_; }

 private:
  void run() {
    do {
      seen_.insert(currentDirectory());
      ++samples_;
      SwitchToThread();
    } while (running_);
  }

  std::atomic<bool> running_{true};
  std::set<std::wstring> seen_;
  std::size_t samples_ = 0;
  std::thread thread_;
};

}  // namespace brivane::testing
