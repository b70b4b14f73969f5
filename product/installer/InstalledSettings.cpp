#include "InstalledSettings.h"

#include <windows.h>
#include <shlobj.h>

#include "InstallerRegistry.h"
#include "ProductKey.h"

namespace brivane {

std::wstring defaultJournalFile(const std::wstring& tempFolder) {
  return tempFolder + (tempFolder.empty() || tempFolder.back() != L'\\' ? L"\\" : L"") + L"journal.txt";
}

bool writeInstalledSettings(const InstallOptions& options) {
  const int created = SHCreateDirectoryExW(nullptr, options.tempFolder.c_str(), nullptr);
  if (created != ERROR_SUCCESS && created != ERROR_ALREADY_EXISTS && created != ERROR_FILE_EXISTS) return false;
  const std::wstring journal =
      options.journalFile.empty() ? defaultJournalFile(options.tempFolder) : options.journalFile;
  return writeString(HKEY_LOCAL_MACHINE, kProductKey, kModuleFolderValue, options.moduleFolder) &&
         writeString(HKEY_LOCAL_MACHINE, kProductKey, kTempFolderValue, options.tempFolder) &&
         writeString(HKEY_LOCAL_MACHINE, kProductKey, kJournalFileValue, journal);
}

void removeInstalledSettings() {
  for (const wchar_t* value : {kModuleFolderValue, kTempFolderValue, kJournalFileValue, kInstalledFilesValue}) {
    removeValue(HKEY_LOCAL_MACHINE, kProductKey, value);
  }
  removeKeyIfEmpty(HKEY_LOCAL_MACHINE, kProductKey);
}

}  // namespace brivane
