#pragma once
#include <windows.h>
#include <shobjidl.h>

namespace brivane {

// InvokeCommand as Explorer calls it for a chosen entry: the verb is the command offset, the owner is a
// real window, the show command SW_SHOWNORMAL; with `noUi`, as a caller that must not show any window.
HRESULT invokeOffset(IContextMenu* menu, UINT offset, HWND owner, bool noUi);

// InvokeCommand with a text verb such as "properties".
HRESULT invokeVerb(IContextMenu* menu, const char* verb, HWND owner);

}  // namespace brivane
