#include "RecordingExtension.h"

#include <commdlg.h>
#include <prsht.h>
#include <shellapi.h>
#include <shobjidl.h>

#include "RecordingExtensionId.h"
#include "support/ModuleInstance.h"

namespace brivane::testing {
namespace {

std::string utf8(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  return bytes;
}

std::vector<std::wstring> droppedNames(IDataObject* data) {
  std::vector<std::wstring> names;
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  StorageMedium medium;
  if (!data || FAILED(medium.fill(data, format))) return names;
  HDROP drop = static_cast<HDROP>(GlobalLock(medium.get().hGlobal));
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    names.push_back(name);
  }
  GlobalUnlock(medium.get().hGlobal);
  return names;
}

void recordNames(const std::vector<std::wstring>& names) {
  for (const std::wstring& name : names) record(L"name " + name);
}

HBITMAP squareBitmap(WORD bits, COLORREF colour) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD palette[256];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = 16;
  info.header.biHeight = 16;
  info.header.biPlanes = 1;
  info.header.biBitCount = bits;
  info.palette[1] = RGBQUAD{GetBValue(colour), GetGValue(colour), GetRValue(colour), 0};
  void* pixels = nullptr;
  return CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0);
}

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

UINT effectFor(DWORD keyState) { return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE; }

INT_PTR CALLBACK pageProc(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && LOWORD(wParam) == 1002) record(L"pressed");
  return message == WM_INITDIALOG;
}

}  // namespace

std::atomic<long> RecordingExtension::objects{0};

void record(const std::wstring& line) {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(kRecorderFileVariable, path, MAX_PATH)) return;
  HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string bytes = utf8(line) + "\n";
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

RecordingExtension::RecordingExtension()
    : fileBitmap_(squareBitmap(24, RGB(0, 0, 0))), popupBitmap_(squareBitmap(8, RGB(200, 0, 0))) {
  ++objects;
}

RecordingExtension::~RecordingExtension() { --objects; }

STDMETHODIMP RecordingExtension::QueryInterface(REFIID iid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IShellExtInit)) {
    *object = static_cast<IShellExtInit*>(this);
  } else if (IsEqualIID(iid, IID_IContextMenu)) {
    *object = static_cast<IContextMenu*>(this);
  } else if (IsEqualIID(iid, IID_IPersistFile) || IsEqualIID(iid, IID_IPersist)) {
    *object = static_cast<IPersistFile*>(this);
  } else if (IsEqualIID(iid, IID_IDropTarget)) {
    *object = static_cast<IDropTarget*>(this);
  } else if (IsEqualIID(iid, IID_IShellPropSheetExt)) {
    *object = static_cast<IShellPropSheetExt*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) RecordingExtension::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) RecordingExtension::Release() {
  const long left = --references_;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP RecordingExtension::Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY progId) {
  wchar_t path[MAX_PATH] = L"(none)";
  if (folder) SHGetPathFromIDListW(folder, path);
  record(L"initialize folder=" + std::wstring(path) + L" progid=" + (progId ? L"key" : L"null"));
  names_ = droppedNames(data);
  recordNames(names_);
  return S_OK;
}

