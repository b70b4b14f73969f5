// brivane-install: a test fixture, not how the product ships (that is the MSI under package/).
// The diagnostics tests install the product afresh for each case into a folder of that case's own and then
// break it link by link, and the benchmark installs the build in place; an msiexec run per case would
// multiply those times, and Windows Installer installs into one fixed folder only. It registers through
// the DLL's own DllRegisterServer.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <variant>
#include <vector>

#include "Installer.h"
#include "InstallerReport.h"
#include "support/ProcessArguments.h"

namespace brivane {
namespace {

struct Run {
  int operator()(const InstallOptions& options) const { return install(options); }
  int operator()(const UninstallOptions& options) const { return uninstall(options); }
};

int run() {
  ParsedInstallerCommandLine parsed = parseInstallerCommandLine(processArguments(), BRIVANE_BUILD_MODULE_DIR);
  if (!parsed.command) {
    reportFailure(parsed.error);
    writeErrorText(installerUsage());
    return kInstallUsage;
  }
  // A registration entry point may use COM, as it may under regsvr32.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int result = std::visit(Run{}, *parsed.command);
  if (SUCCEEDED(com)) CoUninitialize();
  return result;
}

}  // namespace
}  // namespace brivane

int main() { return brivane::run(); }
