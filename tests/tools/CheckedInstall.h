#pragma once
#include <windows.h>

#include <string>

#include "ProcessRun.h"
#include "support/Handles.h"
#include "TestFolder.h"

namespace brivane::testing {

inline constexpr wchar_t kCheckedClassKey[] = L"CLSID\\{AAFA3869-C27B-4D5C-A007-5D5F7848077C}";
inline constexpr wchar_t kApprovedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

// The product installed into a folder of its own for one test, the way a user installs it, and
// removed with everything it registered at the end, whatever the test broke meanwhile. The 32-bit
// extension is set up as the package installs it: its files in the x86 folder, its class, approval and
// ModuleFolder in the 32-bit registry view (a 32-bit DllRegisterServer cannot run in a 64-bit process).
class CheckedInstall {
 public:
  CheckedInstall() {
    removeEverything();
    result_ = runProcess(std::wstring(BRIVANE_BIN_DIR) + L"\\brivane-install.exe",
                         {L"install", L"--module-folder", moduleFolder(), L"--temp-folder", tempFolder(),
                          L"--extension", extension(), L"--from", BRIVANE_MODULE_DIR});
    installX86();
  }
  ~CheckedInstall() {
    runProcess(std::wstring(BRIVANE_BIN_DIR) + L"\\brivane-install.exe", {L"uninstall", L"--extension", extension()});
    removeEverything();
  }
  CheckedInstall(const CheckedInstall&) = delete;
  CheckedInstall& operator=(const CheckedInstall&) = delete;

  bool installed() const { return result_.exitCode == 0 && x86Installed_; }
  std::wstring moduleFolder() const { return root_.child(L"Program Files\\Brivane"); }
  std::wstring tempFolder() const { return root_.child(L"hand offs"); }
  std::wstring moduleFile(const wchar_t* name) const { return moduleFolder() + L"\\" + name; }
  const TestFolder& root() const { return root_; }
  static std::wstring extension() { return std::wstring(BRIVANE_BIN_DIR) + L"\\BrivaneShell.dll"; }
  std::wstring x86Folder() const { return moduleFolder() + L"\\x86"; }
  std::wstring x86Extension() const { return x86Folder() + L"\\BrivaneShell.dll"; }

  // A string value in the 32-bit registry view.
  static bool setX86String(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
    RegKey opened;
    return RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_32KEY, nullptr, opened.out(),
                           nullptr) == ERROR_SUCCESS &&
           RegSetValueExW(opened.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

 private:
  // Everything of the product a test may leave behind in this prefix.
  static void removeEverything() {
    for (const wchar_t* key :
         {L".qelf", L".qeld", L"Brivane.SecuredFile", L"Brivane.SecuredFolder",
          L"CLSID\\{AAFA3869-C27B-4D5C-A007-5D5F7848077C}", L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor",
          L"Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor"})
      RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Brivane");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Brivane");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Wow6432Node\\Brivane");
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(L"Software\\Classes\\Wow6432Node\\") + kCheckedClassKey).c_str());
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, (std::wstring(L"Software\\Wow6432Node\\") + kApprovedKey).c_str(),
                       L"{AAFA3869-C27B-4D5C-A007-5D5F7848077C}");
  }

  void installX86() {
    CreateDirectoryW(x86Folder().c_str(), nullptr);
    const std::wstring built = BRIVANE_X86_BIN_DIR;
    const std::wstring builtModule = BRIVANE_X86_MODULE_DIR;
    const std::wstring application = L"\\Brivane_Application_Palisor_Against_Lib.exe";
    const std::wstring server = std::wstring(kCheckedClassKey) + L"\\InProcServer32";
    x86Installed_ =
        CopyFileW((built + L"\\BrivaneShell.dll").c_str(), x86Extension().c_str(), FALSE) &&
        CopyFileW((builtModule + L"\\Brivane_Core.dll").c_str(), (x86Folder() + L"\\Brivane_Core.dll").c_str(), FALSE) &&
        CopyFileW((builtModule + L"\\palisorv3.txt").c_str(), (x86Folder() + L"\\palisorv3.txt").c_str(), FALSE) &&
        CopyFileW((std::wstring(BRIVANE_MODULE_DIR) + application).c_str(), (x86Folder() + application).c_str(), FALSE) &&
        setX86String(HKEY_CLASSES_ROOT, kCheckedClassKey, nullptr, L"BRIVANE SHELLEXTENSION") &&
        setX86String(HKEY_CLASSES_ROOT, server, nullptr, x86Extension()) &&
        setX86String(HKEY_CLASSES_ROOT, server, L"ThreadingModel", L"Apartment") &&
        setX86String(HKEY_LOCAL_MACHINE, kApprovedKey, L"{AAFA3869-C27B-4D5C-A007-5D5F7848077C}", L"BrivanePalisor") &&
        setX86String(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder", x86Folder());
  }

  TestFolder root_;
  ProcessResult result_;
  bool x86Installed_ = false;
};

}  // namespace brivane::testing
