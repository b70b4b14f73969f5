#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "protocol/ProtocolNode.h"
#include "protocol/Status.h"

namespace brivane {

// The product key as the hand-off names it (registry key names ignore case).
constexpr wchar_t kHandOffProductKey[] = L"brivane";

// No module folder or no temporary folder is set: nothing was written and nothing started.
constexpr Status STATUS_PRODUCT_SETTINGS_MISSING = -99970;

// Stores the rendered request in a new hand-off file in the product's temporary folder and starts the
// application on it; from then on the file is the application's. The caller keeps the tree. Returns
// STATUS_OK also when the file could not be written (nothing is started then), and
// STATUS_PRODUCT_SETTINGS_MISSING when a folder setting is absent or empty.
Status handOffRequest(ProtocolNode& request);

// The request that `build` makes in a fresh tree for `items`, handed off as above. STATUS_NOTHING_TO_DO,
// with nothing built or written, when there are no items.
template <typename Build>
Status handOffRequestFor(const std::vector<std::wstring>& items, Build&& build) {
  if (items.empty()) return STATUS_NOTHING_TO_DO;
  ProtocolNode request;
  build(request);
  return handOffRequest(request);
}

}  // namespace brivane
