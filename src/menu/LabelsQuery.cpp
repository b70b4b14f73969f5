#include "menu/LabelsQuery.h"

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

}  // namespace brivane
