#include "shell/ShellExtension.h"

namespace brivane {

// The secured item's property page is not offered yet.

HRESULT ShellExtension::AddPages(LPFNSVADDPROPSHEETPAGE, LPARAM) { return E_NOTIMPL; }

HRESULT ShellExtension::ReplacePage(EXPPS, LPFNSVADDPROPSHEETPAGE, LPARAM) { return E_NOTIMPL; }

}  // namespace brivane
