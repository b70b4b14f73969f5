#include <oleidl.h>

#include "Commands.h"
#include "DialogWatcher.h"
#include "HandlerDiscovery.h"
#include "PickerAnswer.h"
#include "ShellSelection.h"

namespace brivane {
namespace {

constexpr DWORD kAllowedEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE;

std::wstring effectLine(const wchar_t* step, HRESULT hr, DWORD effect) {
  return std::wstring(step) + L" hr=" + hresultText(hr) + L" effect=" + std::to_wstring(effect);
}

HRESULT draggedData(const std::vector<std::wstring>& paths, ComPtr<IDataObject>& data) {
  ShellSelection selection;
  HRESULT hr = selection.resolve(paths);
  return FAILED(hr) ? hr : selection.uiObject(nullptr, IID_IDataObject, data.outVoid());
}

// A drag of other items that enters the target and leaves it again without a drop.
HRESULT abandonedDrag(IDropTarget* target, const DropOptions& options, DWORD keyState, Output& out) {
  ComPtr<IDataObject> data;
  HRESULT hr = draggedData(options.abandoned, data);
  if (FAILED(hr)) return hr;
  DWORD effect = kAllowedEffects;
  hr = target->DragEnter(data.get(), keyState, POINTL{0, 0}, &effect);
  out.line(effectLine(L"abandoned dragenter", hr, effect));
  out.line(L"dragleave hr=" + hresultText(target->DragLeave()));
  return S_OK;
}

// DragEnter, one DragOver and Drop, as a drag that ends on the target; DragLeave when the target refuses.
void dragAndDrop(IDropTarget* target, IDataObject* data, DWORD keyState, Output& out) {
  DWORD effect = kAllowedEffects;
  HRESULT hr = target->DragEnter(data, keyState, POINTL{0, 0}, &effect);
  out.line(effectLine(L"dragenter", hr, effect));
  if (FAILED(hr) || effect == DROPEFFECT_NONE) {
    out.line(L"dragleave hr=" + hresultText(target->DragLeave()));
    return;
  }
  DWORD overEffect = kAllowedEffects;
  hr = target->DragOver(keyState, POINTL{0, 0}, &overEffect);
  out.line(effectLine(L"dragover", hr, overEffect));
  effect = kAllowedEffects;
  // A handler may tell the user why a drop failed; the box is recorded and closed, as for a command.
  DialogWatcher watcher(GetCurrentThreadId(), [&](HWND dialog, size_t index) {
    answerPicker(dialog, index, DialogAnswer{}, out);
  });
  hr = target->Drop(data, keyState, POINTL{0, 0}, &effect);
  watcher.finish();
  out.line(effectLine(L"drop", hr, effect));
}

}  // namespace

int runDrop(const DropOptions& options, Output& out) {
  RegisteredHandler handler;
  if (!dropHandlerForFile(options.target, handler)) {
    return fail(L"no drop handler is registered for " + options.target, REGDB_E_CLASSNOTREG);
  }
  out.line(L"drophandler " + handler.clsidText);
  ComPtr<IDataObject> data;
  HRESULT hr = draggedData(options.paths, data);
  if (FAILED(hr)) return fail(L"the shell gives no data object for the dragged items", hr);
  ComPtr<IPersistFile> file;
  hr = CoCreateInstance(handler.clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistFile, file.outVoid());
  if (FAILED(hr)) return fail(L"cannot create the drop handler", hr);
  out.line(L"load hr=" + hresultText(file->Load(options.target.c_str(), STGM_READ)));
  ComPtr<IDropTarget> target;
  hr = file->QueryInterface(IID_IDropTarget, target.outVoid());
  if (FAILED(hr)) return fail(L"the drop handler is no drop target", hr);
  const DWORD keyState = MK_LBUTTON | (options.ctrl ? MK_CONTROL : 0);
  if (!options.abandoned.empty()) {
    hr = abandonedDrag(target.get(), options, keyState, out);
    if (FAILED(hr)) return fail(L"the shell gives no data object for the abandoned items", hr);
  }
  dragAndDrop(target.get(), data.get(), keyState, out);
  return kExitOk;
}

}  // namespace brivane
