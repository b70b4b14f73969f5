#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brivane {

// The lines describing a menu, one per entry, the content of a popup indented by two blanks below it:
//   POS separator
//   POS command OFFSET "LABEL" BITMAPS [grayed] [disabled] [checked] [default]
//   POS popup "LABEL" BITMAPS [grayed] [disabled]
// OFFSET is the entry's identifier minus firstId. BITMAPS is "no bitmap", or
// "bitmap unchecked=WxHxBITS checked=WxHxBITS" for the check-mark bitmaps (none when one is missing)
// and item=... when the entry carries an item bitmap.
std::vector<std::wstring> describeMenu(HMENU menu, UINT firstId);

// "WxHxBITS" of a bitmap, "none" for no bitmap, "invalid" for a handle that is not one.
std::wstring bitmapText(HBITMAP bitmap);

}  // namespace brivane
