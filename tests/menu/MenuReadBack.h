#pragma once
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/Handles.h"

namespace brivane::testing {

// One item of a real menu as the platform reports it back.
struct MenuItem {
  bool separator = false;
  std::wstring text{};
  UINT id = 0;
  HBITMAP checked = nullptr;
  HBITMAP unchecked = nullptr;
  bool popup = false;
  std::vector<MenuItem> content{};  // a popup's items

  bool operator==(const MenuItem&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const MenuItem& item) {
  if (item.separator) return out << "----";
  out << '"' << std::string(item.text.begin(), item.text.end()) << "\" id " << item.id << " bitmaps " << item.checked
      << '/' << item.unchecked;
  if (!item.popup) return out;
  out << " {";
  for (const MenuItem& inner : item.content) out << ' ' << inner << ';';
  return out << " }";
}

inline std::vector<MenuItem> readMenu(HMENU menu);

inline MenuItem readMenuItem(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS;
  MenuItem item;
  if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return item;
  item.separator = (info.fType & MFT_SEPARATOR) != 0;
  item.checked = info.hbmpChecked;
  item.unchecked = info.hbmpUnchecked;
  if (item.separator) return item;
  wchar_t text[1024] = {};
  GetMenuStringW(menu, position, text, static_cast<int>(std::size(text)), MF_BYPOSITION);
  item.text = text;
  item.popup = info.hSubMenu != nullptr;
  if (item.popup)
    item.content = readMenu(info.hSubMenu);
  else
    item.id = info.wID;
  return item;
}

inline std::vector<MenuItem> readMenu(HMENU menu) {
  std::vector<MenuItem> items;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) items.push_back(readMenuItem(menu, position));
  return items;
}

inline MenuItem separatorItem() { return MenuItem{.separator = true}; }

inline MenuItem commandItem(std::wstring text, UINT id, HBITMAP bitmap = nullptr) {
  return MenuItem{.text = std::move(text), .id = id, .checked = bitmap, .unchecked = bitmap};
}

inline MenuItem popupItem(std::wstring text, HBITMAP bitmap, std::vector<MenuItem> content) {
  return MenuItem{
      .text = std::move(text), .checked = bitmap, .unchecked = bitmap, .popup = true, .content = std::move(content)};
}

// A popup menu such as the shell builds, destroyed with everything inserted into it.
inline UniqueMenu shellMenu() { return UniqueMenu(CreatePopupMenu()); }

}  // namespace brivane::testing
