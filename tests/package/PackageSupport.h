#pragma once
// The product's package as the package tests drive it: msiexec runs, the places an installation writes
// to, and registry keys read back value for value.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace brivane::testing {

inline const std::wstring kClassId = L"{AAFA3869-C27B-4D5C-A007-5D5F7848077C}";
inline const std::wstring kPackage = BRIVANE_PACKAGE;
inline const std::wstring kOlderPackage = BRIVANE_OLDER_PACKAGE;
inline const std::wstring kOlderVersion = BRIVANE_OLDER_VERSION;
inline const std::wstring kVersion = BRIVANE_VERSION;
inline const std::wstring kApprovedKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

// C:\Program Files\Brivane (the 64-bit Program Files folder), and a file in it.
std::wstring installFolder();
std::wstring installedFile(const std::wstring& name);
// Its x86 folder, with the 32-bit extension, the 32-bit core library and a copy of the application.
std::wstring x86Folder();
// The user's hand-off folder when no TempFolder value names one: the Temp folder in the user's local
// application data folder, which the extension creates when it is missing.
std::wstring handOffFolder();
// The per-user folder older packages created in the local application data folder.
std::wstring userDataFolder();

// The user's list of recent secured folders, as the product writes it: HKCU\Software\Brivane\MRU_qelf
// with its two limits and `folder` as its first entry. Removing the user's data takes the whole
// HKCU\Software\Brivane, which uninstall leaves in place.
inline const std::wstring kUserKey = L"Software\\Brivane";
inline const std::wstring kRecentListKey = L"Software\\Brivane\\MRU_qelf";
void recordRecentFolder(const std::wstring& folder);
void removeUserData();

// The version Windows Installer reads from a file's version resource ("1.0.0.0"); empty for a file
// without one.
std::wstring fileVersion(const std::wstring& path);
// The versioned files of a package: each file's name and the version its File row gives.
std::map<std::wstring, std::wstring> packagedVersions(const std::wstring& package);

// msiexec.exe of the prefix with these arguments; its exit code.
DWORD msiexec(const std::vector<std::wstring>& args);
DWORD installPackage(const std::wstring& package);
DWORD removePackage(const std::wstring& package);

// Every key and value below a key, its own included: "ROOT\key\sub" for a key, "ROOT\key\sub|name"
// for a value ("|" alone for the default value), each with its type, text and stored size. In the 32-bit
// registry view (KEY_WOW64_32KEY), what a 32-bit program sees, ROOT reads "HKLM32" (HKCR32, HKCU32).
using RegistryTree = std::map<std::wstring, std::wstring>;
RegistryTree readTree(HKEY root, const std::wstring& key, REGSAM view = 0);
// One value only, in the same form; empty when the value is absent.
RegistryTree readValue(HKEY root, const std::wstring& key, const std::wstring& name, REGSAM view = 0);
// How readTree shows a REG_SZ value holding text, its terminating null counted in its size.
std::wstring textValue(const std::wstring& text);
std::wstring keyEntry();
bool keyExists(HKEY root, const std::wstring& key);

// The entries of Add/Remove Programs named "Brivane", with the icon published for each.
struct ProductEntry {
  std::wstring key;
  std::wstring version;
  std::wstring publisher;
  std::wstring icon;
  std::wstring uninstall;
  std::wstring installLocation;
};
std::vector<ProductEntry> productEntries();

}  // namespace brivane::testing
