#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "support/Handles.h"

namespace brivane {

// Items of one folder as the shell names them: the folder's identifier list, its IShellFolder and the
// items' identifier lists. The shell's own UI objects of the selection (data object, item menu) come
// from the folder, as Explorer gets them.
class ShellSelection {
 public:
  // Every path must name an existing item, and all of them must lie in one folder.
  HRESULT resolve(const std::vector<std::wstring>& paths);

  // IShellFolder::GetUIObjectOf for the items, relative to their folder.
  HRESULT uiObject(HWND owner, REFIID iid, void** object) const;

  PCIDLIST_ABSOLUTE folderIdList() const { return folderIdList_.get(); }
  size_t size() const { return children_.size(); }

 private:
  UniqueItemIdList folderIdList_;
  ComPtr<IShellFolder> folder_;
  std::vector<UniqueItemIdList> items_;    // absolute identifier lists, one per path
  std::vector<PCUITEMID_CHILD> children_;  // the last element of each, inside items_
};

}  // namespace brivane
