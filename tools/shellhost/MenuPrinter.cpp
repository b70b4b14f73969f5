#include "MenuPrinter.h"

#include "Output.h"

namespace brivane {
namespace {

struct EntryState {
  UINT mask;
  const wchar_t* word;
};

// State words printed after an entry, in this order.
const EntryState kStates[] = {
    {MF_GRAYED, L"grayed"},
    {MF_DISABLED, L"disabled"},
    {MFS_CHECKED, L"checked"},
    {MFS_DEFAULT, L"default"},
};

std::wstring entryLabel(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return {};
  std::wstring label(info.cch + 1, L'\0');
  info.dwTypeData = label.data();
  info.cch = static_cast<UINT>(label.size());
  if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return {};
  label.resize(info.cch);
  return label;
}

bool isPredefinedBitmap(HBITMAP bitmap) {
  return reinterpret_cast<ULONG_PTR>(bitmap) <= reinterpret_cast<ULONG_PTR>(HBMMENU_POPUP_MINIMIZE) &&
         reinterpret_cast<ULONG_PTR>(bitmap) >= reinterpret_cast<ULONG_PTR>(HBMMENU_CALLBACK);
}

std::wstring bitmapsText(const MENUITEMINFOW& info) {
  const bool itemBitmap = info.hbmpItem != nullptr;
  if (!info.hbmpUnchecked && !info.hbmpChecked && !itemBitmap) return L"no bitmap";
  std::wstring text =
      L"bitmap unchecked=" + bitmapText(info.hbmpUnchecked) + L" checked=" + bitmapText(info.hbmpChecked);
  if (itemBitmap) {
    text += L" item=";
    text += isPredefinedBitmap(info.hbmpItem) ? L"predefined" : bitmapText(info.hbmpItem);
  }
  return text;
}

std::wstring statesText(UINT state) {
  std::wstring text;
  for (const EntryState& entry : kStates) {
    if (state & entry.mask) text += L" " + std::wstring(entry.word);
  }
  return text;
}

void describeLevel(HMENU menu, UINT firstId, const std::wstring& indent, std::vector<std::wstring>& lines) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_BITMAP;
    std::wstring prefix = indent + std::to_wstring(position) + L" ";
    if (!GetMenuItemInfoW(menu, position, TRUE, &info)) {
      lines.push_back(prefix + L"unreadable");
      continue;
    }
    if (info.fType & MFT_SEPARATOR) {
      lines.push_back(prefix + L"separator");
      continue;
    }
    std::wstring details = quoted(entryLabel(menu, position)) + L" " + bitmapsText(info);
    if (info.hSubMenu) {
      lines.push_back(prefix + L"popup " + details + statesText(info.fState & MFS_DISABLED));
      describeLevel(info.hSubMenu, firstId, indent + L"  ", lines);
    } else {
      const long long offset = static_cast<long long>(info.wID) - static_cast<long long>(firstId);
      lines.push_back(prefix + L"command " + std::to_wstring(offset) + L" " + details + statesText(info.fState));
    }
  }
}

}  // namespace

std::vector<std::wstring> describeMenu(HMENU menu, UINT firstId) {
  std::vector<std::wstring> lines;
  describeLevel(menu, firstId, L"", lines);
  return lines;
}

std::wstring bitmapText(HBITMAP bitmap) {
  if (!bitmap) return L"none";
  BITMAP description{};
  if (GetObjectW(bitmap, sizeof description, &description) != sizeof description) return L"invalid";
  return std::to_wstring(description.bmWidth) + L"x" + std::to_wstring(description.bmHeight) + L"x" +
         std::to_wstring(description.bmBitsPixel);
}

}  // namespace brivane
