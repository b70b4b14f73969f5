#include "module/ClassFactory.h"

#include <new>

#include "shell/ShellExtension.h"

namespace brivane {

HRESULT ClassFactory::QueryInterface(REFIID id, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualIID(id, __uuidof(IUnknown)) && !IsEqualIID(id, __uuidof(IClassFactory))) return E_NOINTERFACE;
  *out = static_cast<IClassFactory*>(this);
  AddRef();
  return S_OK;
}

ULONG ClassFactory::AddRef() { return static_cast<ULONG>(refCount.fetch_add(1) + 1); }

ULONG ClassFactory::Release() {
  const std::int32_t count = refCount.fetch_sub(1) - 1;
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID id, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  auto* object = new (std::nothrow) ShellExtension();
  if (!object) return E_OUTOFMEMORY;
  return handOutNewObject(object, id, out);
}

// Locks do not keep the module loaded; only live factories and objects do.
HRESULT ClassFactory::LockServer(BOOL) { return S_OK; }

}  // namespace brivane
