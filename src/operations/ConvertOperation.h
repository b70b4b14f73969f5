#pragma once
#include <string>
#include <vector>

#include "operations/CommandContext.h"
#include "protocol/ProtocolNode.h"
#include "protocol/Status.h"

namespace brivane {

// The "convert_qelx_to_exe" request, built into an empty root node: one target per selected secured
// item (".qelf" or ".qeld", any letter case), other paths left out, and one destination for all.
void buildConvertRequest(ProtocolNode& root, const std::vector<std::wstring>& selection,
                         const CommandContext& context);

// Asks the application to turn the selected secured items into executables. STATUS_NOTHING_TO_DO for an
// empty selection, else the hand-off's status.
Status convertToExecutable(const std::vector<std::wstring>& selection, const CommandContext& context);

}  // namespace brivane
