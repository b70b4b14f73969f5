#include "operations/ConvertOperation.h"

#include "operations/HandOff.h"
#include "operations/RequestNodes.h"
#include "support/Paths.h"

namespace brivane {
namespace {

bool isSecuredItem(const std::wstring& path) { return hasExtension(path, L".qelf") || hasExtension(path, L".qeld"); }

}  // namespace

void buildConvertRequest(ProtocolNode& root, const std::vector<std::wstring>& selection,
                         const CommandContext& context) {
  root.setName(L"convert_qelx_to_exe");
  ProtocolNode& targets = nodeAt(root, L"convert_qelf_to_exe.targets");
  for (const std::wstring& path : selection)
    if (isSecuredItem(path)) appendSource(targets, path);
  setText(root, L"convert_qelf_to_exe.destination", context.destination);
  if (hasOption(context, CommandOption::KeepOriginal)) nodeAt(root, L"convert_qelf_to_exe.options.keep_original");
  nodeAt(root, L"convert_qelf_to_exe.options.no_report");
}

Status convertToExecutable(const std::vector<std::wstring>& selection, const CommandContext& context) {
  return handOffRequestFor(selection, context.notice,
                           [&](ProtocolNode& request) { buildConvertRequest(request, selection, context); });
}

}  // namespace brivane
