#include <windows.h>

#include <string>
#include <type_traits>

#include "doubles/ScriptedCoreRegistry.h"
#include "protocol/CoreLibrary.h"
#include "protocol/ProtocolNode.h"

namespace brivane::scripted {
namespace {

// Calls since this copy of the library was loaded: the index scripts refer to.
DWORD callsSinceLoad = 0;

std::wstring childText(ProtocolNode& node, const wchar_t* name) {
  ProtocolNode* child = node.findPath(name, false);
  return child ? child->getString() : std::wstring();
}

bool isEmptyRoot(const ProtocolNode& node) {
  return node.getName().empty() && node.kind() == ValueKind::None && node.childCount() == 0;
}

// The label query exactly as the extension must build it; `key` gets its "path".
bool isLabelQuery(ProtocolNode& request, ProtocolNode& response, std::wstring& key) {
  if (request.getName() != L"system" || request.kind() != ValueKind::None || request.childCount() != 1) return false;
  ProtocolNode* query = request.findPath(L"read_resource_string", false);
  if (!query || query->childCount() != 2 || childText(*query, L"file") != L"palisorv3") return false;
  key = childText(*query, L"path");
  return isEmptyRoot(response);
}

Status answer(ProtocolNode& request, ProtocolNode& response) {
  const DWORD index = callsSinceLoad++;
  std::wstring key;
  bool wellFormed = isLabelQuery(request, response, key);
  writeScriptString(kKeyPrefix + std::to_wstring(index), key);
  if (index == scriptDword(kFailAt, MAXDWORD)) return static_cast<Status>(scriptDword(kFailStatus, 0));
  if (!wellFormed) return kMalformedRequest;
  if (scriptDword(kAppendNothing, 0) == 0) {
    std::wstring text;
    if (index == scriptDword(kEmptyAt, MAXDWORD))
      text.clear();
    else if (!readScriptString(kText, text))
      text = key;
    ProtocolNode* answerNode = ProtocolNode::addChild(&response, L"read_resource_string_response");
    answerNode->findPath(L"value", true)->setString(text);
  }
  return static_cast<Status>(scriptDword(kStatus, 0));
}

}  // namespace
}  // namespace brivane::scripted

extern "C" brivane::Status QLSDK_ProcessProtocol_ByTag(brivane::ProtocolNode* request,
                                                       brivane::ProtocolNode* response) {
  if (!request || !response) return brivane::scripted::kMalformedRequest;
  try {
    return brivane::scripted::answer(*request, *response);
  } catch (...) {
    return brivane::scripted::kMalformedRequest;
  }
}

static_assert(std::is_same_v<decltype(&QLSDK_ProcessProtocol_ByTag), brivane::CoreEntryPoint>);
