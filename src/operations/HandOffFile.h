#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace brivane {

// How many numbers a hand-off draws before it gives up on finding a name not yet taken.
constexpr int kHandOffNameAttempts = 16;

// "\qel_" + the number as ten decimal digits with leading zeros + ".psa".
std::wstring handOffFileName(std::uint32_t number);

// Writes a file's content through `write`, block by block in order; false when a block could not be
// written or the content could not be made. A content writer stops at the first `false`.
using BlockWrite = std::function<bool(std::string_view block)>;
using ContentWriter = std::function<bool(const BlockWrite& write)>;

// A hand-off file written, or the system's error that kept it from being written.
struct HandOffWrite {
  std::wstring path;  // empty unless written
  DWORD error = ERROR_SUCCESS;
};

// Creates a new hand-off file in `folder` (used exactly as given, created first when it does not exist)
// holding what `content` writes. A name that already exists is never overwritten, since its file may not be
// consumed yet: another number is drawn instead. A file left incomplete, by a failed write or by an
// exception from `content`, is removed.
HandOffWrite writeHandOffFile(const std::wstring& folder, const ContentWriter& content,
                              const std::function<std::uint32_t()>& drawNumber);

}  // namespace brivane
