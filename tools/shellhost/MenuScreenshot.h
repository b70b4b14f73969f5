#pragma once
#include <windows.h>

#include <string>

#include "OwnerWindow.h"

namespace brivane {

// Shows the menu as a popup of the owner window, opens its first submenu with the keyboard, saves the
// screen region of the open menus as a PNG and closes the menu again.
HRESULT screenshotMenu(OwnerWindow& owner, HMENU menu, const std::wstring& pngPath);

// The keys that open a menu's first submenu from a popup without selection: one VK_DOWN per entry up
// to the first popup (separators are skipped by the menu), then VK_RIGHT. Empty when there is no popup.
std::wstring keysToFirstSubmenu(HMENU menu);

}  // namespace brivane