STDMETHODIMP RecordingExtension::QueryContextMenu(HMENU menu, UINT index, UINT first, UINT last, UINT flags) {
  record(L"query index=" + std::to_wstring(index) + L" first=" + std::to_wstring(first) + L" last=" +
         std::to_wstring(last) + L" flags=" + std::to_wstring(flags));
  HMENU pickers = CreatePopupMenu();
  AppendMenuW(pickers, MF_STRING, first + 1, L"Save dialog");
  AppendMenuW(pickers, MF_STRING, first + 2, L"Folder dialog");
  AppendMenuW(pickers, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(pickers, MF_STRING | MF_GRAYED, first + 3, L"Grayed");
  InsertMenuW(menu, index, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  InsertMenuW(menu, index + 1, MF_BYPOSITION | MF_STRING, first, L"Record &one");
  SetMenuItemBitmaps(menu, index + 1, MF_BYPOSITION, fileBitmap_.get(), fileBitmap_.get());
  InsertMenuW(menu, index + 2, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(pickers), L"Pickers");
  SetMenuItemBitmaps(menu, index + 2, MF_BYPOSITION, popupBitmap_.get(), popupBitmap_.get());
  InsertMenuW(menu, index + 3, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 4);
}

STDMETHODIMP RecordingExtension::InvokeCommand(CMINVOKECOMMANDINFO* info) {
  if (!IS_INTRESOURCE(info->lpVerb)) return E_INVALIDARG;
  const UINT offset = LOWORD(reinterpret_cast<ULONG_PTR>(info->lpVerb));
  record(L"invoke offset=" + std::to_wstring(offset) + L" owner=" + (info->hwnd ? L"window" : L"none") + L" show=" +
         std::to_wstring(info->nShow));
  if (offset == 1) pickSaveName();
  if (offset == 2) pickFolder();
  return S_OK;
}

void RecordingExtension::pickSaveName() {
  const std::wstring folder = names_.empty() ? L"C:\\" : folderOf(names_.front());
  ComPtr<IFileSaveDialog> dialog;
  ComPtr<IShellItem> start;
  ComPtr<IShellItem> result;
  PWSTR path = nullptr;
  if (FAILED(CoCreateInstance(CLSID_FileSaveDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileSaveDialog,
                              dialog.outVoid())))
    return record(L"save unavailable");
  dialog->SetTitle(L"Recorder save");
  dialog->SetFileName(L"Initial.qeld");
  if (SUCCEEDED(SHCreateItemFromParsingName(folder.c_str(), nullptr, IID_IShellItem, start.outVoid())))
    dialog->SetFolder(start.get());
  const bool chosen = SUCCEEDED(dialog->Show(nullptr)) && SUCCEEDED(dialog->GetResult(result.out())) &&
                      SUCCEEDED(result->GetDisplayName(SIGDN_FILESYSPATH, &path));
  record(chosen ? L"save " + std::wstring(path) : L"save cancelled");
  CoTaskMemFree(path);
}

void RecordingExtension::pickFolder() {
  BROWSEINFOW info{};
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_NEWDIALOGSTYLE;
  UniqueItemIdList chosen(SHBrowseForFolderW(&info));
  wchar_t path[MAX_PATH] = {};
  record(chosen && SHGetPathFromIDListW(chosen.get(), path) ? L"folder " + std::wstring(path) : L"folder cancelled");
}

STDMETHODIMP RecordingExtension::Load(LPCOLESTR path, DWORD mode) {
  record(L"load " + std::wstring(path) + L" mode=" + std::to_wstring(mode));
  return S_OK;
}

STDMETHODIMP RecordingExtension::DragEnter(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) {
  record(L"dragenter key=" + std::to_wstring(keyState) + L" effect=" + std::to_wstring(*effect));
  std::vector<std::wstring> names = droppedNames(data);
  recordNames(names);
  *effect = names.empty() ? DROPEFFECT_NONE : effectFor(keyState);
  return names.empty() ? E_INVALIDARG : S_OK;
}

STDMETHODIMP RecordingExtension::DragOver(DWORD keyState, POINTL, DWORD*) {
  record(L"dragover key=" + std::to_wstring(keyState));
  return E_NOTIMPL;
}

STDMETHODIMP RecordingExtension::DragLeave() {
  record(L"dragleave");
  return S_OK;
}

STDMETHODIMP RecordingExtension::Drop(IDataObject*, DWORD keyState, POINTL, DWORD* effect) {
  record(L"drop key=" + std::to_wstring(keyState) + L" effect=" + std::to_wstring(*effect));
  *effect = effectFor(keyState);
  return S_OK;
}

STDMETHODIMP RecordingExtension::AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM value) {
  record(L"addpages items=" + std::to_wstring(names_.size()));
  PROPSHEETPAGEW page{};
  page.dwSize = sizeof page;
  page.dwFlags = PSP_USETITLE;
  page.hInstance = moduleInstance();
  page.pszTemplate = MAKEINTRESOURCEW(kRecorderPageTemplate);
  page.pszTitle = L"Recorder";
  page.pfnDlgProc = pageProc;
  HPROPSHEETPAGE handle = CreatePropertySheetPageW(&page);
  if (handle && !addPage(handle, value)) DestroyPropertySheetPage(handle);
  return S_OK;
}

}  // namespace brivane::testing
