#pragma once
#include <windows.h>

#include "menu/Classification.h"
#include "menu/CommandTable.h"
#include "menu/MenuInsertion.h"
#include "menu/MenuLabels.h"

namespace brivane {

// The bitmaps of the main entries: the case's one for the primary and secondary entries, the folder
// bitmap for the two send submenus, the convert bitmap for the convert entry.
struct MenuPictures {
  HBITMAP entries;
  HBITMAP folder;
  HBITMAP convert;
};

// The table's main entries (offsets 0 to mainEntries() - 1), identifiers counted from `firstId`.
bool insertMainEntries(MenuInsertion& insertion, const CommandTable& table, UINT firstId, const MenuTexts& texts,
                       const MenuPictures& pictures);

// Appends the content of one send submenu: the nearby secured folders, a separator, the recent ones, a
// separator (each separator only after a group that has entries), then "...".
bool fillSendMenu(HMENU popup, const CommandTable& table, bool inCopyMenu, UINT firstId,
                  const Classification& classification);

}  // namespace brivane
