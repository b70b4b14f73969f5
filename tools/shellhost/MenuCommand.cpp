#include "Commands.h"
#include "ContextMenuHandlers.h"
#include "DialogWatcher.h"
#include "HandlerDiscovery.h"
#include "Invoke.h"
#include "MenuPrinter.h"
#include "MenuScreenshot.h"
#include "OwnerWindow.h"
#include "PickerAnswer.h"
#include "ShellSelection.h"
#include "support/Paths.h"

namespace brivane {
namespace {

// Invokes the entry at offset with a watcher answering the dialogs it opens.
int invokeEntry(const ContextMenuHandlers& handlers, const MenuOptions& options, OwnerWindow& owner, Output& out) {
  UINT handlerOffset = 0;
  const LoadedHandler* handler = handlers.owner(*options.invoke, handlerOffset);
  if (!handler) return fail(L"no command at offset " + std::to_wstring(*options.invoke), E_INVALIDARG);
  // Without a display there are no windows; the command then runs without an owner.
  if (!owner.get() && !owner.create(false)) out.line(L"owner none");
  DialogWatcher watcher(GetCurrentThreadId(),
                        [&](HWND dialog, size_t index) { answerPicker(dialog, index, options.dialog, out); });
  const HRESULT hr = invokeOffset(handler->menu.get(), handlerOffset, owner.get(), options.noUi);
  if (watcher.finish() == 0) out.line(L"dialog none");
  out.line(L"invoke " + std::to_wstring(*options.invoke) + L" hr=" + hresultText(hr));
  return kExitOk;
}

}  // namespace

int runMenu(const MenuOptions& options, Output& out) {
  ShellSelection selection;
  HRESULT hr = selection.resolve(options.paths);
  if (FAILED(hr)) return fail(L"the shell does not know the selection", hr);
  ContextMenuHandlers handlers;
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return fail(L"cannot create a menu", E_OUTOFMEMORY);
  hr = handlers.build(contextMenuHandlers(isExistingFolder(options.paths.front())), selection, menu.get(), options.firstId,
                      options.lastId, options.flags, out);
  if (FAILED(hr)) return fail(L"the shell gives no data object for the selection", hr);
  for (const std::wstring& line : describeMenu(menu.get(), options.firstId)) out.line(line);
  OwnerWindow owner;
  if (!options.screenshot.empty()) {
    if (!owner.create(true)) return fail(L"cannot show a window (no display?)", E_FAIL);
    hr = screenshotMenu(owner, menu.get(), options.screenshot);
    out.line(L"screenshot " + quoted(options.screenshot) + L" hr=" + hresultText(hr));
    if (FAILED(hr)) return fail(L"menu screenshot failed", hr);
  }
  return options.invoke ? invokeEntry(handlers, options, owner, out) : kExitOk;
}

}  // namespace brivane
