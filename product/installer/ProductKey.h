#pragma once

namespace brivane {

// The product's machine settings, below HKEY_LOCAL_MACHINE.
constexpr wchar_t kProductKey[] = L"Software\\Brivane";
constexpr wchar_t kModuleFolderValue[] = L"ModuleFolder";
constexpr wchar_t kTempFolderValue[] = L"TempFolder";
constexpr wchar_t kJournalFileValue[] = L"JournalFile";
// The files the installer copied into the module folder (REG_MULTI_SZ), removed again by uninstall.
constexpr wchar_t kInstalledFilesValue[] = L"InstalledFiles";

}  // namespace brivane
