#include "PackageSupport.h"

#include <msi.h>
#include <msiquery.h>
#include <shlobj.h>

#include <cstdio>

#include "ProcessRun.h"
#include "support/Handles.h"

namespace brivane::testing {
namespace {

constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

struct RootName {
  HKEY root;
  const wchar_t* name;
};
const RootName kRootNames[] = {
    {HKEY_CLASSES_ROOT, L"HKCR"}, {HKEY_CURRENT_USER, L"HKCU"}, {HKEY_LOCAL_MACHINE, L"HKLM"}};

struct MsiHandleTraits {
  using Handle = MSIHANDLE;
  static Handle invalid() { return 0; }
  static void close(Handle h) { MsiCloseHandle(h); }
};
using MsiHandle = UniqueHandle<MsiHandleTraits>;

std::wstring recordString(MSIHANDLE record, UINT field) {
  wchar_t text[256] = {};
  DWORD length = 256;
  return MsiRecordGetStringW(record, field, text, &length) == ERROR_SUCCESS ? text : L"";
}

std::wstring rootName(HKEY root, REGSAM view) {
  const std::wstring width = (view & KEY_WOW64_32KEY) ? L"32" : L"";
  for (const RootName& entry : kRootNames)
    if (entry.root == root) return entry.name + width;
  return L"?";
}

std::wstring knownFolder(REFKNOWNFOLDERID id) {
  PWSTR path = nullptr;
  std::wstring folder;
  if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path))) folder = path;
  CoTaskMemFree(path);
  return folder;
}

std::wstring describe(DWORD type, const std::vector<BYTE>& data) {
  if (type == REG_SZ || type == REG_EXPAND_SZ) {
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
    return (type == REG_SZ ? L"REG_SZ \"" : L"REG_EXPAND_SZ \"") + text.substr(0, text.find(L'\0')) + L"\" " +
           std::to_wstring(data.size()) + L" bytes";
  }
  std::wstring hex = L"type " + std::to_wstring(type) + L" hex";
  for (BYTE byte : data) {
    wchar_t digits[4];
    std::swprintf(digits, 4, L" %02x", byte);
    hex += digits;
  }
  return hex;
}

