#include "FolderTreeWalk.h"

#include <commctrl.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "WindowAccess.h"
#include "support/Handles.h"

namespace brivane {
namespace {

bool displayNameOf(PCIDLIST_ABSOLUTE item, std::wstring& name) {
  ComPtr<IShellFolder> parent;
  PCUITEMID_CHILD last = nullptr;
  if (FAILED(SHBindToParent(item, IID_IShellFolder, parent.outVoid(), &last))) return false;
  STRRET text{};
  if (FAILED(parent->GetDisplayNameOf(last, SHGDN_NORMAL, &text))) return false;
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(StrRetToBufW(&text, last, buffer, MAX_PATH))) return false;  // frees what the STRRET holds
  name = buffer;
  return true;
}

std::wstring itemText(HWND tree, HTREEITEM item) {
  wchar_t text[MAX_PATH] = {};
  TVITEMW request{};
  request.mask = TVIF_TEXT;
  request.hItem = item;
  request.pszText = text;
  request.cchTextMax = MAX_PATH;
  if (!sendWithTimeout(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request))) return {};
  return text;
}

HTREEITEM nextItem(HWND tree, HTREEITEM item, WPARAM relation) {
  return reinterpret_cast<HTREEITEM>(sendWithTimeout(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The item named name among first and its following siblings.
HTREEITEM siblingNamed(HWND tree, HTREEITEM first, const std::wstring& name) {
  for (HTREEITEM item = first; item; item = nextItem(tree, item, TVGN_NEXT)) {
    if (itemText(tree, item) == name) return item;
  }
  return nullptr;
}

HTREEITEM childNamed(HWND tree, HTREEITEM parent, const std::wstring& name) {
  sendWithTimeout(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  return siblingNamed(tree, nextItem(tree, parent, TVGN_CHILD), name);
}

// The tree starts either with the desktop as its one root or with the desktop's children.
HTREEITEM firstLevelItem(HWND tree, const std::wstring& name) {
  HTREEITEM root = nextItem(tree, nullptr, TVGN_ROOT);
  HTREEITEM item = siblingNamed(tree, root, name);
  return item ? item : (root ? childNamed(tree, root, name) : nullptr);
}

}  // namespace

bool treeNamesOf(const std::wstring& path, std::vector<std::wstring>& names) {
  UniqueItemIdList item;
  if (FAILED(SHParseDisplayName(path.c_str(), nullptr, item.out(), 0, nullptr))) return false;
  names.clear();
  while (!ILIsEmpty(item.get())) {
    std::wstring name;
    if (!displayNameOf(item.get(), name)) return false;
    names.insert(names.begin(), name);
    ILRemoveLastID(item.get());
  }
  return !names.empty();
}

bool selectFolderInTree(HWND tree, const std::wstring& path) {
  std::vector<std::wstring> names;
  if (!tree || !treeNamesOf(path, names)) return false;
  HTREEITEM item = firstLevelItem(tree, names.front());
  for (size_t level = 1; item && level < names.size(); ++level) item = childNamed(tree, item, names[level]);
  if (!item) return false;
  sendWithTimeout(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  return sendWithTimeout(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

}  // namespace brivane
