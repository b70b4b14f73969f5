#include "menu/MenuInsertion.h"

#include <algorithm>

namespace brivane {
namespace {

// The platform's item counts are signed; an invalid menu reports -1 and then takes no insertion anyway.
UINT positionWithin(HMENU menu, UINT position) {
  const int count = GetMenuItemCount(menu);
  return count < 0 ? position : std::min(position, static_cast<UINT>(count));
}

}  // namespace

MenuInsertion::MenuInsertion(HMENU menu, UINT position)
    : menu_(menu), start_(positionWithin(menu, position)), next_(start_) {}

MenuInsertion::~MenuInsertion() {
  if (kept_) return;
  for (UINT inserted = start_; inserted < next_; ++inserted) DeleteMenu(menu_, start_, MF_BYPOSITION);
}

bool MenuInsertion::addSeparator() { return insert(MF_BYPOSITION | MF_SEPARATOR, 0, nullptr); }

bool MenuInsertion::addCommand(UINT id, const std::wstring& text) {
  return insert(MF_BYPOSITION | MF_STRING, id, text.c_str());
}

bool MenuInsertion::addCommand(UINT id, const std::wstring& text, HBITMAP bitmap) {
  if (!addCommand(id, text)) return false;
  setBitmap(bitmap);
  return true;
}

bool MenuInsertion::addPopup(UniqueMenu& popup, const std::wstring& text, HBITMAP bitmap) {
  if (!insert(MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(popup.get()), text.c_str())) return false;
  popup.release();
  setBitmap(bitmap);
  return true;
}

bool MenuInsertion::insert(UINT flags, UINT_PTR item, const wchar_t* text) {
  if (!InsertMenuW(menu_, next_, flags, item, text)) return false;
  ++next_;
  return true;
}

// A picture is a nicety: the entry stays without one when it cannot be set.
void MenuInsertion::setBitmap(HBITMAP bitmap) {
  SetMenuItemBitmaps(menu_, next_ - 1, MF_BYPOSITION | MF_BITMAP, bitmap, bitmap);
}

}  // namespace brivane
