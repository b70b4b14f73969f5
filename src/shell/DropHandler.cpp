#include "menu/Selection.h"
#include "operations/DropWorker.h"
#include "shell/DroppedFiles.h"
#include "shell/ShellExtension.h"
#include "support/GuardedCall.h"

namespace brivane {

// Every drag starts afresh, so names of an earlier, abandoned drag are never dropped with a later one.
// Any program can start a drag with names of its own making: they pass the context menu's filter, and a
// drag left with none is refused as one without names.
HRESULT ShellExtension::DragEnter(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) {
  dropList.clear();
  if (!effect) return E_INVALIDARG;
  *effect = DROPEFFECT_NONE;
  return guardedCall([&] {
    dropList = readDroppedNamesFrom(data).value_or(std::vector<std::wstring>());
    filterSelection(dropList);
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
