#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace brivane {

// A thread that watches another thread of this process for dialog windows (class #32770) while that
// thread runs a modal call, and hands each new dialog to a handler, on the watching thread, the way a
// person would see and answer it. COM is initialised on the watching thread for the handler.
class DialogWatcher {
 public:
  using Handler = std::function<void(HWND dialog, size_t index)>;  // index: 0 for the first dialog

  DialogWatcher(DWORD watchedThread, Handler handler);
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  // Stops watching (after the handler in progress returns); the number of dialogs seen.
  size_t finish();

 private:
  void run();

  DWORD watchedThread_;
  Handler handler_;
  std::atomic<bool> stop_{false};
  std::vector<HWND> seen_;
  std::thread thread_;
};

}  // namespace brivane