bool readRaw(HKEY key, const wchar_t* name, DWORD& type, std::vector<BYTE>& data) {
  DWORD size = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  data.assign(size, 0);
  if (RegQueryValueExW(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) return false;
  data.resize(size);
  return true;
}

void addTree(HKEY parent, const std::wstring& path, REGSAM view, RegistryTree& tree) {
  tree[path] = keyEntry();
  wchar_t name[16384];
  for (DWORD index = 0;; ++index) {
    DWORD length = 16384;
    if (RegEnumValueW(parent, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    DWORD type = 0;
    std::vector<BYTE> data;
    if (readRaw(parent, name, type, data)) tree[path + L"|" + name] = describe(type, data);
  }
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    if (RegEnumKeyExW(parent, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    RegKey child;
    if (RegOpenKeyExW(parent, name, 0, KEY_READ | view, child.out()) == ERROR_SUCCESS)
      addTree(child.get(), path + L"\\" + name, view, tree);
  }
}

std::wstring stringOf(HKEY key, const wchar_t* name) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!readRaw(key, name, type, data) || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
  return text.substr(0, text.find(L'\0'));
}

// The icon Add/Remove Programs shows, as Windows Installer published it.
std::wstring productIcon(const std::wstring& productCode) {
  wchar_t path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  if (MsiGetProductInfoW(productCode.c_str(), INSTALLPROPERTY_PRODUCTICON, path, &length) != ERROR_SUCCESS) return {};
  return path;
}

}  // namespace

std::wstring installFolder() { return knownFolder(FOLDERID_ProgramFiles) + L"\\Brivane"; }

std::wstring installedFile(const std::wstring& name) { return installFolder() + L"\\" + name; }

std::wstring x86Folder() { return installFolder() + L"\\x86"; }

std::wstring userDataFolder() { return knownFolder(FOLDERID_LocalAppData) + L"\\Brivane"; }

std::wstring handOffFolder() { return knownFolder(FOLDERID_LocalAppData) + L"\\Temp"; }

void recordRecentFolder(const std::wstring& folder) {
  const DWORD limit = 3;
  RegSetKeyValueW(HKEY_CURRENT_USER, kRecentListKey.c_str(), L"max_history", REG_DWORD, &limit, sizeof limit);
  RegSetKeyValueW(HKEY_CURRENT_USER, kRecentListKey.c_str(), L"max_qelf", REG_DWORD, &limit, sizeof limit);
  RegSetKeyValueW(HKEY_CURRENT_USER, kRecentListKey.c_str(), L"1", REG_SZ, folder.c_str(),
                  static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
}

void removeUserData() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kUserKey.c_str());
  RegDeleteKeyW(HKEY_CURRENT_USER, kUserKey.c_str());
}

std::wstring fileVersion(const std::wstring& path) {
  wchar_t version[64] = {};
  DWORD length = 64;
  if (MsiGetFileVersionW(path.c_str(), version, &length, nullptr, nullptr) != ERROR_SUCCESS) return {};
  return version;
}

std::map<std::wstring, std::wstring> packagedVersions(const std::wstring& package) {
  std::map<std::wstring, std::wstring> versions;
  MsiHandle database;
  MsiHandle view;
  if (MsiOpenDatabaseW(package.c_str(), MSIDBOPEN_READONLY, database.out()) != ERROR_SUCCESS ||
      MsiDatabaseOpenViewW(database.get(), L"SELECT `FileName`, `Version` FROM `File`", view.out()) != ERROR_SUCCESS ||
      MsiViewExecute(view.get(), 0) != ERROR_SUCCESS)
    return versions;
  MsiHandle record;
  while (MsiViewFetch(view.get(), record.out()) == ERROR_SUCCESS) {
    const std::wstring name = recordString(record.get(), 1);
    const std::wstring version = recordString(record.get(), 2);
    // A File row names the file "SHORT|long" when its name is not a short one.
    if (!version.empty()) versions[name.substr(name.find(L'|') + 1)] = version;
  }
  return versions;
}

DWORD msiexec(const std::vector<std::wstring>& args) {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  return runProcess(std::wstring(system) + L"\\msiexec.exe", args).exitCode;
}

DWORD installPackage(const std::wstring& package) { return msiexec({L"/i", package, L"/qn"}); }

DWORD removePackage(const std::wstring& package) { return msiexec({L"/x", package, L"/qn"}); }

RegistryTree readTree(HKEY root, const std::wstring& key, REGSAM view) {
  RegistryTree tree;
  RegKey opened;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, opened.out()) == ERROR_SUCCESS)
    addTree(opened.get(), rootName(root, view) + L"\\" + key, view, tree);
  return tree;
}

RegistryTree readValue(HKEY root, const std::wstring& key, const std::wstring& name, REGSAM view) {
  RegistryTree tree;
  RegKey opened;
  DWORD type = 0;
  std::vector<BYTE> data;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | view, opened.out()) == ERROR_SUCCESS &&
      readRaw(opened.get(), name.c_str(), type, data))
    tree[rootName(root, view) + L"\\" + key + L"|" + name] = describe(type, data);
  return tree;
}

std::wstring textValue(const std::wstring& text) {
  return L"REG_SZ \"" + text + L"\" " + std::to_wstring((text.size() + 1) * sizeof(wchar_t)) + L" bytes";
}

std::wstring keyEntry() { return L"key"; }

bool keyExists(HKEY root, const std::wstring& key) {
  RegKey opened;
  return RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, opened.out()) == ERROR_SUCCESS;
}

std::vector<ProductEntry> productEntries() {
  std::vector<ProductEntry> entries;
  RegKey uninstall;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ, uninstall.out()) != ERROR_SUCCESS) return entries;
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    if (RegEnumKeyExW(uninstall.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    RegKey product;
    if (RegOpenKeyExW(uninstall.get(), name, 0, KEY_READ, product.out()) != ERROR_SUCCESS ||
        stringOf(product.get(), L"DisplayName") != L"Brivane")
      continue;
    entries.push_back({name, stringOf(product.get(), L"DisplayVersion"), stringOf(product.get(), L"Publisher"),
                       productIcon(name), stringOf(product.get(), L"UninstallString"),
                       stringOf(product.get(), L"InstallLocation")});
  }
  return entries;
}

}  // namespace brivane::testing
