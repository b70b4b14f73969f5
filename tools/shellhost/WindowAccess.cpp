#include "WindowAccess.h"

#include "Output.h"

namespace brivane {
namespace {

constexpr UINT kMessageTimeoutMs = 10000;

struct ThreadWindowSearch {
  const wchar_t* className;
  std::vector<HWND> found;
};

}  // namespace

LRESULT sendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kMessageTimeoutMs, &result)) return 0;
  return static_cast<LRESULT>(result);
}

std::wstring windowText(HWND window) {
  const LRESULT length = sendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const LRESULT copied = sendWithTimeout(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

std::wstring windowClass(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

std::vector<HWND> childWindows(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

namespace {

// A window enumeration callback, with the system's calling convention (a lambda's differs on 32-bit).
BOOL CALLBACK addVisibleWindowOfClass(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<ThreadWindowSearch*>(param);
  if (IsWindowVisible(window) && windowClass(window) == search->className) search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> threadWindowsOfClass(DWORD threadId, const wchar_t* className) {
  ThreadWindowSearch search{className, {}};
  EnumThreadWindows(threadId, addVisibleWindowOfClass, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::wstring> describeControls(HWND parent) {
  std::vector<std::wstring> lines;
  for (HWND child : childWindows(parent)) {
    std::wstring line = L"control " + std::to_wstring(GetDlgCtrlID(child)) + L" " + windowClass(child) + L" " +
                        quoted(windowText(child));
    if (!IsWindowVisible(child)) line += L" hidden";
    lines.push_back(line);
  }
  return lines;
}

bool clickButton(HWND dialog, int controlId) {
  HWND button = GetDlgItem(dialog, controlId);
  if (!button) return false;
  sendWithTimeout(button, BM_CLICK, 0, 0);
  wakeMessageLoop(dialog);
  return true;
}

void wakeMessageLoop(HWND window) { PostMessageW(window, WM_NULL, 0, 0); }

bool waitUntilClosed(HWND window, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (IsWindow(window) && IsWindowVisible(window)) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(50);
  }
  return true;
}

}  // namespace brivane
