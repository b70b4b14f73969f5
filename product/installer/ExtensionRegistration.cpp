#include "ExtensionRegistration.h"

#include <objbase.h>

#include "InstallerRegistry.h"
#include "support/Handles.h"

namespace brivane {

HRESULT callSelfRegistration(const std::wstring& dll, const char* entryPoint) {
  UniqueModule module(LoadLibraryExW(dll.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  if (!module) return HRESULT_FROM_WIN32(GetLastError());
  auto entry =
      reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>(reinterpret_cast<void*>(GetProcAddress(module.get(), entryPoint)));
  if (!entry) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
  return entry();
}

bool registeredHandlerClsid(std::wstring& clsid) {
  std::wstring text;
  CLSID parsed{};
  if (!readString(HKEY_CLASSES_ROOT, L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor", nullptr, text) ||
      text.size() != 38 || FAILED(CLSIDFromString(text.c_str(), &parsed))) {
    return false;
  }
  clsid = text;
  return true;
}

}  // namespace brivane
