#include <windows.h>
#include <shellapi.h>

#include "menu/MenuBuilder.h"
#include "menu/Selection.h"
#include "protocol/CoreLibrary.h"
#include "shell/CommandStrings.h"
#include "shell/DispatchCommand.h"
#include "shell/ShellExtension.h"
#include "support/GuardedCall.h"

namespace brivane {
namespace {

// InvokeCommand's answer to a verb given as a text: none of the entries has one.
constexpr HRESULT kTextVerbRefused = static_cast<HRESULT>(0xFFFFFFFF);

HRESULT identifiersUsed(std::uint16_t count) { return MAKE_HRESULT(SEVERITY_SUCCESS, FACILITY_NULL, count); }

}  // namespace

// Never a failure code: a menu that cannot be built is simply not there.
HRESULT ShellExtension::QueryContextMenu(HMENU menu, UINT position, UINT firstId, UINT lastId, UINT flags) {
  builtMenu = {};
  if (flags == 0) return identifiersUsed(0);
  const HRESULT result =
      guardedCall([&] { return identifiersUsed(insertEntries(menu, position, firstId, lastId, flags)); });
  return FAILED(result) ? identifiersUsed(0) : result;
}

// The core library is loaded only to see that it can be; the labels are fetched with loads of their own.
std::uint16_t ShellExtension::insertEntries(HMENU menu, UINT position, UINT firstId, UINT lastId, UINT flags) {
  return withCoreLibrary(std::uint16_t{0}, [&]() -> std::uint16_t {
    filterSelection(selection);
    if (selection.empty()) return 0;
    BuiltMenu built;
    built.table = buildMenu(menu, position, firstId, lastId, flags, menuBitmaps[0].get(), menuBitmaps[1].get(),
                            menuBitmaps[2].get(), selection, built.classification);
    if (!built.table) return 0;
    builtMenu = std::move(built);
    return static_cast<std::uint16_t>(builtMenu.table->count());
  });
}

// Only offsets of the menu this object built last are run; anything else would run an operation the
// user never saw. Without the core library nothing runs and nothing is said, as the menu said nothing;
// a command that never reached the application fails, and is told over the caller's window.
HRESULT ShellExtension::InvokeCommand(CMINVOKECOMMANDINFO* info) {
  if (!info) return E_INVALIDARG;
  if (!IS_INTRESOURCE(info->lpVerb)) return kTextVerbRefused;
  const UINT offset = LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb));
  const FailureNotice notice{info->hwnd, (info->fMask & CMIC_MASK_FLAG_NO_UI) == 0};
  return guardedCall([&] {
    const HRESULT result = dispatchCommand(offset, builtMenu, selection, notice);
    return result == E_FAIL ? S_OK : result;
  });
}

// The shell passes a wide buffer for the wide request types, the only ones answered.
HRESULT ShellExtension::GetCommandString(UINT_PTR offset, UINT type, UINT*, CHAR* buffer, UINT size) {
  return guardedCall([&] {
    if (const std::optional<std::wstring> text = commandString(type, offset))
      copyTerminated(*text, reinterpret_cast<wchar_t*>(buffer), size);
    return S_OK;
  });
}

}  // namespace brivane
