#include "Screenshot.h"

#include <wincodec.h>

#include "support/Handles.h"

namespace brivane {
namespace {

HRESULT writeFrame(IWICImagingFactory* factory, IWICBitmapEncoder* encoder, HBITMAP bitmap) {
  ComPtr<IWICBitmap> source;
  HRESULT hr = factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, source.out());
  if (FAILED(hr)) return hr;
  UINT width = 0, height = 0;
  hr = source->GetSize(&width, &height);
  if (FAILED(hr)) return hr;
  ComPtr<IWICBitmapFrameEncode> frame;
  hr = encoder->CreateNewFrame(frame.out(), nullptr);
  if (FAILED(hr)) return hr;
  if (FAILED(hr = frame->Initialize(nullptr)) || FAILED(hr = frame->SetSize(width, height))) return hr;
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(hr = frame->SetPixelFormat(&format))) return hr;
  if (FAILED(hr = frame->WriteSource(source.get(), nullptr))) return hr;
  return frame->Commit();
}

}  // namespace

HRESULT savePng(HBITMAP bitmap, const std::wstring& pngPath) {
  ComPtr<IWICImagingFactory> factory;
  HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                factory.outVoid());
  if (FAILED(hr)) return hr;
  ComPtr<IWICStream> stream;
  if (FAILED(hr = factory->CreateStream(stream.out()))) return hr;
  if (FAILED(hr = stream->InitializeFromFilename(pngPath.c_str(), GENERIC_WRITE))) return hr;
  ComPtr<IWICBitmapEncoder> encoder;
  if (FAILED(hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out()))) return hr;
  if (FAILED(hr = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache))) return hr;
  if (FAILED(hr = writeFrame(factory.get(), encoder.get(), bitmap))) return hr;
  return encoder->Commit();
}

HRESULT captureScreenRect(const RECT& rect, const std::wstring& pngPath) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return E_INVALIDARG;
  WindowDc screen(nullptr);
  if (!screen) return E_FAIL;
  UniqueDc memory(CreateCompatibleDC(screen.get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  if (!memory || !bitmap) return E_OUTOFMEMORY;
  {
    SelectedObject selected(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY)) return E_FAIL;
  }
  return savePng(bitmap.get(), pngPath);
}

HRESULT captureWindow(HWND window, const std::wstring& pngPath) {
  RECT rect{};
  if (!GetWindowRect(window, &rect)) return E_INVALIDARG;
  return captureScreenRect(rect, pngPath);
}

}  // namespace brivane
