#pragma once
#include <windows.h>

#include <string>

#include "support/Handles.h"

namespace brivane {

// Items inserted into a menu one after another, from a position on, by position. Unless kept, they are
// removed again when the insertion ends, popups with their content, so a failure leaves the menu as it was.
class MenuInsertion {
 public:
  // A position beyond the last item means after it.
  MenuInsertion(HMENU menu, UINT position);
  ~MenuInsertion();
  MenuInsertion(const MenuInsertion&) = delete;
  MenuInsertion& operator=(const MenuInsertion&) = delete;

  bool addSeparator();
  bool addCommand(UINT id, const std::wstring& text);
  // The bitmap (null for none) shows for both the checked and the unchecked state.
  bool addCommand(UINT id, const std::wstring& text, HBITMAP bitmap);
  // On success the menu owns the popup and `popup` is empty.
  bool addPopup(UniqueMenu& popup, const std::wstring& text, HBITMAP bitmap);
  void keep() { kept_ = true; }

 private:
  bool insert(UINT flags, UINT_PTR item, const wchar_t* text);
  void setBitmap(HBITMAP bitmap);

  HMENU menu_;
  UINT start_;
  UINT next_;
  bool kept_ = false;
};

}  // namespace brivane
