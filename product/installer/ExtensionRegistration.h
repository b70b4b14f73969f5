#pragma once
#include <windows.h>

#include <string>

namespace brivane {

// Loads the DLL and calls one of its self-registration exports ("DllRegisterServer" or
// "DllUnregisterServer"), as regsvr32 does. The DLL's failure HRESULT, or the load's or look-up's
// failure as an HRESULT.
HRESULT callSelfRegistration(const std::wstring& dll, const char* entryPoint);

// The CLSID the extension registered as its context menu handler: the default value of
// HKCR\*\shellex\ContextMenuHandlers\BrivanePalisor, when it is a CLSID.
bool registeredHandlerClsid(std::wstring& clsid);

}  // namespace brivane
