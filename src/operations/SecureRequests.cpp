#include "operations/SecureRequests.h"

#include "operations/RequestNodes.h"
#include "support/Paths.h"
#include "support/Text.h"

namespace brivane {
namespace {

constexpr wchar_t kSecuredFile[] = L".qelf";
constexpr wchar_t kSecuredFolder[] = L".qeld";

// Names the root and creates the request's "targets" list and its "options.no_report" flag.
ProtocolNode& requestTargets(ProtocolNode& root, const std::wstring& request) {
  root.setName(L"securing_files");
  ProtocolNode& targets = nodeAt(root, request + L".targets");
  nodeAt(root, request + L".options.no_report");
  return targets;
}

void addKeepOriginal(ProtocolNode& target, const CommandContext& context) {
  if (hasOption(context, CommandOption::KeepOriginal)) nodeAt(target, L"options.keep_original");
}

// How the target of one item is written: files and folders differ in their extension and the folder
// mark; the targets of a mixed request put their options first and carry no "no_report" of their own.
struct TargetForm {
  const wchar_t* extension;
  bool virtualFolder;
  bool mixed;
};

constexpr TargetForm kFileTarget{kSecuredFile, false, false};
constexpr TargetForm kFolderTarget{kSecuredFolder, true, false};
constexpr TargetForm kMixedFileTarget{kSecuredFile, false, true};
constexpr TargetForm kMixedFolderTarget{kSecuredFolder, true, true};

void addTarget(ProtocolNode& targets, const std::wstring& item, const TargetForm& form, const CommandContext& context) {
  ProtocolNode& target = appendChild(targets, L"target");
  if (form.virtualFolder) nodeAt(target, L"is_virtual_folder");
  if (form.mixed) addKeepOriginal(target, context);
  appendSource(nodeAt(target, L"targets"), item);
  setText(target, L"destination", securedItemPath(context, item, form.extension));
  if (form.mixed) return;
  addKeepOriginal(target, context);
  nodeAt(target, L"options.no_report");
}

}  // namespace

std::wstring securedItemPath(const CommandContext& context, std::wstring_view item, std::wstring_view extension) {
  const std::wstring_view name = lastComponentOf(item);
  std::wstring path;
  path.reserve(context.destination.size() + name.size() + extension.size());
  path.append(context.destination).append(name).append(extension);
  return path;
}

std::wstring securedFolderPath(const std::wstring& destination) {
  const std::size_t first = destination.find_first_not_of(L' ');
  std::wstring path = first == std::wstring::npos
                          ? std::wstring()
                          : destination.substr(first, destination.find_last_not_of(L' ') - first + 1);
  // Compared without regard to case, as secured folders are found by their extension.
  if (!endsWithIgnoringCase(path, kSecuredFolder)) path += kSecuredFolder;
  return path;
}

void buildSecureFilesRequest(ProtocolNode& root, const std::vector<std::wstring>& files, const CommandContext& context) {
  ProtocolNode& targets = requestTargets(root, L"secure_file");
  for (const std::wstring& file : files) addTarget(targets, file, kFileTarget, context);
}

void buildSecureFoldersRequest(ProtocolNode& root, const std::vector<std::wstring>& folders,
                               const CommandContext& context) {
  ProtocolNode& targets = requestTargets(root, L"secure_folder");
  for (const std::wstring& folder : folders) addTarget(targets, folder, kFolderTarget, context);
}

void buildSecureMixedRequest(ProtocolNode& root, const std::vector<std::wstring>& files,
                             const std::vector<std::wstring>& folders, const CommandContext& context) {
  ProtocolNode& targets = requestTargets(root, L"secure_folder");
  for (const std::wstring& file : files) addTarget(targets, file, kMixedFileTarget, context);
  for (const std::wstring& folder : folders) addTarget(targets, folder, kMixedFolderTarget, context);
}

void buildSendRequest(ProtocolNode& root, const std::vector<std::wstring>& sources, const CommandContext& context) {
  ProtocolNode& target = appendChild(requestTargets(root, L"secure_folder"), L"target");
  addKeepOriginal(target, context);
  if (hasOption(context, CommandOption::AppendDestination)) nodeAt(target, L"options.append_destination");
  setText(target, L"destination", securedFolderPath(context.destination));
  ProtocolNode& inner = nodeAt(target, L"targets");
  for (const std::wstring& source : sources) appendSource(inner, source);
}

}  // namespace brivane
