#include "operations/DropWorker.h"

#include "operations/SecureOperations.h"
#include "protocol/CoreLibrary.h"

namespace brivane {

Status runDropWorker(const std::vector<std::wstring>& dropList, const std::wstring& dropTargetPath, DWORD keyState,
                     const FailureNotice& notice) {
  if (dropList.empty() || dropTargetPath.empty()) return STATUS_NOTHING_TO_DROP;
  // Only a presence test: without the product's core nothing may be secured.
  return withCoreLibrary(STATUS_OK, [&] {
    const CommandContext context{dropTargetPath, dropOptionsFor(keyState), notice};
    return sendToSecuredFolder(dropList, context);
  });
}

}  // namespace brivane
