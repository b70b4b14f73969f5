#include "operations/SecureRequests.h"

#include <windows.h>

#include <string_view>

#include "menu/PathHelpers.h"
#include "operations/RequestNodes.h"

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

void addFileTarget(ProtocolNode& targets, const std::wstring& file, const CommandContext& context) {
  ProtocolNode& target = appendChild(targets, L"target");
  appendSource(nodeAt(target, L"targets"), file);
  setText(target, L"destination", securedItemPath(context, file, kSecuredFile));
  addKeepOriginal(target, context);
  nodeAt(target, L"options.no_report");
}

void addFolderTarget(ProtocolNode& targets, const std::wstring& folder, const CommandContext& context) {
  ProtocolNode& target = appendChild(targets, L"target");
  nodeAt(target, L"is_virtual_folder");
  appendSource(nodeAt(target, L"targets"), folder);
  setText(target, L"destination", securedItemPath(context, folder, kSecuredFolder));
  addKeepOriginal(target, context);
  nodeAt(target, L"options.no_report");
}

// Targets of a mixed request carry no "no_report" of their own, and their options come first.
void addMixedFileTarget(ProtocolNode& targets, const std::wstring& file, const CommandContext& context) {
  ProtocolNode& target = appendChild(targets, L"target");
  addKeepOriginal(target, context);
  appendSource(nodeAt(target, L"targets"), file);
  setText(target, L"destination", securedItemPath(context, file, kSecuredFile));
}

void addMixedFolderTarget(ProtocolNode& targets, const std::wstring& folder, const CommandContext& context) {
  ProtocolNode& target = appendChild(targets, L"target");
  nodeAt(target, L"is_virtual_folder");
  addKeepOriginal(target, context);
  appendSource(nodeAt(target, L"targets"), folder);
  setText(target, L"destination", securedItemPath(context, folder, kSecuredFolder));
}

// The ending compared without regard to case, as secured folders are found by their extension.
bool endsWithSecuredFolderExtension(const std::wstring& path) {
  const std::wstring_view extension(kSecuredFolder);
  const int length = static_cast<int>(extension.size());
  return path.size() >= extension.size() &&
         CompareStringOrdinal(path.data() + path.size() - length, length, extension.data(), length, TRUE) == CSTR_EQUAL;
}

}  // namespace

std::wstring securedItemPath(const CommandContext& context, const std::wstring& item, const std::wstring& extension) {
  return context.destination + fileNameOf(item, false) + extension;
}

std::wstring securedFolderPath(const std::wstring& destination) {
  const std::size_t first = destination.find_first_not_of(L' ');
  std::wstring path = first == std::wstring::npos
                          ? std::wstring()
                          : destination.substr(first, destination.find_last_not_of(L' ') - first + 1);
  if (!endsWithSecuredFolderExtension(path)) path += kSecuredFolder;
  return path;
}

void buildSecureFilesRequest(ProtocolNode& root, const std::vector<std::wstring>& files, const CommandContext& context) {
  ProtocolNode& targets = requestTargets(root, L"secure_file");
  for (const std::wstring& file : files) addFileTarget(targets, file, context);
}

void buildSecureFoldersRequest(ProtocolNode& root, const std::vector<std::wstring>& folders,
                               const CommandContext& context) {
  ProtocolNode& targets = requestTargets(root, L"secure_folder");
  for (const std::wstring& folder : folders) addFolderTarget(targets, folder, context);
}

void buildSecureMixedRequest(ProtocolNode& root, const std::vector<std::wstring>& files,
                             const std::vector<std::wstring>& folders, const CommandContext& context) {
  ProtocolNode& targets = requestTargets(root, L"secure_folder");
  for (const std::wstring& file : files) addMixedFileTarget(targets, file, context);
  for (const std::wstring& folder : folders) addMixedFolderTarget(targets, folder, context);
}

void buildSendRequest(ProtocolNode& root, const std::vector<std::wstring>& sources, const CommandContext& context) {
  ProtocolNode& target = appendChild(requestTargets(root, L"secure_folder"), L"target");
  if (hasOption(context, CommandOption::KeepOriginal)) nodeAt(target, L"options.keep_original");
  if (hasOption(context, CommandOption::AppendDestination)) nodeAt(target, L"options.append_destination");
  setText(target, L"destination", securedFolderPath(context.destination));
  ProtocolNode& inner = nodeAt(target, L"targets");
  for (const std::wstring& source : sources) appendSource(inner, source);
}

}  // namespace brivane
