#include "menu/RecentList.h"

#include <windows.h>
#include <shlwapi.h>

#include "settings/RegistryHelpers.h"
#include "support/Handles.h"

namespace brivane {
namespace {

constexpr DWORD kDefaultLimit = 3;

DWORD readLimit(const wchar_t* valueName) {
  DWORD limit = 0;
  return readRegDword(HKEY_CURRENT_USER, kHistoryKey, valueName, limit) ? limit : kDefaultLimit;
}

// Creates the history key with both limits, keeping a limit that is already stored as REG_DWORD.
void setUpHistoryKey() {
  std::int32_t recentLimit = 0;
  std::int32_t nearLimit = 0;
  readRecentLimits(recentLimit, nearLimit);
  RegKey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kHistoryKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      key.out(), nullptr) != ERROR_SUCCESS)
    return;
  writeRegDword(HKEY_CURRENT_USER, kHistoryKey, kRecentLimitValue, static_cast<DWORD>(recentLimit));
  writeRegDword(HKEY_CURRENT_USER, kHistoryKey, kNearLimitValue, static_cast<DWORD>(nearLimit));
}

}  // namespace

bool readRecentLimits(std::int32_t& recentLimit, std::int32_t& nearLimit) {
  recentLimit = static_cast<std::int32_t>(readLimit(kRecentLimitValue));
  nearLimit = static_cast<std::int32_t>(readLimit(kNearLimitValue));
  return true;
}

void readRecentPaths(std::vector<std::wstring>& out, const PathSet& exclusions) {
  out.clear();
  DWORD limit = 0;
  if (!readRegDword(HKEY_CURRENT_USER, kHistoryKey, kRecentLimitValue, limit)) {
    setUpHistoryKey();
    return;
  }
  std::wstring path;
  for (unsigned long number = 1; out.size() < limit; ++number) {
    if (!readRegString(HKEY_CURRENT_USER, kHistoryKey, std::to_wstring(number), path)) break;
    if (exclusions.contains(path)) continue;
    if (PathFileExistsW(path.c_str())) out.push_back(path);
  }
}

}  // namespace brivane
