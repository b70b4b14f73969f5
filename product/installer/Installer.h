#pragma once
#include "InstallerOptions.h"

namespace brivane {

constexpr int kInstallOk = 0;
constexpr int kInstallFailed = 1;
constexpr int kInstallUsage = 2;

// Registers the extension through its DllRegisterServer, takes the CLSID it registered, copies the
// product's files when the module folder is not their source folder, writes the product settings and
// the secured file types. A failure after the registration undoes everything. Reports each step.
int install(const InstallOptions& options);

// Removes the file types, the copied files and the settings, then calls the extension's
// DllUnregisterServer; fails when that call fails (everything else is removed all the same).
int uninstall(const UninstallOptions& options);

}  // namespace brivane
