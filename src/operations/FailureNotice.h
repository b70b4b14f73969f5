#pragma once
#include <string>

// The system's window handle (HWND) as the system declares it, so that the code that only passes a notice
// on needs no system header.
struct HWND__;

namespace brivane {

// Where a command that failed tells the user: a message box owned by the caller's window. Silent unless
// asked: a caller may want no user interface (CMIC_MASK_FLAG_NO_UI), and a box nobody sees would block.
struct FailureNotice {
  HWND__* owner = nullptr;
  bool show = false;
};

// Tells the user that the command never reached the product's application: the system's text for `error`
// and the place concerned, the hand-off folder or the application (empty: no hand-off folder is set).
void showHandOffFailure(const FailureNotice& notice, unsigned long error, const std::wstring& place);

}  // namespace brivane
