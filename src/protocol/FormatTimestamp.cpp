#include "protocol/ProtocolNode.h"
#include "support/Handles.h"

namespace brivane {

// UTC file time, local file time, calendar fields, OLE automation date, then the user's default
// date-and-time text; the text thus follows the machine's time zone and regional settings.
std::wstring ProtocolNode::formatTimestamp(const FILETIME& fileTime) {
  if (fileTime.dwLowDateTime == 0 && fileTime.dwHighDateTime == 0) return {};
  const std::wstring invalid = L"Invalid DateTime";
  FILETIME local;
  SYSTEMTIME fields;
  DATE date;
  if (!FileTimeToLocalFileTime(&fileTime, &local) || !FileTimeToSystemTime(&local, &fields) ||
      !SystemTimeToVariantTime(&fields, &date)) {
    return invalid;
  }
  UniqueBstr text;
  if (FAILED(VarBstrFromDate(date, LOCALE_USER_DEFAULT, 0, text.out())) || !text) return invalid;
  return std::wstring(text.get(), SysStringLen(text.get()));
}

}  // namespace brivane
