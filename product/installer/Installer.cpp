#include "Installer.h"

#include <vector>

#include "ExtensionRegistration.h"
#include "FileTypes.h"
#include "InstalledSettings.h"
#include "InstallerReport.h"
#include "ModuleFiles.h"

namespace brivane {
namespace {

void removeProductEntries() {
  removeFileTypes();
  deleteInstalledFiles();
  removeInstalledSettings();
}

int undoInstall(const InstallOptions& options, const std::wstring& why) {
  removeProductEntries();
  callSelfRegistration(options.extension, "DllUnregisterServer");
  reportFailure(why);
  return kInstallFailed;
}

// The product's files are built straight into the module folder; they are copied only when the
// installation names another folder.
bool placeModuleFiles(const InstallOptions& options, std::wstring& error) {
  if (sameFolder(options.sourceFolder, options.moduleFolder)) {
    reportStep(L"module folder " + options.moduleFolder + L" already holds the product");
    return true;
  }
  std::vector<std::wstring> copied;
  const bool done = copyModuleFiles(options.sourceFolder, options.moduleFolder, copied, error);
  if (!recordInstalledFiles(copied)) {
    error = L"cannot record the copied files";
    return false;
  }
  if (done) reportStep(L"copied " + std::to_wstring(copied.size()) + L" files into " + options.moduleFolder);
  return done;
}

}  // namespace

int install(const InstallOptions& options) {
  const HRESULT hr = callSelfRegistration(options.extension, "DllRegisterServer");
  if (FAILED(hr)) {
    reportFailure(L"DllRegisterServer of " + options.extension + L" failed (" + hresultText(hr) + L")");
    return kInstallFailed;
  }
  std::wstring clsid;
  if (!registeredHandlerClsid(clsid))
    return undoInstall(options, L"the extension registered no BrivanePalisor handler");
  reportStep(L"extension " + options.extension + L" registered as " + clsid);
  std::wstring error;
  if (!placeModuleFiles(options, error)) return undoInstall(options, error);
  if (!writeInstalledSettings(options)) return undoInstall(options, L"cannot write the product settings");
  reportStep(L"settings written for " + options.moduleFolder);
  if (!writeFileTypes(clsid)) return undoInstall(options, L"cannot write the .qelf and .qeld file types");
  reportStep(L"file types .qelf and .qeld name " + clsid);
  return kInstallOk;
}

int uninstall(const UninstallOptions& options) {
  removeProductEntries();
  reportStep(L"file types, copied files and settings removed");
  const HRESULT hr = callSelfRegistration(options.extension, "DllUnregisterServer");
  if (FAILED(hr)) {
    reportFailure(L"DllUnregisterServer of " + options.extension + L" failed (" + hresultText(hr) + L")");
    return kInstallFailed;
  }
  reportStep(L"extension " + options.extension + L" unregistered");
  return kInstallOk;
}

}  // namespace brivane
