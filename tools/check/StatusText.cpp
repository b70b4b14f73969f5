#include "StatusText.h"

namespace brivane {

std::wstring statusText(Status status) {
  switch (status) {
    case STATUS_CORE_UNAVAILABLE:
      return L"status -99915, core library unavailable";
    case STATUS_LABEL_EMPTY:
      return L"status -99930, the text is empty";
    default:
      return L"status " + std::to_wstring(status) + L" from the core library";
  }
}

}  // namespace brivane
