#include "Commands.h"
#include "DialogWatcher.h"
#include "Invoke.h"
#include "OwnerWindow.h"
#include "PropertySheetAnswer.h"
#include "ShellSelection.h"

namespace brivane {

int runProperties(const PropertiesOptions& options, Output& out) {
  ShellSelection selection;
  HRESULT hr = selection.resolve({options.path});
  if (FAILED(hr)) return fail(L"the shell does not know " + options.path, hr);
  OwnerWindow owner;
  if (!owner.create(!options.screenshot.empty())) return fail(L"cannot create the owner window", E_FAIL);
  ComPtr<IContextMenu> itemMenu;
  hr = selection.uiObject(owner.get(), IID_IContextMenu, itemMenu.outVoid());
  if (FAILED(hr)) return fail(L"the shell gives no item menu", hr);
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return fail(L"cannot create a menu", E_OUTOFMEMORY);
  itemMenu->QueryContextMenu(menu.get(), 0, 1, 0x7FFF, CMF_NORMAL);
  DialogWatcher watcher(GetCurrentThreadId(), [&](HWND dialog, size_t) { answerPropertySheet(dialog, options, out); });
  hr = invokeVerb(itemMenu.get(), "properties", owner.get());
  if (watcher.finish() == 0) out.line(L"sheet none");
  out.line(L"properties hr=" + hresultText(hr));
  return kExitOk;
}

}  // namespace brivane
