#include "operations/SecureOperations.h"

#include "operations/HandOff.h"
#include "operations/SecureRequests.h"

namespace brivane {

Status secureFiles(const Classification& classification, const CommandContext& context) {
  return handOffRequestFor(classification.files, context.notice, [&](ProtocolNode& request) {
    buildSecureFilesRequest(request, classification.files, context);
  });
}

Status secureFolders(const Classification& classification, const CommandContext& context) {
  return handOffRequestFor(classification.folders, context.notice, [&](ProtocolNode& request) {
    buildSecureFoldersRequest(request, classification.folders, context);
  });
}

Status secureMixed(const Classification& classification, const CommandContext& context) {
  ProtocolNode request;
  buildSecureMixedRequest(request, classification.files, classification.folders, context);
  return handOffRequest(request, context.notice);
}

Status sendToSecuredFolder(const std::vector<std::wstring>& paths, const CommandContext& context) {
  return handOffRequestFor(paths, context.notice, [&](ProtocolNode& request) { buildSendRequest(request, paths, context); });
}

}  // namespace brivane
