#include "MenuHost.h"

#include "module/ClassId.h"

namespace brivane::bench {

ComPtr<IShellExtInit> createHandler() {
  ComPtr<IShellExtInit> handler;
  CoCreateInstance(kShellExtensionClassId, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellExtInit),
                   handler.outVoid());
  return handler;
}

MenuResult fillMenu(IShellExtInit* handler, IDataObject* data, HMENU menu) {
  MenuResult result;
  ComPtr<IContextMenu> contextMenu;
  if (FAILED(handler->Initialize(nullptr, data, nullptr)) ||
      FAILED(handler->QueryInterface(__uuidof(IContextMenu), contextMenu.outVoid())))
    return result;
  const HRESULT used = contextMenu->QueryContextMenu(menu, 0, kFirstCommandId, kLastCommandId, kExplorerFlags);
  result.ok = SUCCEEDED(used) && HRESULT_CODE(used) > 0;
  result.entries = HRESULT_CODE(used);
  return result;
}

HRESULT invokeOffset(IShellExtInit* handler, UINT offset) {
  ComPtr<IContextMenu> contextMenu;
  if (FAILED(handler->QueryInterface(__uuidof(IContextMenu), contextMenu.outVoid()))) return E_NOINTERFACE;
  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof info;
  info.lpVerb = MAKEINTRESOURCEA(offset);
  info.nShow = SW_SHOWNORMAL;
  return contextMenu->InvokeCommand(&info);
}

}  // namespace brivane::bench
