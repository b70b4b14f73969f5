#pragma once
#include <windows.h>

#include <string>

namespace brivane {

// Saves what the screen shows inside rect (screen coordinates) as a PNG file. The calling thread must
// have COM initialised.
HRESULT captureScreenRect(const RECT& rect, const std::wstring& pngPath);

// The same for a window's outer rectangle.
HRESULT captureWindow(HWND window, const std::wstring& pngPath);

// Encodes a bitmap as PNG (24 bits per pixel) with the imaging component's encoder.
HRESULT savePng(HBITMAP bitmap, const std::wstring& pngPath);

}  // namespace brivane
