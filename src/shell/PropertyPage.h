#pragma once
#include <windows.h>
#include <prsht.h>

#include <memory>
#include <string>
#include <utility>

#include "shell/PageKinds.h"
#include "support/ObjectCount.h"

namespace brivane {

// What a property page keeps of its item, from its creation until the platform releases the page,
// whether or not the page was ever shown. Counted as a live object: the page's dialog procedure lives in
// this module, which must stay loaded while the page exists, even after the extension object is gone.
struct PageItem {
  PageItem(std::wstring itemPath, const PageKind& itemKind) : path(std::move(itemPath)), kind(itemKind) {}

  CountedObject counted;
  std::wstring path;
  const PageKind& kind;
};

// The page for `item`, titled `title` (copied by the platform), through the module's activation
// context. The page owns the item from then on; when the platform refuses the page, null, and the item
// is freed.
HPROPSHEETPAGE createPropertyPage(std::unique_ptr<PageItem> item, const std::wstring& title);

// For a page that no property sheet took; its item is freed with it.
void destroyPropertyPage(HPROPSHEETPAGE page);

}  // namespace brivane
