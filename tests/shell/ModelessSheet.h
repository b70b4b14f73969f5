#pragma once
// A real, modeless property sheet showing pages that an extension added, read the way a user sees it:
// the current page's controls, the tab's title and icon.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdint>
#include <string>
#include <vector>

namespace brivane::test {

// Handles the messages waiting for this thread's windows.
inline void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

inline std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// The pixels of an icon's colour image, top row first, as 32-bit values.
inline std::vector<std::uint32_t> iconPixels(HICON icon, int size) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size) * size);
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {};
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  format.bmiHeader.biWidth = size;
  format.bmiHeader.biHeight = -size;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(size), pixels.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  if (rows != size) return {};
  for (std::uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;  // colours only: image lists differ in alpha
  return pixels;
}

// The sum of the channel differences of two pictures of the same size.
inline std::size_t colourDistance(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
  if (a.empty() || a.size() != b.size()) return SIZE_MAX;
  std::size_t distance = 0;
  for (std::size_t i = 0; i < a.size(); ++i)
    for (int shift = 0; shift < 24; shift += 8) {
      const int x = static_cast<int>((a[i] >> shift) & 0xFF);
      const int y = static_cast<int>((b[i] >> shift) & 0xFF);
      distance += static_cast<std::size_t>(x > y ? x - y : y - x);
    }
  return distance;
}

class ModelessSheet {
 public:
  // The sheet owns the pages from here on and destroys them with itself.
  explicit ModelessSheet(std::vector<HPROPSHEETPAGE>& pages) {
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS | PSH_NOAPPLYNOW;
    header.pszCaption = L"Properties";
    header.nPages = static_cast<UINT>(pages.size());
    header.phpage = pages.data();
    sheet_ = reinterpret_cast<HWND>(PropertySheetW(&header));
    pumpMessages();
  }
  ~ModelessSheet() {
    // Without a window manager, Wine waits two seconds for a captioned window to be withdrawn.
    if (sheet_) DestroyWindow(sheet_);
    pumpMessages();
  }
  ModelessSheet(const ModelessSheet&) = delete;
  ModelessSheet& operator=(const ModelessSheet&) = delete;

  bool shown() const { return sheet_ && IsWindow(sheet_); }
  HWND page() const { return reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0)); }
  std::wstring controlText(int id) const { return windowText(GetDlgItem(page(), id)); }
  bool controlVisible(int id) const { return IsWindowVisible(GetDlgItem(page(), id)) != FALSE; }

  // Presses a button of the page as a click does, and lets the page handle it.
  void press(int id) const {
    SendMessageW(GetDlgItem(page(), id), BM_CLICK, 0, 0);
    pumpMessages();
  }

  std::wstring tabTitle() const {
    wchar_t text[256] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(tabs(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return text;
  }

  // The tab's icon (a copy, which the caller destroys) and its size.
  HICON tabIcon(int& size) const {
    TCITEMW item{};
    item.mask = TCIF_IMAGE;
    item.iImage = -1;
    SendMessageW(tabs(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(tabs(), TCM_GETIMAGELIST, 0, 0));
    int height = 0;
    if (!images || item.iImage < 0 || !ImageList_GetIconSize(images, &size, &height)) return nullptr;
    return ImageList_GetIcon(images, item.iImage, ILD_NORMAL);
  }

 private:
  HWND tabs() const { return reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_GETTABCONTROL, 0, 0)); }

  HWND sheet_ = nullptr;
};

}  // namespace brivane::test
