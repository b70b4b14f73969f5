// The module's four exported functions (BrivaneShell.def).
#include <windows.h>

#include <new>

#include "module/ClassFactory.h"
#include "module/ClassId.h"
#include "module/Registration.h"
#include "support/GuardedCall.h"
#include "support/ObjectCount.h"

STDAPI DllCanUnloadNow() { return brivane::objectCount.load() == 0 ? S_OK : S_FALSE; }

STDAPI DllGetClassObject(REFCLSID classId, REFIID id, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(classId, brivane::kShellExtensionClassId)) return CLASS_E_CLASSNOTAVAILABLE;
  auto* factory = new (std::nothrow) brivane::ClassFactory();
  if (!factory) return E_OUTOFMEMORY;
  return brivane::handOutNewObject(factory, id, out);
}

STDAPI DllRegisterServer() { return brivane::guardedCall(brivane::registerServer); }

STDAPI DllUnregisterServer() { return brivane::guardedCall(brivane::unregisterServer); }
