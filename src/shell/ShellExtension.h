#pragma once
#include <windows.h>
#include <shlobj.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "menu/MenuBuilder.h"
#include "support/Handles.h"
#include "support/ObjectCount.h"

namespace brivane {

// The module's one COM object: Explorer's context-menu handler, shell-extension initialiser, drop handler
// (file-backed, hence IPersistFile) and property-sheet extension. IContextMenu is the first base, so its
// pointer is the object's own address; the identity pointer is the IShellExtInit one.
// Each interface's methods live in their own file: ContextMenuHandler.cpp, ShellExtInit.cpp,
// PersistFile.cpp, DropHandler.cpp, PropertySheetHandler.cpp.
class ShellExtension final : public IContextMenu,
                             public IShellExtInit,
                             public IPersistFile,
                             public IDropTarget,
                             public IShellPropSheetExt {
 public:
  ShellExtension() noexcept;
  ShellExtension(const ShellExtension&) = delete;
  ShellExtension& operator=(const ShellExtension&) = delete;

  // IUnknown, shared by the five interfaces.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IContextMenu
  HRESULT STDMETHODCALLTYPE QueryContextMenu(HMENU menu, UINT position, UINT firstId, UINT lastId,
                                             UINT flags) override;
  HRESULT STDMETHODCALLTYPE InvokeCommand(CMINVOKECOMMANDINFO* info) override;
  HRESULT STDMETHODCALLTYPE GetCommandString(UINT_PTR offset, UINT type, UINT* reserved, CHAR* buffer,
                                             UINT size) override;

  // IShellExtInit
  HRESULT STDMETHODCALLTYPE Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY programKey) override;

  // IPersistFile
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* classId) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(LPCOLESTR fileName, DWORD mode) override;
  HRESULT STDMETHODCALLTYPE Save(LPCOLESTR fileName, BOOL remember) override;
  HRESULT STDMETHODCALLTYPE SaveCompleted(LPCOLESTR fileName) override;
  HRESULT STDMETHODCALLTYPE GetCurFile(LPOLESTR* fileName) override;

  // IDropTarget
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

  // IShellPropSheetExt
  HRESULT STDMETHODCALLTYPE AddPages(LPFNSVADDPROPSHEETPAGE addPage, LPARAM value) override;
  HRESULT STDMETHODCALLTYPE ReplacePage(EXPPS pageId, LPFNSVADDPROPSHEETPAGE replaceWith, LPARAM value) override;

 private:
  ~ShellExtension() = default;  // only the last Release frees the object

  HRESULT captureSelection();
  // The product's entries for the filtered selection; the number of identifiers used.
  std::uint16_t insertEntries(HMENU menu, UINT position, UINT firstId, UINT lastId, UINT flags);

  CountedObject counted;  // first, so the object leaves objectCount after all its fields are freed
  std::atomic<std::int32_t> refCount{0};
  ComPtr<IDataObject> dataObject;       // the one given to the last Initialize; one reference held
  std::wstring dropTargetPath;          // the item things are dropped onto (IPersistFile::Load)
  std::vector<std::wstring> dropList;   // paths being dragged, gathered afresh by each DragEnter
  std::vector<std::wstring> selection;  // selected paths in the shell's order
  std::wstring pageTitle;               // "eFile" or "eFolder", set by AddPages
  BuiltMenu builtMenu;                  // stored by QueryContextMenu, read by InvokeCommand
  std::array<UniqueBitmap, 3> menuBitmaps;  // resources 150 (file), 152 (folder), 163 (convert)
};

}  // namespace brivane
