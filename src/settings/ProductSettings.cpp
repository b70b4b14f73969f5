#include "settings/ProductSettings.h"

#include <windows.h>

#include "settings/RegistryHelpers.h"
#include "support/Paths.h"

namespace brivane {
namespace {

constexpr wchar_t kShellFoldersKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::wstring productKey(const std::wstring& productKeyName) { return L"Software\\" + productKeyName; }

// A shell folder of the user with "Temp" appended.
bool readUserTempFolder(const wchar_t* shellFolder, std::wstring& out) {
  std::wstring folder;
  if (!readRegString(HKEY_CURRENT_USER, kShellFoldersKey, shellFolder, folder)) return false;
  out = withTrailingBackslash(folder) + L"Temp";
  return true;
}

}  // namespace

bool readModuleFolder(const std::wstring& productKeyName, std::wstring& out) {
  return readRegString(HKEY_LOCAL_MACHINE, productKey(productKeyName), L"ModuleFolder", out);
}

bool coreLibraryPath(const std::wstring& productKeyName, std::wstring& out) {
  std::wstring folder;
  if (!readModuleFolder(productKeyName, folder)) return false;
  out = withTrailingBackslash(folder) + L"Brivane_Core.dll";
  return true;
}

bool readTempFolder(const std::wstring& productKeyName, std::wstring& out) {
  return readTempFolderFrom(productKeyName, out) != TempFolderSource::None;
}

TempFolderSource readTempFolderFrom(const std::wstring& productKeyName, std::wstring& out) {
  const std::wstring key = productKey(productKeyName);
  if (readRegString(HKEY_CURRENT_USER, key, L"TempFolder", out)) return TempFolderSource::UserTempFolder;
  if (readRegString(HKEY_LOCAL_MACHINE, key, L"TempFolder", out)) return TempFolderSource::MachineTempFolder;
  if (readUserTempFolder(L"Local Settings", out)) return TempFolderSource::LocalSettings;
  if (readUserTempFolder(L"Local AppData", out)) return TempFolderSource::LocalAppData;
  if (readUserTempFolder(L"AppData", out)) return TempFolderSource::AppData;
  return TempFolderSource::None;
}

}  // namespace brivane
