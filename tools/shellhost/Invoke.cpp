#include "Invoke.h"

#include <shellapi.h>

namespace brivane {
namespace {

HRESULT invoke(IContextMenu* menu, LPCSTR verb, HWND owner, DWORD mask = 0) {
  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof info;
  info.fMask = mask;
  info.hwnd = owner;
  info.lpVerb = verb;
  info.nShow = SW_SHOWNORMAL;
  return menu->InvokeCommand(&info);
}

}  // namespace

HRESULT invokeOffset(IContextMenu* menu, UINT offset, HWND owner, bool noUi) {
  return invoke(menu, MAKEINTRESOURCEA(offset), owner, noUi ? CMIC_MASK_FLAG_NO_UI : 0);
}

HRESULT invokeVerb(IContextMenu* menu, const char* verb, HWND owner) { return invoke(menu, verb, owner); }

}  // namespace brivane
