#pragma once
#include <windows.h>

#include <string>

namespace brivane {

// Where a command that failed tells the user: a message box owned by the caller's window. Silent unless
// asked: a caller may want no user interface (CMIC_MASK_FLAG_NO_UI), and a box nobody sees would block.
struct FailureNotice {
  HWND owner = nullptr;
  bool show = false;
};

// Tells the user that the command never reached the product's application: the system's text for `error`
// and the place concerned, the hand-off folder or the application (empty: no hand-off folder is set).
void showHandOffFailure(const FailureNotice& notice, DWORD error, const std::wstring& place);

}  // namespace brivane
