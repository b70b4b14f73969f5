#include "operations/KeyChange.h"

#include "operations/HandOff.h"
#include "protocol/CoreLibrary.h"

namespace brivane {

Status changeItemKeys(const std::wstring& path) {
  return withCoreLibrary(STATUS_CORE_UNAVAILABLE, [&](CoreEntryPoint) {
    ProtocolNode request;
    buildKeyChangeRequest(request, path);
    return handOffRequest(request);
  });
}

}  // namespace brivane
