#include "operations/ConvertOperation.h"

#include "operations/HandOff.h"

namespace brivane {

Status convertToExecutable(const std::vector<std::wstring>& selection, const CommandContext& context) {
  return handOffRequestFor(selection, context.notice,
                           [&](ProtocolNode& request) { buildConvertRequest(request, selection, context); });
}

}  // namespace brivane
