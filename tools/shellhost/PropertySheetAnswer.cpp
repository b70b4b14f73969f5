#include "PropertySheetAnswer.h"

#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "Screenshot.h"
#include "WindowAccess.h"

namespace brivane {
namespace {

constexpr DWORD kCloseTimeoutMs = 10000;
constexpr DWORD kPaintDelayMs = 500;

HWND tabControl(HWND sheet) { return reinterpret_cast<HWND>(sendWithTimeout(sheet, PSM_GETTABCONTROL, 0, 0)); }

std::wstring tabTitle(HWND tabs, int index) {
  wchar_t text[256] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 256;
  sendWithTimeout(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
  return text;
}

std::vector<std::wstring> pageTitles(HWND sheet, Output& out) {
  std::vector<std::wstring> titles;
  HWND tabs = tabControl(sheet);
  const int count = tabs ? static_cast<int>(sendWithTimeout(tabs, TCM_GETITEMCOUNT, 0, 0)) : 0;
  for (int index = 0; index < count; ++index) {
    titles.push_back(tabTitle(tabs, index));
    out.line(L"page " + std::to_wstring(index) + L" " + quoted(titles.back()));
  }
  return titles;
}

bool isProductPage(HWND page) {
  return page && GetDlgItem(page, kPageTextControl) && GetDlgItem(page, kPageButtonControl);
}

// Selects the pages in turn until one holds the product page's controls; its window, or null.
HWND selectProductPage(HWND sheet, const std::vector<std::wstring>& titles, Output& out) {
  for (size_t index = 0; index < titles.size(); ++index) {
    sendWithTimeout(sheet, PSM_SETCURSEL, index, 0);
    HWND page = reinterpret_cast<HWND>(sendWithTimeout(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    if (isProductPage(page)) {
      out.line(L"page selected " + std::to_wstring(index) + L" " + quoted(titles[index]));
      return page;
    }
  }
  out.line(L"page none");
  return nullptr;
}

void handleSheet(HWND sheet, const PropertiesOptions& options, Output& out) {
  out.line(L"sheet opened title=" + quoted(windowText(sheet)));
  HWND page = selectProductPage(sheet, pageTitles(sheet, out), out);
  if (page) {
    for (const std::wstring& line : describeControls(page)) out.line(line);
    if (options.pressButton && clickButton(page, kPageButtonControl)) {
      out.line(L"page pressed " + std::to_wstring(kPageButtonControl));
    }
  }
  if (!options.screenshot.empty()) {
    Sleep(kPaintDelayMs);
    const HRESULT hr = captureWindow(sheet, options.screenshot);
    out.line(L"sheet screenshot " + quoted(options.screenshot) + L" hr=" + hresultText(hr));
  }
  sendWithTimeout(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  wakeMessageLoop(sheet);
  if (waitUntilClosed(sheet, kCloseTimeoutMs)) {
    out.line(L"sheet closed");
    return;
  }
  out.line(L"sheet still-open");
  PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace

void answerPropertySheet(HWND sheet, const PropertiesOptions& options, Output& out) {
  if (tabControl(sheet)) return handleSheet(sheet, options, out);
  out.line(L"dialog opened title=" + quoted(windowText(sheet)));
  if (!clickButton(sheet, IDCANCEL)) PostMessageW(sheet, WM_COMMAND, IDCANCEL, 0);
}

}  // namespace brivane
