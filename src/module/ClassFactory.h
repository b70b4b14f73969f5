#pragma once
#include <windows.h>
#include <unknwn.h>

#include <atomic>
#include <cstdint>

#include "support/Handles.h"
#include "support/ObjectCount.h"

namespace brivane {

// The factory of the module's one class, ShellExtension.
class ClassFactory final : public IClassFactory {
 public:
  ClassFactory() noexcept = default;
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID id, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  ~ClassFactory() = default;  // only the last Release frees the factory

  CountedObject counted;  // first, so the factory leaves objectCount last
  std::atomic<std::int32_t> refCount{0};
};

// Gives the caller the first reference of a new object, through its interface `id`. An object that lacks
// the interface is freed at once: nobody else could ever release it.
template <typename Object>
HRESULT handOutNewObject(Object* object, REFIID id, void** out) {
  const ComPtr<Object> held(object);
  return object->QueryInterface(id, out);
}

}  // namespace brivane
