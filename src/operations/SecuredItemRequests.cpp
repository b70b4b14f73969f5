#include "operations/SecuredItemRequests.h"

#include "operations/RequestNodes.h"
#include "support/Paths.h"

namespace brivane {
namespace {

bool isSecuredFolder(const std::wstring& path) { return hasExtension(path, L".qeld"); }

bool isSecuredItem(const std::wstring& path) { return hasExtension(path, L".qelf") || isSecuredFolder(path); }

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

void buildKeyChangeRequest(ProtocolNode& root, const std::wstring& path) {
  root.setName(L"password_change");
  ProtocolNode* target = ProtocolNode::addChild(root.findPath(L"change_qelx_keys", true), L"target");
  target->findPath(L"source", true)->setString(path);
}

}  // namespace brivane
