#pragma once
// The extension object driven as Explorer drives a context menu: created through the DLL's class
// factory, initialised with the shell's data object for the selection, its entries inserted into a
// real popup menu, an entry invoked by its offset.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "module/ExtensionModule.h"
#include "shell/ShellDataObject.h"
#include "support/Handles.h"

namespace brivane::testing {

// The identifiers Explorer grants a handler, here as in Explorer's own menus.
constexpr UINT kFirstCommandId = 0x7000;
constexpr UINT kLastCommandId = 0x7FFF;
// What Explorer passes for a right-click on items in a folder window.
constexpr UINT kExplorerFlags = CMF_CANRENAME;

// The shell's data object for items that all lie in the folder of the first; null for no items.
inline ComPtr<IDataObject> shellDataObjectOf(const std::vector<std::wstring>& paths) {
  if (paths.empty()) return {};
  std::vector<std::wstring> names;
  for (const std::wstring& path : paths) names.push_back(path.substr(path.rfind(L'\\') + 1));
  return test::shellDataObject(paths.front().substr(0, paths.front().rfind(L'\\')), names);
}

class ContextMenuSession {
 public:
  explicit ContextMenuSession(const std::vector<std::wstring>& paths)
      : menu_(test::ExtensionModule::get().create<IContextMenu>()), popup_(CreatePopupMenu()) {
    if (menu_) initialized_ = initialize(paths);
  }

  // IShellExtInit::Initialize with the shell's data object for the items.
  HRESULT initialize(const std::vector<std::wstring>& paths) {
    ComPtr<IShellExtInit> init;
    ComPtr<IDataObject> data = shellDataObjectOf(paths);
    if (!data || FAILED(menu_->QueryInterface(__uuidof(IShellExtInit), init.outVoid()))) return E_FAIL;
    return init->Initialize(nullptr, data.get(), nullptr);
  }

  bool ready() const { return menu_ && popup_ && SUCCEEDED(initialized_); }
  IContextMenu* menu() const { return menu_.get(); }
  HMENU popup() const { return popup_.get(); }

  HRESULT query(UINT flags = kExplorerFlags, UINT lastId = kLastCommandId) {
    return menu_->QueryContextMenu(popup_.get(), 0, kFirstCommandId, lastId, flags);
  }
  HRESULT invoke(UINT offset) { return invokeVerb(MAKEINTRESOURCEA(offset)); }
  HRESULT invokeVerb(LPCSTR verb) {
    CMINVOKECOMMANDINFO info{};
    info.cbSize = sizeof info;
    info.lpVerb = verb;
    info.nShow = SW_SHOWNORMAL;
    return menu_->InvokeCommand(&info);
  }

 private:
  ComPtr<IContextMenu> menu_;
  UniqueMenu popup_;
  HRESULT initialized_ = E_FAIL;
};

}  // namespace brivane::testing
