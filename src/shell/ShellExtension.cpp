#include "shell/ShellExtension.h"

#include "resources/ResourceIds.h"
#include "support/ModuleInstance.h"

namespace brivane {
namespace {

UniqueBitmap loadMenuBitmap(int resourceId) {
  return UniqueBitmap(LoadBitmapW(moduleInstance(), MAKEINTRESOURCEW(resourceId)));
}

template <typename Interface>
void* interfaceOf(ShellExtension* object) {
  return static_cast<Interface*>(object);
}

struct InterfaceEntry {
  const IID& id;
  void* (*pointer)(ShellExtension*);
};

// Compared in this order; IUnknown answers the IShellExtInit pointer, the object's identity.
const InterfaceEntry kInterfaces[] = {
    {__uuidof(IShellExtInit), interfaceOf<IShellExtInit>},
    {__uuidof(IUnknown), interfaceOf<IShellExtInit>},
    {__uuidof(IContextMenu), interfaceOf<IContextMenu>},
    {__uuidof(IPersistFile), interfaceOf<IPersistFile>},
    {__uuidof(IDropTarget), interfaceOf<IDropTarget>},
    {__uuidof(IShellPropSheetExt), interfaceOf<IShellPropSheetExt>},
};

}  // namespace

// A bitmap that fails to load stays null; the menu then shows its entry without a picture.
ShellExtension::ShellExtension() noexcept
    : menuBitmaps{loadMenuBitmap(IDB_MENU_FILE), loadMenuBitmap(IDB_MENU_FOLDER),
                  loadMenuBitmap(IDB_MENU_CONVERT)} {}

HRESULT ShellExtension::QueryInterface(REFIID id, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (const InterfaceEntry& entry : kInterfaces) {
    if (IsEqualIID(id, entry.id)) {
      *out = entry.pointer(this);
      AddRef();
      return S_OK;
    }
  }
  return E_NOINTERFACE;
}

ULONG ShellExtension::AddRef() { return static_cast<ULONG>(refCount.fetch_add(1) + 1); }

ULONG ShellExtension::Release() {
  const std::int32_t count = refCount.fetch_sub(1) - 1;
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

}  // namespace brivane
