// The recording extension's in-process server: its class factory and the COM entry points.
#include <windows.h>
#include <objbase.h>

#include "RecordingExtension.h"
#include "RecordingExtensionId.h"

namespace brivane::testing {
namespace {

class Factory : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
    *object = this;
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }  // a static object
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* extension = new (std::nothrow) RecordingExtension;
    if (!extension) return E_OUTOFMEMORY;
    const HRESULT hr = extension->QueryInterface(iid, object);
    extension->Release();
    return hr;
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};

Factory factory;

}  // namespace
}  // namespace brivane::testing

extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID clsid, REFIID iid, void** object) {
  CLSID recorder{};
  CLSIDFromString(brivane::testing::kRecorderClsid, &recorder);
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, recorder)) return CLASS_E_CLASSNOTAVAILABLE;
  return brivane::testing::factory.QueryInterface(iid, object);
}

extern "C" HRESULT __stdcall DllCanUnloadNow() {
  return brivane::testing::RecordingExtension::objects == 0 ? S_OK : S_FALSE;
}
