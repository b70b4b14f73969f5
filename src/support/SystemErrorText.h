#pragma once
#include <windows.h>

#include <string>

namespace brivane {

// The system's own sentence for an error code, in the user's language, as one line; "error N" when the
// system has none.
std::wstring systemErrorText(DWORD error);

}  // namespace brivane
