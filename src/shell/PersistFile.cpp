#include "shell/ShellExtension.h"
#include "support/GuardedCall.h"

namespace brivane {

// The object is file-backed only to learn which item is dropped onto; it has nothing to save.

HRESULT ShellExtension::GetClassID(CLSID*) { return E_NOTIMPL; }

HRESULT ShellExtension::IsDirty() { return E_NOTIMPL; }

HRESULT ShellExtension::Load(LPCOLESTR fileName, DWORD) {
  if (!fileName) return E_INVALIDARG;
  return guardedCall([&] {
    dropTargetPath = fileName;
    return S_OK;
  });
}

HRESULT ShellExtension::Save(LPCOLESTR, BOOL) { return E_NOTIMPL; }

HRESULT ShellExtension::SaveCompleted(LPCOLESTR) { return E_NOTIMPL; }

HRESULT ShellExtension::GetCurFile(LPOLESTR*) { return E_NOTIMPL; }

}  // namespace brivane
