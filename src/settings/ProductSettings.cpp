#include <windows.h>

#include "settings/RegistrySettings.h"

namespace brivane {
namespace {

constexpr wchar_t kShellFoldersKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::wstring productKey(const std::wstring& productKeyName) { return L"Software\\" + productKeyName; }

void appendSeparator(std::wstring& folder) {
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
}

// The user's local settings folder, else the application data folder, each with "Temp" appended.
bool readUserTempFolder(std::wstring& out) {
  std::wstring folder;
  if (!readRegString(HKEY_CURRENT_USER, kShellFoldersKey, L"Local Settings", folder) &&
      !readRegString(HKEY_CURRENT_USER, kShellFoldersKey, L"AppData", folder))
    return false;
  appendSeparator(folder);
  out = folder + L"Temp";
  return true;
}

}  // namespace

bool readModuleFolder(const std::wstring& productKeyName, std::wstring& out) {
  return readRegString(HKEY_LOCAL_MACHINE, productKey(productKeyName), L"ModuleFolder", out);
}

bool coreLibraryPath(const std::wstring& productKeyName, std::wstring& out) {
  std::wstring folder;
  if (!readModuleFolder(productKeyName, folder)) return false;
  appendSeparator(folder);
  out = folder + L"Brivane_Core.dll";
  return true;
}

bool readTempFolder(const std::wstring& productKeyName, std::wstring& out) {
  const std::wstring key = productKey(productKeyName);
  return readRegString(HKEY_CURRENT_USER, key, L"TempFolder", out) ||
         readRegString(HKEY_LOCAL_MACHINE, key, L"TempFolder", out) || readUserTempFolder(out);
}

}  // namespace brivane
