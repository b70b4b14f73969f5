#include "protocol/Timestamp.h"

#ifdef _WIN32
#include <windows.h>

#include "support/Handles.h"
#endif

namespace brivane {

// UTC file time, local file time, calendar fields, OLE automation date, then the user's default
// date-and-time text; the text thus follows the machine's time zone and regional settings. The native
// fuzzing build has no user settings to follow: it shows the count.
std::wstring formatTimestamp(std::uint64_t fileTime) {
  if (fileTime == 0) return {};
#ifdef _WIN32
  const std::wstring invalid = L"Invalid DateTime";
  const FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
  FILETIME local;
  SYSTEMTIME fields;
  DATE date;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &fields) ||
      !SystemTimeToVariantTime(&fields, &date)) {
    return invalid;
  }
  UniqueBstr text;
  if (FAILED(VarBstrFromDate(date, LOCALE_USER_DEFAULT, 0, text.out())) || !text) return invalid;
  return std::wstring(text.get(), SysStringLen(text.get()));
#else
  return std::to_wstring(fileTime);
#endif
}

std::wstring formatTimestamp(const std::uint8_t (&value)[8]) {
  std::uint64_t fileTime = 0;
  for (int i = 7; i >= 0; --i) fileTime = fileTime << 8 | value[i];
  return formatTimestamp(fileTime);
}

}  // namespace brivane
