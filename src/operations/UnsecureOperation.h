#pragma once
#include <string>
#include <vector>

#include "operations/CommandContext.h"
#include "operations/SecuredItemRequests.h"
#include "protocol/Status.h"

namespace brivane {

// Restores the selected secured items into the context's destination. STATUS_NOTHING_TO_DO for an
// empty selection, else the hand-off's status.
Status unsecureItems(const std::vector<std::wstring>& selection, const CommandContext& context);

}  // namespace brivane
