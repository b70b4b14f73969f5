#include "BenchSetup.h"

#include <windows.h>

#include <cwchar>

namespace brivane::bench {
namespace {

constexpr wchar_t kProductKey[] = L"Software\\Brivane";

}  // namespace

std::vector<std::wstring> itemPaths(const std::wstring& benchFolder, int count) {
  std::vector<std::wstring> paths;
  paths.reserve(count);
  const std::wstring folder = benchFolder + L"\\items\\" + std::to_wstring(count) + L"\\";
  wchar_t name[32];
  for (int number = 1; number <= count; ++number) {
    std::swprintf(name, 32, L"item-%06d.txt", number);
    paths.push_back(folder + name);
  }
  return paths;
}

bool setModuleFolder(const std::wstring& folder) {
  const DWORD bytes = static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t));
  return RegSetKeyValueW(HKEY_LOCAL_MACHINE, kProductKey, L"ModuleFolder", REG_SZ, folder.c_str(), bytes) ==
         ERROR_SUCCESS;
}


std::wstring minimalModuleFolder(const std::wstring& benchFolder) { return benchFolder + L"\\minimal-module"; }

}  // namespace brivane::bench
