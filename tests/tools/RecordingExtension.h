#pragma once
#include <windows.h>
#include <shlobj.h>

#include <atomic>
#include <string>
#include <vector>

#include "support/Handles.h"

namespace brivane::testing {

// Appends one line to the record file named by the environment.
void record(const std::wstring& line);

// A shell extension that records how it is called and builds a small fixed menu:
//   0 separator, 1 "Record &one" (offset 0, 24-bit bitmaps), 2 popup "Pickers" (8-bit bitmaps) with
//   "Save dialog" (1), "Folder dialog" (2), a separator and a grayed "Grayed" (3), 3 separator.
// Offset 1 opens a save dialog in the selection's folder, offset 2 the folder dialog.
class RecordingExtension : public IShellExtInit,
                           public IContextMenu,
                           public IPersistFile,
                           public IDropTarget,
                           public IShellPropSheetExt {
 public:
  RecordingExtension();
  virtual ~RecordingExtension();

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY progId) override;

  STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT first, UINT last, UINT flags) override;
  STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
  STDMETHODIMP GetCommandString(UINT_PTR, UINT, UINT*, CHAR*, UINT) override { return E_NOTIMPL; }

  STDMETHODIMP GetClassID(CLSID*) override { return E_NOTIMPL; }
  STDMETHODIMP IsDirty() override { return S_FALSE; }
  STDMETHODIMP Load(LPCOLESTR path, DWORD mode) override;
  STDMETHODIMP Save(LPCOLESTR, BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP SaveCompleted(LPCOLESTR) override { return E_NOTIMPL; }
  STDMETHODIMP GetCurFile(LPOLESTR*) override { return E_NOTIMPL; }

  STDMETHODIMP DragEnter(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) override;
  STDMETHODIMP DragOver(DWORD keyState, POINTL, DWORD* effect) override;
  STDMETHODIMP DragLeave() override;
  STDMETHODIMP Drop(IDataObject* data, DWORD keyState, POINTL, DWORD* effect) override;

  STDMETHODIMP AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM value) override;
  STDMETHODIMP ReplacePage(UINT, LPFNSVADDPROPSHEETPAGE, LPARAM) override { return E_NOTIMPL; }

  static std::atomic<long> objects;

 private:
  void pickSaveName();
  void pickFolder();

  std::atomic<long> references_{1};
  std::vector<std::wstring> names_;
  UniqueBitmap fileBitmap_;
  UniqueBitmap popupBitmap_;
};

}  // namespace brivane::testing
