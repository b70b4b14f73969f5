#include "Invoke.h"

namespace brivane {
namespace {

HRESULT invoke(IContextMenu* menu, LPCSTR verb, HWND owner) {
  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof info;
  info.hwnd = owner;
  info.lpVerb = verb;
  info.nShow = SW_SHOWNORMAL;
  return menu->InvokeCommand(&info);
}

}  // namespace

HRESULT invokeOffset(IContextMenu* menu, UINT offset, HWND owner) {
  return invoke(menu, MAKEINTRESOURCEA(offset), owner);
}

HRESULT invokeVerb(IContextMenu* menu, const char* verb, HWND owner) { return invoke(menu, verb, owner); }

}  // namespace brivane
