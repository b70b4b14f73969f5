#pragma once
// The extension driven as Explorer drives it: the handler created through COM, initialised with the
// selection's data object, asked to fill a popup menu, and an entry invoked by its offset.
#include <windows.h>
#include <shlobj.h>

#include "support/Handles.h"

namespace brivane::bench {

// The identifiers Explorer grants a handler, and the flags of a right-click in a folder window.
constexpr UINT kFirstCommandId = 0x7000;
constexpr UINT kLastCommandId = 0x7FFF;
constexpr UINT kExplorerFlags = CMF_CANRENAME;

// CoCreateInstance of the registered handler; null when the class cannot be created.
ComPtr<IShellExtInit> createHandler();

struct MenuResult {
  bool ok = false;
  UINT entries = 0;  // command identifiers the handler used
};

// Initialize and QueryContextMenu on a handler already created, into `menu`.
MenuResult fillMenu(IShellExtInit* handler, IDataObject* data, HMENU menu);

// InvokeCommand with a command offset, as a click on the entry does.
HRESULT invokeOffset(IShellExtInit* handler, UINT offset);

}  // namespace brivane::bench
