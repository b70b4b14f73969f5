#pragma once
#include <string>
#include <vector>

#include "operations/CommandContext.h"
#include "operations/SecuredItemRequests.h"
#include "protocol/Status.h"

namespace brivane {

// Asks the application to turn the selected secured items into executables. STATUS_NOTHING_TO_DO for an
// empty selection, else the hand-off's status.
Status convertToExecutable(const std::vector<std::wstring>& selection, const CommandContext& context);

}  // namespace brivane
