#include "ShellSelection.h"

namespace brivane {
namespace {

HRESULT parsePath(IShellFolder* desktop, const std::wstring& path, UniqueItemIdList& idList) {
  ULONG eaten = 0;
  std::wstring text = path;  // ParseDisplayName takes a writable string
  return desktop->ParseDisplayName(nullptr, nullptr, text.data(), &eaten, idList.out(), nullptr);
}

HRESULT parentOf(PCIDLIST_ABSOLUTE item, UniqueItemIdList& parent) {
  parent.reset(ILClone(item));
  if (!parent) return E_OUTOFMEMORY;
  ILRemoveLastID(parent.get());
  return S_OK;
}

HRESULT bindFolder(IShellFolder* desktop, PCIDLIST_ABSOLUTE folderIdList, ComPtr<IShellFolder>& folder) {
  if (ILIsEmpty(folderIdList)) {
    folder = ComPtr<IShellFolder>(desktop);
    return S_OK;
  }
  return desktop->BindToObject(folderIdList, nullptr, IID_IShellFolder, folder.outVoid());
}

}  // namespace

HRESULT ShellSelection::resolve(const std::vector<std::wstring>& paths) {
  if (paths.empty()) return E_INVALIDARG;
  ComPtr<IShellFolder> desktop;
  HRESULT hr = SHGetDesktopFolder(desktop.out());
  if (FAILED(hr)) return hr;
  items_.clear();
  children_.clear();
  items_.reserve(paths.size());
  children_.reserve(paths.size());
  for (const std::wstring& path : paths) {
    UniqueItemIdList item;
    hr = parsePath(desktop.get(), path, item);
    if (FAILED(hr)) return hr;
    if (ILIsEmpty(item.get())) return E_INVALIDARG;
    items_.push_back(std::move(item));
  }
  hr = parentOf(items_.front().get(), folderIdList_);
  if (FAILED(hr)) return hr;
  for (const UniqueItemIdList& item : items_) {
    UniqueItemIdList parent;
    hr = parentOf(item.get(), parent);
    if (FAILED(hr)) return hr;
    if (!ILIsEqual(parent.get(), folderIdList_.get())) return E_INVALIDARG;
    children_.push_back(ILFindLastID(item.get()));
  }
  return bindFolder(desktop.get(), folderIdList_.get(), folder_);
}

HRESULT ShellSelection::uiObject(HWND owner, REFIID iid, void** object) const {
  if (!folder_) return E_UNEXPECTED;
  // The interface takes the array without const, though it only reads it.
  auto children = const_cast<PCUITEMID_CHILD*>(children_.data());
  return folder_->GetUIObjectOf(owner, static_cast<UINT>(children_.size()), children, iid, nullptr, object);
}

}  // namespace brivane
