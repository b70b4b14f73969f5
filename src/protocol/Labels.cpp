#include "protocol/Labels.h"

#include <utility>

#include "protocol/ProtocolNode.h"

namespace brivane {
namespace {

constexpr wchar_t kLabelResourceFile[] = L"palisorv3";

}  // namespace

Status queryLabel(CoreEntryPoint entryPoint, const std::wstring& key, std::wstring& label) {
  ProtocolNode request(L"system", L"");
  ProtocolNode* query = ProtocolNode::addChild(&request, L"read_resource_string");
  query->findPath(L"file", true)->setString(kLabelResourceFile);
  query->findPath(L"path", true)->setString(key);
  ProtocolNode response;
  Status status = entryPoint(&request, &response);
  if (status < 0) return status;
  std::wstring text = response.findPath(L"read_resource_string_response.value", true)->getString();
  if (text.empty()) return STATUS_LABEL_EMPTY;
  label = std::move(text);
  return status;
}

Status fetchLabelSet(LabelKeys keys, std::vector<std::wstring>& out) {
  return withCoreLibrary(STATUS_CORE_UNAVAILABLE, [&](CoreEntryPoint entryPoint) {
    out.assign(keys.size(), std::wstring());
    for (std::size_t index = 0; index < keys.size(); ++index) {
      if (Status status = queryLabel(entryPoint, keys[index], out[index]); status < 0) return status;
    }
    return STATUS_OK;
  });
}

Status fetchFileLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kFileLabelKeys, out); }

Status fetchFolderLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kFolderLabelKeys, out); }

Status fetchMixedLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kMixedLabelKeys, out); }

Status fetchConvertLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kConvertLabelKeys, out); }

Status fetchPageLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kPageLabelKeys, out); }

Status fetchDefaultFolderName(std::wstring& out) {
  return withCoreLibrary(STATUS_CORE_UNAVAILABLE,
                         [&](CoreEntryPoint entryPoint) { return queryLabel(entryPoint, kDefaultFolderNameKey, out); });
}

}  // namespace brivane
