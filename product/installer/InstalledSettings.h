#pragma once
#include <string>

#include "InstallerOptions.h"

namespace brivane {

// The journal file an installation names when none is given: journal.txt in the temporary folder.
std::wstring defaultJournalFile(const std::wstring& tempFolder);

// Writes "ModuleFolder", "TempFolder" and "JournalFile" under HKLM\Software\Brivane and creates the
// temporary folder when it is missing.
bool writeInstalledSettings(const InstallOptions& options);

// Removes those values (and the installed-files list); the product key goes when nothing else is in it.
void removeInstalledSettings();

}  // namespace brivane
