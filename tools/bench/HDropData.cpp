#include "HDropData.h"

#include <shlobj.h>

#include <cstring>

namespace brivane::bench {

HDropData::HDropData(const std::vector<std::wstring>& paths) {
  constexpr std::size_t header = sizeof(DROPFILES) / sizeof(wchar_t);
  block_.assign(header, L'\0');
  for (const std::wstring& path : paths) {
    block_.insert(block_.end(), path.begin(), path.end());
    block_.push_back(L'\0');
  }
  block_.push_back(L'\0');
  DROPFILES files{};
  files.pFiles = sizeof(DROPFILES);
  files.fWide = TRUE;
  std::memcpy(block_.data(), &files, sizeof files);
}

HRESULT HDropData::QueryInterface(REFIID id, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualIID(id, __uuidof(IUnknown)) && !IsEqualIID(id, __uuidof(IDataObject))) return E_NOINTERFACE;
  *out = static_cast<IDataObject*>(this);
  AddRef();
  return S_OK;
}

ULONG HDropData::Release() {
  const ULONG count = --references_;
  if (count == 0) delete this;
  return count;
}

HRESULT HDropData::QueryGetData(FORMATETC* format) {
  if (!format) return E_INVALIDARG;
  return format->cfFormat == CF_HDROP && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
}

HRESULT HDropData::GetData(FORMATETC* format, STGMEDIUM* medium) {
  if (!format || !medium) return E_INVALIDARG;
  if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
  const SIZE_T bytes = block_.size() * sizeof(wchar_t);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!copy) return E_OUTOFMEMORY;
  std::memcpy(GlobalLock(copy), block_.data(), bytes);
  GlobalUnlock(copy);
  medium->tymed = TYMED_HGLOBAL;
  medium->hGlobal = copy;
  medium->pUnkForRelease = nullptr;
  return S_OK;
}

}  // namespace brivane::bench
