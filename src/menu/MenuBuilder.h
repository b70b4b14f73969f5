#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "menu/Classification.h"

namespace brivane {

// Inserts the product's entries for the filtered selection into the shell's menu at `position`: a
// separator, the primary and secondary entries (and the convert entry for secured items), the two send
// submenus and a closing separator, with identifiers from `firstId` on, never beyond `lastId` (see
// fittedCommandTable). Refills the classification and sets its menuKind; the identifiers' meaning is
// commandTableFor(classification). Returns the number of identifiers used, 0 when nothing was inserted:
// flags asking for the default entry or no verbs only, labels not available, nothing of the selection
// found, or too few identifiers.
std::uint16_t buildMenu(HMENU menu, UINT position, UINT firstId, UINT lastId, UINT flags, HBITMAP fileBitmap,
                        HBITMAP folderBitmap, HBITMAP convertBitmap, const std::vector<std::wstring>& selection,
                        Classification& classification);

}  // namespace brivane
