#pragma once
// A data object that hands out a CF_HDROP block and counts what is done with it: its own references,
// the GetData calls with their formats, and the releases of the storage media it gave.
#include <windows.h>
#include <objidl.h>

#include <atomic>
#include <vector>

namespace brivane::test {

// Released by ReleaseStgMedium in place of the block, so every release of a medium is counted.
class MediumOwner final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
    if (out) *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++handedOut; }
  ULONG STDMETHODCALLTYPE Release() override {
    ++released;
    return --handedOut;
  }
  std::atomic<ULONG> handedOut{0};
  std::atomic<ULONG> released{0};
};

class CountingDataObject final : public IDataObject {
 public:
  // The block stays the object's own; a null block means the object has no file names. With a medium
  // other than TYMED_HGLOBAL the object answers with an empty medium of that kind.
  explicit CountingDataObject(HGLOBAL block, DWORD medium = TYMED_HGLOBAL) : block_(block), medium_(medium) {}
  ~CountingDataObject() {
    if (block_) GlobalFree(block_);
  }
  CountingDataObject(const CountingDataObject&) = delete;
  CountingDataObject& operator=(const CountingDataObject&) = delete;

  // The references others hold; the test's own is not counted.
  ULONG references() const { return references_ - 1; }
  const std::vector<FORMATETC>& requests() const { return requests_; }
  ULONG mediaReleased() const { return owner_.released; }
  ULONG mediaHeld() const { return owner_.handedOut; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!IsEqualIID(id, __uuidof(IUnknown)) && !IsEqualIID(id, __uuidof(IDataObject))) return E_NOINTERFACE;
    *out = static_cast<IDataObject*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    requests_.push_back(*format);
    if (!block_ || format->cfFormat != CF_HDROP) return DV_E_FORMATETC;
    medium->tymed = medium_;
    medium->hGlobal = medium_ == TYMED_HGLOBAL ? block_ : nullptr;
    medium->pUnkForRelease = &owner_;
    owner_.AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }

 private:
  HGLOBAL block_;
  DWORD medium_;
  std::atomic<ULONG> references_{1};
  std::vector<FORMATETC> requests_;
  MediumOwner owner_;
};

}  // namespace brivane::test
