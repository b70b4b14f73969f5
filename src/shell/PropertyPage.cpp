#include "shell/PropertyPage.h"

#include <atomic>
#include <cstdint>

#include "protocol/ActivationContext.h"
#include "resources/ResourceIds.h"
#include "shell/PageDialog.h"
#include "support/ModuleInstance.h"

namespace brivane {
namespace {

// The page record with the activation-context field, in this platform's own layout.
using PageRecord = PROPSHEETPAGEW_V3;
static_assert(sizeof(PageRecord) == (sizeof(void*) == 8 ? 96 : 52));

// Windows counts each page in the module's object count (the page record's reference parent), with
// interlocked operations on a 32-bit integer. Wine ignores the field; there the page's item alone keeps
// the count up.
static_assert(sizeof(objectCount) == sizeof(UINT) && std::atomic<std::int32_t>::is_always_lock_free);
UINT* moduleReferenceCount() { return reinterpret_cast<UINT*>(&objectCount); }

UINT CALLBACK pageCallback(HWND, UINT message, PROPSHEETPAGEW* page) {
  if (message == PSPCB_RELEASE) delete reinterpret_cast<PageItem*>(page->lParam);
  return TRUE;  // on PSPCB_CREATE: the page's window may be made
}

}  // namespace

HPROPSHEETPAGE createPropertyPage(std::unique_ptr<PageItem> item, const std::wstring& title) {
  PageRecord page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_USEICONID | PSP_USETITLE | PSP_USEREFPARENT | PSP_USECALLBACK;
  page.hInstance = moduleInstance();
  page.pszTemplate = MAKEINTRESOURCEW(IDD_PROPERTY_PAGE);
  page.pszIcon = MAKEINTRESOURCEW(item->kind.icon);
  page.pszTitle = title.c_str();
  page.pfnDlgProc = pageDialogProc;
  page.lParam = reinterpret_cast<LPARAM>(item.get());
  page.pfnCallback = pageCallback;
  page.pcRefParent = moduleReferenceCount();
  HPROPSHEETPAGE created = runInModuleContext([&page] { return CreatePropertySheetPageW(&page); });
  if (created) item.release();  // freed by the page's release callback
  return created;
}

void destroyPropertyPage(HPROPSHEETPAGE page) {
  runInModuleContext([page] { return DestroyPropertySheetPage(page); });
}

}  // namespace brivane
