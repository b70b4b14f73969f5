#pragma once
#include <windows.h>
#include <wincodec.h>

#include <string>
#include <vector>

#include "support/Handles.h"

namespace brivane::testing {

// A PNG file decoded with the imaging component: its size and its pixels as 32-bit BGRA.
struct DecodedImage {
  HRESULT hr = E_FAIL;
  UINT width = 0;
  UINT height = 0;
  std::vector<BYTE> pixels;

  COLORREF pixel(UINT x, UINT y) const {
    const BYTE* p = &pixels[(static_cast<size_t>(y) * width + x) * 4];
    return RGB(p[2], p[1], p[0]);
  }
};

inline DecodedImage decodePng(const std::wstring& path) {
  DecodedImage image;
  ComPtr<IWICImagingFactory> factory;
  image.hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              factory.outVoid());
  if (FAILED(image.hr)) return image;
  ComPtr<IWICBitmapDecoder> decoder;
  image.hr = factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                decoder.out());
  if (FAILED(image.hr)) return image;
  GUID format{};
  if (FAILED(image.hr = decoder->GetContainerFormat(&format))) return image;
  if (!IsEqualGUID(format, GUID_ContainerFormatPng)) {
    image.hr = WINCODEC_ERR_UNKNOWNIMAGEFORMAT;
    return image;
  }
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(image.hr = decoder->GetFrame(0, frame.out()))) return image;
  ComPtr<IWICBitmapSource> converted;
  image.hr = WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.get(), converted.out());
  if (FAILED(image.hr)) return image;
  if (FAILED(image.hr = converted->GetSize(&image.width, &image.height))) return image;
  image.pixels.resize(static_cast<size_t>(image.width) * image.height * 4);
  image.hr =
      converted->CopyPixels(nullptr, image.width * 4, static_cast<UINT>(image.pixels.size()), image.pixels.data());
  return image;
}

}  // namespace brivane::testing
