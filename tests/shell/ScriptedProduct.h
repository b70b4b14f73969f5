#pragma once
// The product installed with the scripted core library in place of the real one: copies of that
// library and of the real application in a module folder of the test's own, so that labels come from
// the script (each label is its key unless the script says otherwise) and hand-offs still reach the
// application's journal.
#include <windows.h>

#include <string>

#include "doubles/CoreTestSetup.h"
#include "support/ApplicationJournal.h"
#include "support/TestSupport.h"

namespace brivane::testing {

class ScriptedProduct {
 public:
  ScriptedProduct() : product_(copiedModuleFolder(moduleFiles_)) {}

  InstalledProduct& product() { return product_; }
  ScriptedCore& core() { return core_; }

 private:
  static std::wstring copiedModuleFolder(const TemporaryFolder& folder) {
    CopyFileW(BRIVANE_SCRIPTED_CORE_DIR L"\\Brivane_Core.dll", folder.pathOf(L"Brivane_Core.dll").c_str(), FALSE);
    CopyFileW(BRIVANE_MODULE_DIR L"\\Brivane_Application_Palisor_Against_Lib.exe",
              folder.pathOf(L"Brivane_Application_Palisor_Against_Lib.exe").c_str(), FALSE);
    return folder.path();
  }

  TemporaryFolder moduleFiles_;
  ScriptedCore core_;
  InstalledProduct product_;
};

}  // namespace brivane::testing
