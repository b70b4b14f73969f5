#include "shell/CommandStrings.h"

#include <shlobj.h>

#include <algorithm>
#include <iterator>

namespace brivane {
namespace {

constexpr wchar_t kHandlerName[] = L"BrivanePalisor";
// Offsets 0 to 7 have verbs of their own, "Operation1" to "Operation8".
constexpr UINT_PTR kNumberedVerbs = 8;

const wchar_t* const kHelpTexts[] = {
    L"Do something to the selected file(s)",
    L"Do something else to the selected file(s)",
};

std::wstring verbText(UINT_PTR offset) {
  return offset < kNumberedVerbs ? L"Operation" + std::to_wstring(offset + 1) : kHandlerName;
}

std::wstring helpText(UINT_PTR offset) { return offset < std::size(kHelpTexts) ? kHelpTexts[offset] : kHandlerName; }

struct CommandStringRow {
  UINT type;
  std::wstring (*textFor)(UINT_PTR offset);
};

const CommandStringRow kCommandStrings[] = {
    {GCS_VERBW, verbText},
    {GCS_HELPTEXTW, helpText},
};

}  // namespace

std::optional<std::wstring> commandString(UINT type, UINT_PTR offset) {
  for (const CommandStringRow& row : kCommandStrings) {
    if (row.type == type) return row.textFor(offset);
  }
  return std::nullopt;
}

void copyTerminated(const std::wstring& text, wchar_t* buffer, UINT size) {
  if (!buffer || size == 0) return;
  const std::size_t copied = std::min<std::size_t>(text.size(), size - 1);
  std::copy_n(text.begin(), copied, buffer);
  buffer[copied] = L'\0';
}

}  // namespace brivane
