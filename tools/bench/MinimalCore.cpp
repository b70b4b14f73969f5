// The least a core library can be: the entry point answering every label query with one fixed text.
// The right-click with it as the core library measures the extension's own cost.
#include <type_traits>

#include "protocol/CoreLibrary.h"
#include "protocol/ProtocolNode.h"

extern "C" brivane::Status QLSDK_ProcessProtocol_ByTag(brivane::ProtocolNode* request,
                                                       brivane::ProtocolNode* response) {
  if (!request || !response) return -1;
  try {
    brivane::ProtocolNode* answer = brivane::ProtocolNode::addChild(response, L"read_resource_string_response");
    answer->findPath(L"value", true)->setString(L"Secure \"%%1%%\"");
    return 0;
  } catch (...) {
    return -5;
  }
}

static_assert(std::is_same_v<decltype(&QLSDK_ProcessProtocol_ByTag), brivane::CoreEntryPoint>);
