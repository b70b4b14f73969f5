#include <optional>

#include "shell/DropRule.h"
#include "shell/DropWorker.h"
#include "shell/DroppedFiles.h"
#include "shell/GuardedCall.h"
#include "shell/ShellExtension.h"

namespace brivane {
namespace {

// The dragged file names, each whole; none when the data object carries no CF_HDROP block.
std::vector<std::wstring> draggedNames(IDataObject* data) {
  if (!data) return {};
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  StorageMedium medium;
  if (FAILED(medium.fill(data, format)) || medium.get().tymed != TYMED_HGLOBAL) return {};
  std::optional<std::vector<std::wstring>> names = readDroppedNames(medium.get().hGlobal);
  return names ? std::move(*names) : std::vector<std::wstring>();
}

}  // namespace

// Every drag starts afresh, so names of an earlier, abandoned drag are never dropped with a later one.
HRESULT ShellExtension::DragEnter(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) {
  dropList.clear();
  if (!effect) return E_INVALIDARG;
  *effect = DROPEFFECT_NONE;
  return guardedCall([&] {
    dropList = draggedNames(data);
    if (dropList.empty()) return E_INVALIDARG;
    *effect = dropEffectFor(keyState);
    return S_OK;
  });
}

// The effect chosen at entering stands for the whole drag.
HRESULT ShellExtension::DragOver(DWORD, POINTL, DWORD*) { return E_NOTIMPL; }

HRESULT ShellExtension::DragLeave() { return S_OK; }

// Acts on what DragEnter gathered; whatever the send reports stays unseen.
HRESULT ShellExtension::Drop(IDataObject*, DWORD keyState, POINTL, DWORD* effect) {
  if (effect) *effect = dropEffectFor(keyState);
  guardedCall([&] {
    runDropWorker(dropList, dropTargetPath, keyState);
    return S_OK;
  });
  return S_OK;
}

}  // namespace brivane
