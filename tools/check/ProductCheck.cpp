#include "ProductCheck.h"

#include <windows.h>

#include <vector>

#include "CheckLinks.h"
#include "RegistryValue.h"
#include "StatusText.h"
#include "menu/MenuLabels.h"
#include "operations/DestinationPicker.h"
#include "operations/HandOff.h"
#include "protocol/CoreLibrary.h"
#include "protocol/Labels.h"
#include "settings/ProductSettings.h"
#include "support/Paths.h"

namespace brivane {
namespace {

constexpr wchar_t kRepair[] = L"repair the product's installation";

Finding moduleFolder() {
  const std::wstring place = registryPlace(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder");
  std::wstring folder;
  if (!readModuleFolder(kHandOffProductKey, folder))
    return Finding::fail(
        kModuleFolderLink,
        whyStringRefused(readRawValue(HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder"), place),
        kRepair + std::wstring(L", or set ") + place + L" (REG_SZ) to its installation folder");
  if (!isExistingFolder(folder))
    return Finding::fail(kModuleFolderLink, place + L" names " + folder + L", which is not an existing folder",
                         kRepair + std::wstring(L" (was its folder moved or deleted?)"));
  return Finding::ok(kModuleFolderLink, place + L" is " + folder);
}

Finding coreLibrary() {
  std::wstring path;
  coreLibraryPath(kHandOffProductKey, path);
  if (!isExistingFile(path)) return Finding::fail(kCoreLibraryLink, path + L" does not exist", kRepair);
  CoreLibrary library;
  library.load();
  const DWORD error = GetLastError();
  if (!library.loaded())
    return Finding::fail(kCoreLibraryLink, path + L" does not load (error " + std::to_wstring(error) + L")",
                         kRepair + std::wstring(L"; a DLL it needs may be missing"));
  if (!library.entryPoint())
    return Finding::fail(kCoreLibraryLink,
                         path + L" does not export " +
                             std::wstring(kCoreEntryPointName, kCoreEntryPointName + sizeof kCoreEntryPointName - 1),
                         kRepair + std::wstring(L": the file is not the product's core library"));
  return Finding::ok(kCoreLibraryLink, path + L" loads and exports QLSDK_ProcessProtocol_ByTag");
}

// Every key the extension asks the core library for: the menu's four sets, the property page's three,
// the destination dialogs' and the default name of a new secured folder.
std::vector<const wchar_t*> everyLabelKey() {
  std::vector<const wchar_t*> keys;
  for (const auto& set : kLabelSetKeys) keys.insert(keys.end(), set.begin(), set.end());
  keys.insert(keys.end(), kPageLabelKeys.begin(), kPageLabelKeys.end());
  for (const wchar_t* key : pickerLabelKeys()) keys.push_back(key);
  keys.push_back(kDefaultFolderNameKey);
  return keys;
}

Finding labels() {
  CoreLibrary library;
  CoreEntryPoint entryPoint = nullptr;
  if (Status status = openCoreLibrary(library, entryPoint); status < 0)
    return Finding::fail(kLabelsLink, L"the core library cannot be opened (" + statusText(status) + L")", kRepair);
  const std::vector<const wchar_t*> keys = everyLabelKey();
  std::vector<std::wstring> failures;
  for (const wchar_t* key : keys) {
    std::wstring label;
    if (Status status = queryLabel(entryPoint, key, label); status < 0)
      failures.push_back(std::wstring(key) + L": " + statusText(status));
  }
  if (failures.empty())
    return Finding::ok(kLabelsLink, L"all " + std::to_wstring(keys.size()) + L" label keys have a text");
  Finding finding = Finding::fail(kLabelsLink,
                                  std::to_wstring(failures.size()) + L" of " + std::to_wstring(keys.size()) +
                                      L" label keys fail, first " + failures.front(),
                                  std::wstring(L"restore the product's texts (palisorv3) beside the core library: ") + kRepair);
  finding.details = std::move(failures);
  return finding;
}

}  // namespace

void checkProduct(CheckReport& report) {
  report.add(moduleFolder());
  report.addChecked(kCoreLibraryLink, {kModuleFolderLink}, coreLibrary);
  report.addChecked(kLabelsLink, {kModuleFolderLink, kCoreLibraryLink}, labels);
}

}  // namespace brivane
