#pragma once
// The data object a host hands a context menu handler: CF_HDROP with the selected paths, as Explorer's
// own data object answers it. Every GetData hands out a fresh copy that the caller releases.
#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

namespace brivane::bench {

class HDropData final : public IDataObject {
 public:
  explicit HDropData(const std::vector<std::wstring>& paths);
  HDropData(const HDropData&) = delete;
  HDropData& operator=(const HDropData&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override;
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override;
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  ~HDropData() = default;
  std::vector<wchar_t> block_;  // DROPFILES followed by the double-NUL-terminated list
  ULONG references_ = 0;  // the first ComPtr holding it adds the first reference
};

}  // namespace brivane::bench
