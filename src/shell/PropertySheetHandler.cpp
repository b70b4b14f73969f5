#include <memory>

#include "shell/PageKinds.h"
#include "shell/PropertyPage.h"
#include "shell/ShellExtension.h"
#include "support/GuardedCall.h"

namespace brivane {

// One page for exactly one secured item; S_OK whether or not a page was added.
HRESULT ShellExtension::AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM value) {
  guardedCall([&] {
    if (!addPage || selection.size() != 1) return S_OK;
    const PageKind* kind = pageKindOf(selection.front());
    if (!kind) return S_OK;
    pageTitle = kind->title;
    HPROPSHEETPAGE page = createPropertyPage(std::make_unique<PageItem>(selection.front(), *kind), pageTitle);
    if (page && !addPage(page, value)) destroyPropertyPage(page);
    return S_OK;
  });
  return S_OK;
}

HRESULT ShellExtension::ReplacePage(EXPPS, LPFNSVADDPROPSHEETPAGE, LPARAM) { return E_NOTIMPL; }

}  // namespace brivane
