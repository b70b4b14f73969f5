#include "operations/UnsecureOperation.h"

#include "operations/HandOff.h"
#include "operations/RequestNodes.h"
#include "support/Paths.h"

namespace brivane {
namespace {

bool isSecuredFolder(const std::wstring& path) { return hasExtension(path, L".qeld"); }

void addItem(ProtocolNode& cab, const std::wstring& path, const CommandContext& context, bool only) {
  ProtocolNode& item = appendChild(cab, L"qelx");
  setText(item, L"path", path);
  setText(item, L"destination", unsecureDestination(path, context.destination));
  if (isSecuredFolder(path)) nodeAt(item, L"options.unsecure_all");
  if (only) nodeAt(item, L"options.no_confirm");
  nodeAt(item, L"options.no_report");
}

}  // namespace

std::wstring unsecureDestination(const std::wstring& path, const std::wstring& destination) {
  if (!isSecuredFolder(path)) return destination;
  return withTrailingBackslash(destination) + fileNameOf(path, true);
}

void buildUnsecureRequest(ProtocolNode& root, const std::vector<std::wstring>& selection,
                          const CommandContext& context) {
  root.setName(L"unsecuring_files");
  ProtocolNode& cab = nodeAt(root, L"open_secure_folder.qelx_cab");
  for (const std::wstring& path : selection) addItem(cab, path, context, selection.size() == 1);
}

Status unsecureItems(const std::vector<std::wstring>& selection, const CommandContext& context) {
  return handOffRequestFor(selection, context.notice,
                           [&](ProtocolNode& request) { buildUnsecureRequest(request, selection, context); });
}

}  // namespace brivane
