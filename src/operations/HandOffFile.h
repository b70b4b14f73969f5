#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace brivane {

// How many numbers a hand-off draws before it gives up on finding a name not yet taken.
constexpr int kHandOffNameAttempts = 16;

// "\qel_" + the number as ten decimal digits with leading zeros + ".psa".
std::wstring handOffFileName(std::uint32_t number);

// Creates a new hand-off file in `folder` (used exactly as given) holding `bytes`. A name that already
// exists is never overwritten, since its file may not be consumed yet: another number is drawn instead.
// Returns the file's path, or empty when no file could be created and written.
std::wstring writeHandOffFile(const std::wstring& folder, const std::string& bytes,
                              const std::function<std::uint32_t()>& drawNumber);

}  // namespace brivane
