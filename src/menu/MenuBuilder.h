#pragma once
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "menu/Classification.h"
#include "menu/CommandTable.h"

namespace brivane {

// The identifiers a menu may use between `firstId` and `lastId`; the count goes back to the shell in 16 bits.
std::size_t identifiersGranted(UINT firstId, UINT lastId);

// Inserts the product's entries for the filtered selection into the shell's menu at `position`: a
// separator, the primary and secondary entries (and the convert entry for secured items), the two send
// submenus and a closing separator, with identifiers from `firstId` on, never beyond `lastId` (see
// fittedCommandTable). Refills the classification and sets its menuKind. Returns the table of the
// identifiers inserted (its count() is the number used); none when nothing was inserted: flags asking for
// the default entry or no verbs only, labels not available, nothing of the selection found, or too few
// identifiers.
std::optional<CommandTable> buildMenu(HMENU menu, UINT position, UINT firstId, UINT lastId, UINT flags,
                                      HBITMAP fileBitmap, HBITMAP folderBitmap, HBITMAP convertBitmap,
                                      const std::vector<std::wstring>& selection, Classification& classification);

// The menu one build produced: its classification (kind, found items, send targets) and the table of
// its command offsets, none when nothing was inserted. QueryContextMenu stores it; InvokeCommand reads it.
struct BuiltMenu {
  Classification classification;
  std::optional<CommandTable> table;
};

}  // namespace brivane
