#include "menu/Selection.h"
#include "operations/DropWorker.h"
#include "operations/HandOff.h"
#include "shell/DroppedFiles.h"
#include "shell/ShellExtension.h"
#include "support/GuardedCall.h"

namespace brivane {
namespace {

// The owner of a message about a drop: the window dropped on when it is this thread's (Explorer's folder
// window), else this thread's active window.
HWND dropOwnerAt(POINTL point) {
  HWND hit = WindowFromPoint(POINT{point.x, point.y});
  HWND top = hit ? GetAncestor(hit, GA_ROOT) : nullptr;
  if (top && GetWindowThreadProcessId(top, nullptr) == GetCurrentThreadId()) return top;
  return GetActiveWindow();
}

}  // namespace

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

// Acts on what DragEnter gathered. A send that never reached the application is a failed drop: the user
// is told, and the source learns that nothing was moved.
HRESULT ShellExtension::Drop(IDataObject*, DWORD keyState, POINTL point, DWORD* effect) {
  if (effect) *effect = dropEffectFor(keyState);
  const HRESULT result = guardedCall([&] {
    const Status status = runDropWorker(dropList, dropTargetPath, keyState, {dropOwnerAt(point), true});
    return isHandOffFailure(status) ? static_cast<HRESULT>(status) : S_OK;
  });
  if (FAILED(result) && effect) *effect = DROPEFFECT_NONE;
  return result;
}

}  // namespace brivane
