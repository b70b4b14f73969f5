#pragma once
// The built extension DLL, reached the way Explorer reaches it: LoadLibraryW and its exports.
#include <windows.h>
#include <unknwn.h>

#include <string>

#include "module/ClassId.h"
#include "support/Handles.h"

namespace brivane::test {

class ExtensionModule {
 public:
  // Loaded once per test process and kept loaded, as Explorer keeps it while DllCanUnloadNow refuses.
  static ExtensionModule& get() {
    static ExtensionModule module;
    return module;
  }

  bool loaded() const { return canUnloadNow_ && getClassObject_ && registerServer_ && unregisterServer_; }
  HMODULE handle() const { return library_.get(); }

  HRESULT canUnloadNow() const { return canUnloadNow_(); }
  HRESULT getClassObject(REFCLSID classId, REFIID id, void** out) const { return getClassObject_(classId, id, out); }
  HRESULT registerServer() const { return registerServer_(); }
  HRESULT unregisterServer() const { return unregisterServer_(); }

  ComPtr<IClassFactory> factory() const {
    ComPtr<IClassFactory> factory;
    getClassObject_(kShellExtensionClassId, __uuidof(IClassFactory), factory.outVoid());
    return factory;
  }

  // A new extension object, through interface I; its factory is already released.
  template <typename I>
  ComPtr<I> create() const {
    ComPtr<I> object;
    if (ComPtr<IClassFactory> f = factory()) f->CreateInstance(nullptr, __uuidof(I), object.outVoid());
    return object;
  }

 private:
  using Entry = HRESULT(STDAPICALLTYPE*)();
  using ClassObjectEntry = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

  ExtensionModule() : library_(LoadLibraryW(BRIVANE_BIN_DIR L"\\BrivaneShell.dll")) {
    canUnloadNow_ = entry<Entry>("DllCanUnloadNow");
    getClassObject_ = entry<ClassObjectEntry>("DllGetClassObject");
    registerServer_ = entry<Entry>("DllRegisterServer");
    unregisterServer_ = entry<Entry>("DllUnregisterServer");
  }

  template <typename F>
  F entry(const char* name) const {
    return library_ ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library_.get(), name))) : nullptr;
  }

  UniqueModule library_;
  Entry canUnloadNow_ = nullptr;
  ClassObjectEntry getClassObject_ = nullptr;
  Entry registerServer_ = nullptr;
  Entry unregisterServer_ = nullptr;
};

// The current reference count of a COM object, as its own AddRef and Release report it.
inline ULONG referenceCount(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

// A pointer value that no interface has, to see that a refusing call clears its out parameter.
inline void* garbagePointer() { return reinterpret_cast<void*>(static_cast<UINT_PTR>(0x5A5A5A5A)); }

}  // namespace brivane::test
