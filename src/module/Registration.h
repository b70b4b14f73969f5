#pragma once
#include <windows.h>
#include <olectl.h>

namespace brivane {

// Writes the registry entries that make Explorer load this module as a context-menu handler for all
// files and for folders (and approve it on NT). S_OK, or SELFREG_E_CLASS when a key cannot be created.
HRESULT registerServer();

// Removes what registerServer wrote. S_OK, or SELFREG_E_CLASS when one of the class or handler keys
// cannot be deleted (for one, when the module is not registered).
HRESULT unregisterServer();

}  // namespace brivane
