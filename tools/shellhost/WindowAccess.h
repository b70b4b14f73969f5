#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brivane {

// Access to windows of another thread of this process. Every message is sent with a time limit, so a
// window that stops answering cannot hang the caller.
LRESULT sendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

std::wstring windowText(HWND window);
std::wstring windowClass(HWND window);

// The direct children of a window, in Z order.
std::vector<HWND> childWindows(HWND parent);

// The visible top-level windows of a thread whose class is className.
std::vector<HWND> threadWindowsOfClass(DWORD threadId, const wchar_t* className);

// "control ID CLASS "TEXT"" for each direct child, " hidden" appended for an invisible one.
std::vector<std::wstring> describeControls(HWND parent);

// A modal loop looks at its end flag only when a message arrives; a sent message does not count, so
// a window ended by one is sent a posted WM_NULL as well.
void wakeMessageLoop(HWND window);

// Presses a push button of a dialog as a click would (BM_CLICK on the control), then wakes its loop.
bool clickButton(HWND dialog, int controlId);

// Waits until the window is gone or hidden; false after timeoutMs.
bool waitUntilClosed(HWND window, DWORD timeoutMs);

}  // namespace brivane
