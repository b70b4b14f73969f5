#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "operations/FailureNotice.h"
#include "protocol/ProtocolNode.h"
#include "protocol/Status.h"

namespace brivane {

// The product key as the hand-off names it (registry key names ignore case).
constexpr wchar_t kHandOffProductKey[] = L"brivane";

// No module folder is set: nothing was written and nothing started.
constexpr Status STATUS_PRODUCT_SETTINGS_MISSING = -99970;

// The status of a hand-off that never reached the application: the system's error as an HRESULT.
constexpr Status handOffFailure(DWORD error) { return HRESULT_FROM_WIN32(error); }
constexpr bool isHandOffFailure(Status status) { return status < 0 && HRESULT_FACILITY(status) == FACILITY_WIN32; }

// Stores the rendered request in a new hand-off file in the product's temporary folder (made when missing)
// and starts the application on it; from then on the file is the application's. The caller keeps the tree.
// STATUS_OK once the application runs; STATUS_PRODUCT_SETTINGS_MISSING without a module folder; a hand-off
// failure when no temporary folder is set, the file cannot be written or the application cannot be started
// (its file is removed then), each told to the user through `notice`.
Status handOffRequest(ProtocolNode& request, const FailureNotice& notice);

// The request that `build` makes in a fresh tree for `items`, handed off as above. STATUS_NOTHING_TO_DO,
// with nothing built or written, when there are no items.
template <typename Build>
Status handOffRequestFor(const std::vector<std::wstring>& items, const FailureNotice& notice, Build&& build) {
  if (items.empty()) return STATUS_NOTHING_TO_DO;
  ProtocolNode request;
  build(request);
  return handOffRequest(request, notice);
}

}  // namespace brivane
