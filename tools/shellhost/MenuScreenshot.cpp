#include "MenuScreenshot.h"

#include <vector>

#include "Screenshot.h"
#include "WindowAccess.h"

namespace brivane {
namespace {

constexpr UINT kTickMs = 150;
constexpr int kMaxTicks = 60;
constexpr int kMargin = 4;

std::vector<HWND> visibleMenuWindows() { return threadWindowsOfClass(GetCurrentThreadId(), L"#32768"); }

RECT unionOfWindows(const std::vector<HWND>& windows) {
  RECT all{};
  for (HWND window : windows) {
    RECT rect{};
    if (GetWindowRect(window, &rect)) UnionRect(&all, &all, &rect);
  }
  InflateRect(&all, kMargin, kMargin);
  all.left = all.left < 0 ? 0 : all.left;
  all.top = all.top < 0 ? 0 : all.top;
  return all;
}

// Runs on the menu's own message loop, one step per timer tick: wait for the popup, send the keys,
// wait for the submenu and a paint, capture, close.
class MenuCapture {
 public:
  MenuCapture(std::wstring keys, std::wstring pngPath) : keys_(std::move(keys)), pngPath_(std::move(pngPath)) {}

  void tick() {
    if (done_) return;
    std::vector<HWND> menus = visibleMenuWindows();
    ++ticks_;
    if (ticks_ > kMaxTicks) return finish(HRESULT_FROM_WIN32(ERROR_TIMEOUT));
    if (menus.empty()) return;
    if (!keysSent_) return sendKeys(menus.back());
    const size_t expected = keys_.empty() ? 1 : 2;
    if (menus.size() < expected) return;
    if (!painted_) {
      painted_ = true;  // one more tick, so that the submenu has painted
      return;
    }
    finish(captureScreenRect(unionOfWindows(menus), pngPath_));
  }

  HRESULT result() const { return result_; }

 private:
  void sendKeys(HWND menuWindow) {
    for (wchar_t key : keys_) {
      PostMessageW(menuWindow, WM_KEYDOWN, key, 1);
      PostMessageW(menuWindow, WM_KEYUP, key, 0xC0000001);
    }
    keysSent_ = true;
  }

  void finish(HRESULT hr) {
    result_ = hr;
    done_ = true;
    EndMenu();
  }

  std::wstring keys_;
  std::wstring pngPath_;
  int ticks_ = 0;
  bool keysSent_ = false;
  bool painted_ = false;
  bool done_ = false;
  HRESULT result_ = E_PENDING;
};

}  // namespace

std::wstring keysToFirstSubmenu(HMENU menu) {
  std::wstring keys;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoW(menu, position, TRUE, &info) || (info.fType & MFT_SEPARATOR)) continue;
    keys += static_cast<wchar_t>(VK_DOWN);
    if (info.hSubMenu) return keys + static_cast<wchar_t>(VK_RIGHT);
  }
  return {};
}

HRESULT screenshotMenu(OwnerWindow& owner, HMENU menu, const std::wstring& pngPath) {
  MenuCapture capture(keysToFirstSubmenu(menu), pngPath);
  SetForegroundWindow(owner.get());
  owner.startTicks(kTickMs, [&capture] { capture.tick(); });
  TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, 40, 40, owner.get(), nullptr);
  owner.stopTicks();
  return capture.result();
}

}  // namespace brivane
