#include "operations/FailureNotice.h"

#include "support/SystemErrorText.h"

namespace brivane {

void showHandOffFailure(const FailureNotice& notice, DWORD error, const std::wstring& place) {
  if (!notice.show) return;
  const std::wstring where = place.empty() ? L"No folder for hand-off files is set." : place;
  const std::wstring text =
      L"Brivane could not pass the command to its application.\n\n" + systemErrorText(error) + L"\n" + where;
  MessageBoxW(notice.owner, text.c_str(), L"Brivane", MB_OK | MB_ICONERROR);
}

}  // namespace brivane
