#include "shell/PageDialog.h"

#include <prsht.h>

#include <string>
#include <vector>

#include "operations/KeyChange.h"
#include "protocol/Labels.h"
#include "resources/ResourceIds.h"
#include "shell/PropertyPage.h"
#include "support/GuardedCall.h"

namespace brivane {
namespace {

PageItem* itemOf(HWND page) { return reinterpret_cast<PageItem*>(GetWindowLongPtrW(page, DWLP_USER)); }

// The page keeps its item whether or not the labels arrive, so the button always acts on the page's
// own item; without labels the controls keep the template's texts.
void initialise(HWND page, WPARAM, LPARAM record) {
  if (!record) return;
  auto* item = reinterpret_cast<PageItem*>(reinterpret_cast<const PROPSHEETPAGEW*>(record)->lParam);
  SetWindowLongPtrW(page, DWLP_USER, reinterpret_cast<LONG_PTR>(item));
  std::vector<std::wstring> labels;
  if (!item || fetchPageLabels(labels) < 0) return;
  SetDlgItemTextW(page, IDC_PAGE_TEXT, labels[item->kind.textLabel].c_str());
  SetDlgItemTextW(page, IDC_PAGE_BUTTON, labels[PageLabel::ButtonCaption].c_str());
  SetDlgItemTextW(page, IDC_PAGE_PATH, item->path.c_str());
}

// The path is kept for the page, not shown: hidden whatever the show flag says.
void hidePath(HWND page, WPARAM, LPARAM) { ShowWindow(GetDlgItem(page, IDC_PAGE_PATH), SW_HIDE); }

// Any notification of the button starts a key change for the page's item; a failure is told over the sheet.
void command(HWND page, WPARAM first, LPARAM) {
  if (LOWORD(first) != IDC_PAGE_BUTTON) return;
  if (const PageItem* item = itemOf(page)) changeItemKeys(item->path, {GetAncestor(page, GA_ROOT), true});
}

struct MessageHandler {
  UINT message;
  void (*handle)(HWND page, WPARAM first, LPARAM second);
};

constexpr MessageHandler kHandlers[] = {
    {WM_INITDIALOG, initialise},
    {WM_SHOWWINDOW, hidePath},
    {WM_COMMAND, command},
};

}  // namespace

INT_PTR CALLBACK pageDialogProc(HWND page, UINT message, WPARAM first, LPARAM second) {
  for (const MessageHandler& handler : kHandlers) {
    if (handler.message != message) continue;
    guardedCall([&] {
      handler.handle(page, first, second);
      return S_OK;
    });
    break;
  }
  return 0;
}

}  // namespace brivane
