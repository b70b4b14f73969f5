#include "operations/UnsecureOperation.h"

#include "operations/HandOff.h"

namespace brivane {

Status unsecureItems(const std::vector<std::wstring>& selection, const CommandContext& context) {
  return handOffRequestFor(selection, context.notice,
                           [&](ProtocolNode& request) { buildUnsecureRequest(request, selection, context); });
}

}  // namespace brivane
