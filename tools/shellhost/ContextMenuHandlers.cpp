#include "ContextMenuHandlers.h"

namespace brivane {
namespace {

std::wstring failureLine(const RegisteredHandler& handler, const wchar_t* step, HRESULT hr) {
  return L"handler " + handler.clsidText + L" failed step=" + step + L" hr=" + hresultText(hr);
}

// Creates the handler and hands it the selection; nullptr (with a line on out) when either fails.
ComPtr<IContextMenu> createInitialised(const RegisteredHandler& handler, const ShellSelection& selection,
                                       IDataObject* data, Output& out) {
  ComPtr<IShellExtInit> init;
  HRESULT hr = CoCreateInstance(handler.clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, init.outVoid());
  if (FAILED(hr)) {
    out.line(failureLine(handler, L"create", hr));
    return {};
  }
  hr = init->Initialize(selection.folderIdList(), data, nullptr);
  if (FAILED(hr)) {
    out.line(failureLine(handler, L"initialize", hr));
    return {};
  }
  ComPtr<IContextMenu> menu;
  hr = init->QueryInterface(IID_IContextMenu, menu.outVoid());
  if (FAILED(hr)) out.line(failureLine(handler, L"contextmenu", hr));
  return menu;
}

}  // namespace

HRESULT ContextMenuHandlers::build(const std::vector<RegisteredHandler>& registered, const ShellSelection& selection,
                                   HMENU menu, UINT firstId, UINT lastId, UINT flags, Output& out) {
  ComPtr<IDataObject> data;
  HRESULT hr = selection.uiObject(nullptr, IID_IDataObject, data.outVoid());
  if (FAILED(hr)) return hr;
  firstId_ = firstId;
  UINT nextId = firstId;
  for (const RegisteredHandler& handler : registered) {
    ComPtr<IContextMenu> contextMenu = createInitialised(handler, selection, data.get(), out);
    if (!contextMenu) continue;
    if (nextId > lastId) {
      out.line(L"handler " + handler.clsidText + L" skipped reason=no-identifiers-left");
      continue;
    }
    // Each handler's entries follow those of the handlers before it.
    const UINT position = static_cast<UINT>(GetMenuItemCount(menu));
    hr = contextMenu->QueryContextMenu(menu, position, nextId, lastId, flags);
    const UINT count = SUCCEEDED(hr) ? HRESULT_CODE(hr) : 0;
    out.line(L"handler " + handler.clsidText + L" first=" + std::to_wstring(nextId - firstId) + L" count=" +
             std::to_wstring(count) + L" hr=" + hresultText(hr));
    handlers_.push_back(LoadedHandler{handler, std::move(contextMenu), nextId, count});
    nextId += count;
  }
  return S_OK;
}

const LoadedHandler* ContextMenuHandlers::owner(UINT offset, UINT& handlerOffset) const {
  const unsigned long long id = static_cast<unsigned long long>(firstId_) + offset;
  for (const LoadedHandler& handler : handlers_) {
    if (id >= handler.firstId && id < static_cast<unsigned long long>(handler.firstId) + handler.count) {
      handlerOffset = static_cast<UINT>(id - handler.firstId);
      return &handler;
    }
  }
  return nullptr;
}

}  // namespace brivane
