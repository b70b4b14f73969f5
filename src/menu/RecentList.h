#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "support/PathSet.h"

namespace brivane {

// The per-user history of secured folders items were sent to: HKCU\Software\Brivane\MRU_qelf, values
// "1", "2", ... written by the product's application, and the two limits "max_history" and "max_qelf".
inline constexpr wchar_t kHistoryKey[] = L"Software\\Brivane\\MRU_qelf";
inline constexpr wchar_t kRecentLimitValue[] = L"max_history";
inline constexpr wchar_t kNearLimitValue[] = L"max_qelf";

// Reads "max_history" into `recentLimit` and "max_qelf" into `nearLimit`; 3 for either when it is not a
// REG_DWORD. Always true.
bool readRecentLimits(std::int32_t& recentLimit, std::int32_t& nearLimit);

// Replaces `out` with the history's existing paths, in order, leaving out the excluded ones, at most
// "max_history" of them. The list ends at the first number without a string value. Without a
// "max_history" limit the key and both limits are created and the list is empty.
void readRecentPaths(std::vector<std::wstring>& out, const PathSet& exclusions);

}  // namespace brivane
