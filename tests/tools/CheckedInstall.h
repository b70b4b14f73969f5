#pragma once
#include <windows.h>

#include <string>

#include "ProcessRun.h"
#include "TestFolder.h"

namespace brivane::testing {

// The product installed into a folder of its own for one test, the way a user installs it, and
// removed with everything it registered at the end, whatever the test broke meanwhile.
class CheckedInstall {
 public:
  CheckedInstall() {
    removeEverything();
    result_ = runProcess(std::wstring(BRIVANE_BIN_DIR) + L"\\brivane-install.exe",
                         {L"install", L"--module-folder", moduleFolder(), L"--temp-folder", tempFolder(),
                          L"--extension", extension(), L"--from", BRIVANE_MODULE_DIR});
  }
  ~CheckedInstall() {
    runProcess(std::wstring(BRIVANE_BIN_DIR) + L"\\brivane-install.exe", {L"uninstall", L"--extension", extension()});
    removeEverything();
  }
  CheckedInstall(const CheckedInstall&) = delete;
  CheckedInstall& operator=(const CheckedInstall&) = delete;

  bool installed() const { return result_.exitCode == 0; }
  std::wstring moduleFolder() const { return root_.child(L"Program Files\\Brivane"); }
  std::wstring tempFolder() const { return root_.child(L"hand offs"); }
  std::wstring moduleFile(const wchar_t* name) const { return moduleFolder() + L"\\" + name; }
  const TestFolder& root() const { return root_; }
  static std::wstring extension() { return std::wstring(BRIVANE_BIN_DIR) + L"\\BrivaneShell.dll"; }

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
  }

  TestFolder root_;
  ProcessResult result_;
};

}  // namespace brivane::testing
