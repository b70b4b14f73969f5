#include "operations/SecureOperations.h"

#include "operations/HandOff.h"
#include "operations/SecureRequests.h"

namespace brivane {

Status secureFiles(const Classification& classification, const CommandContext& context) {
  if (classification.files.empty()) return STATUS_NOTHING_TO_DO;
  ProtocolNode request;
  buildSecureFilesRequest(request, classification.files, context);
  return handOffRequest(request);
}

Status secureFolders(const Classification& classification, const CommandContext& context) {
  if (classification.folders.empty()) return STATUS_NOTHING_TO_DO;
  ProtocolNode request;
  buildSecureFoldersRequest(request, classification.folders, context);
  return handOffRequest(request);
}

Status secureMixed(const Classification& classification, const CommandContext& context) {
  ProtocolNode request;
  buildSecureMixedRequest(request, classification.files, classification.folders, context);
  return handOffRequest(request);
}

Status sendToSecuredFolder(const std::vector<std::wstring>& paths, const CommandContext& context) {
  if (paths.empty()) return STATUS_NOTHING_TO_DO;
  ProtocolNode request;
  buildSendRequest(request, paths, context);
  return handOffRequest(request);
}

}  // namespace brivane
