#pragma once
#include <windows.h>

#include <functional>

#include "support/Handles.h"

namespace brivane {

// The top-level window that stands for Explorer's window: the owner handed to InvokeCommand and to
// the popup menu.
class OwnerWindow {
 public:
  bool create(bool visible);
  HWND get() const { return window_.get(); }

  // Calls tick every intervalMs while this thread pumps messages, the menu's own loop included.
  void startTicks(UINT intervalMs, std::function<void()> tick);
  void stopTicks();

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  UniqueWindow window_;
  std::function<void()> tick_;
};

}  // namespace brivane
