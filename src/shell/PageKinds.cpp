#include "shell/PageKinds.h"

#include "protocol/Labels.h"
#include "resources/ResourceIds.h"
#include "support/Paths.h"

namespace brivane {
namespace {

constexpr PageKind kPageKinds[] = {
    {L".qelf", IDI_SECURED_FILE, L"eFile", PageLabel::FileText},
    {L".qeld", IDI_SECURED_FOLDER, L"eFolder", PageLabel::FolderText},
};

}  // namespace

const PageKind* pageKindOf(const std::wstring& path) {
  for (const PageKind& kind : kPageKinds)
    if (hasExtension(path, kind.extension)) return &kind;
  return nullptr;
}

}  // namespace brivane
