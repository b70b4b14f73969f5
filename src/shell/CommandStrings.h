#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace brivane {

// The text GetCommandString answers for a request type and a command offset; none for a type other
// than GCS_VERBW and GCS_HELPTEXTW. It does not depend on the menu that was built.
std::optional<std::wstring> commandString(UINT type, UINT_PTR offset);

// Copies as much of `text` as fits into a buffer of `size` characters and always terminates it there;
// a zero-size (or null) buffer gets nothing.
void copyTerminated(const std::wstring& text, wchar_t* buffer, UINT size);

}  // namespace brivane
