// A DLL that registers itself the way the extension does, for the installer's tests: its
// DllRegisterServer writes the class key and the BrivanePalisor context menu handler naming it, its
// DllUnregisterServer deletes them and fails when they are not there. With the environment variable
// INSTALLER_TEST_REGISTER_NOTHING set, registration succeeds without writing anything.
#include <windows.h>
#include <olectl.h>

#include <string>

namespace {

constexpr wchar_t kClsid[] = L"{3B9D2C41-7A5E-4F08-8C1D-6E2F9A4B7C05}";
constexpr wchar_t kHandlerKey[] = L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor";

std::wstring classKey() { return std::wstring(L"CLSID\\") + kClsid; }

bool setDefault(const std::wstring& key, const std::wstring& text) {
  return RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, text.c_str(),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace

extern "C" HRESULT __stdcall DllRegisterServer() {
  if (GetEnvironmentVariableW(L"INSTALLER_TEST_REGISTER_NOTHING", nullptr, 0) > 0) return S_OK;
  return setDefault(classKey(), L"Installer test extension") && setDefault(kHandlerKey, kClsid) ? S_OK
                                                                                                : SELFREG_E_CLASS;
}

extern "C" HRESULT __stdcall DllUnregisterServer() {
  const bool classGone = RegDeleteTreeW(HKEY_CLASSES_ROOT, classKey().c_str()) == ERROR_SUCCESS;
  const bool handlerGone = RegDeleteKeyW(HKEY_CLASSES_ROOT, kHandlerKey) == ERROR_SUCCESS;
  return classGone && handlerGone ? S_OK : SELFREG_E_CLASS;
}
