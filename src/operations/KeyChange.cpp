#include "operations/KeyChange.h"

#include "operations/HandOff.h"
#include "protocol/CoreLibrary.h"

namespace brivane {

void buildKeyChangeRequest(ProtocolNode& root, const std::wstring& path) {
  root.setName(L"password_change");
  ProtocolNode* target = ProtocolNode::addChild(root.findPath(L"change_qelx_keys", true), L"target");
  target->findPath(L"source", true)->setString(path);
}

Status changeItemKeys(const std::wstring& path, const FailureNotice& notice) {
  return withCoreLibrary(STATUS_CORE_UNAVAILABLE, [&](CoreEntryPoint) {
    ProtocolNode request;
    buildKeyChangeRequest(request, path);
    return handOffRequest(request, notice);
  });
}

}  // namespace brivane
