#pragma once
#include <windows.h>

namespace brivane {

// The dialog procedure of the secured item's property page. Its WM_INITDIALOG parameter is the page
// record, whose application value is the page's PageItem. Returns 0 for every message.
INT_PTR CALLBACK pageDialogProc(HWND page, UINT message, WPARAM first, LPARAM second);

}  // namespace brivane
