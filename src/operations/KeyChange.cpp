#include "operations/KeyChange.h"

#include "operations/HandOff.h"
#include "protocol/CoreLibrary.h"

namespace brivane {

Status changeItemKeys(const std::wstring& path, const FailureNotice& notice) {
  return withCoreLibrary(STATUS_CORE_UNAVAILABLE, [&](CoreEntryPoint) {
    ProtocolNode request;
    buildKeyChangeRequest(request, path);
    return handOffRequest(request, notice);
  });
}

}  // namespace brivane
