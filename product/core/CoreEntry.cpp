#include <string>
#include <type_traits>

#include "CoreStatus.h"
#include "ResourceStrings.h"
#include "protocol/CoreLibrary.h"
#include "protocol/ProtocolNode.h"

namespace brivane::core {
namespace {

struct RequestHandler {
  const wchar_t* category;
  const wchar_t* request;
  Status (*answer)(ProtocolNode& arguments, ProtocolNode& answer);
};

constexpr RequestHandler kRequests[] = {
    {L"system", L"read_resource_string", answerReadResourceString},
};

// Finds the handler for the request below `request`, appends "<request>_response" below `response`
// and lets the handler fill it.
Status processRequest(ProtocolNode& request, ProtocolNode& response) {
  const std::wstring category = request.getName();
  for (const RequestHandler& handler : kRequests) {
    if (category != handler.category) continue;
    ProtocolNode* arguments = request.findPath(handler.request, false);
    if (!arguments) continue;
    ProtocolNode* answer = ProtocolNode::addChild(&response, std::wstring(handler.request) + L"_response");
    return handler.answer(*arguments, *answer);
  }
  return STATUS_UNKNOWN_REQUEST;
}

}  // namespace
}  // namespace brivane::core

extern "C" brivane::Status QLSDK_ProcessProtocol_ByTag(brivane::ProtocolNode* request,
                                                       brivane::ProtocolNode* response) {
  if (!request || !response) return brivane::core::STATUS_BAD_ARGUMENTS;
  try {
    return brivane::core::processRequest(*request, *response);
  } catch (...) {
    return brivane::core::STATUS_INTERNAL_FAILURE;
  }
}

static_assert(std::is_same_v<decltype(&QLSDK_ProcessProtocol_ByTag), brivane::CoreEntryPoint>);
