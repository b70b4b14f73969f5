#include "OwnerWindow.h"

#include "support/ModuleInstance.h"

namespace brivane {
namespace {

const wchar_t kClassName[] = L"BrivaneShellHostWindow";
constexpr UINT_PTR kTickTimer = 1;

bool registerClass(WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = moduleInstance();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool OwnerWindow::create(bool visible) {
  if (!registerClass(&OwnerWindow::windowProc)) return false;
  window_.reset(CreateWindowExW(0, kClassName, L"shellhost", WS_OVERLAPPEDWINDOW, 0, 0, 320, 200, nullptr, nullptr,
                                moduleInstance(), nullptr));
  if (!window_) return false;
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  if (visible) {
    ShowWindow(window_.get(), SW_SHOWNORMAL);
    UpdateWindow(window_.get());
    SetForegroundWindow(window_.get());
  }
  return true;
}

void OwnerWindow::startTicks(UINT intervalMs, std::function<void()> tick) {
  tick_ = std::move(tick);
  SetTimer(window_.get(), kTickTimer, intervalMs, nullptr);
}

void OwnerWindow::stopTicks() {
  KillTimer(window_.get(), kTickTimer);
  tick_ = nullptr;
}

LRESULT CALLBACK OwnerWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTickTimer) {
    auto* self = reinterpret_cast<OwnerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && self->tick_) self->tick_();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace brivane
