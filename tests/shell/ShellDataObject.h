#pragma once
// The shell's own data object for items of one folder, as Explorer hands it to a handler.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "support/Handles.h"

namespace brivane::test {

inline ComPtr<IDataObject> shellDataObject(const std::wstring& folder, const std::vector<std::wstring>& names) {
  ComPtr<IShellFolder> desktop;
  ComPtr<IShellFolder> parent;
  ComPtr<IDataObject> data;
  if (FAILED(SHGetDesktopFolder(desktop.out()))) return data;
  UniqueItemIdList folderId;
  std::wstring display = folder;
  if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, display.data(), nullptr,
                                       reinterpret_cast<PIDLIST_RELATIVE*>(folderId.out()), nullptr)) ||
      FAILED(desktop->BindToObject(folderId.get(), nullptr, __uuidof(IShellFolder), parent.outVoid())))
    return data;
  std::vector<UniqueItemIdList> children(names.size());
  std::vector<PCUITEMID_CHILD> childIds;
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::wstring name = names[i];
    if (FAILED(parent->ParseDisplayName(nullptr, nullptr, name.data(), nullptr,
                                        reinterpret_cast<PIDLIST_RELATIVE*>(children[i].out()), nullptr)))
      return data;
    childIds.push_back(children[i].get());
  }
  parent->GetUIObjectOf(nullptr, static_cast<UINT>(childIds.size()), childIds.data(), __uuidof(IDataObject), nullptr,
                        data.outVoid());
  return data;
}

}  // namespace brivane::test
