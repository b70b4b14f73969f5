#pragma once
#include <string>

namespace brivane {

constexpr wchar_t kApplicationFileName[] = L"Brivane_Application_Palisor_Against_Lib.exe";

// The application executable in the module folder, with one backslash between them.
std::wstring applicationPath(const std::wstring& moduleFolder);

// Starts the application, hidden, with the hand-off path as its whole parameter text (unquoted, as the
// application takes it), the module folder being the current directory meanwhile. Does not wait.
void launchApplication(const std::wstring& moduleFolder, const std::wstring& handOffPath);

}  // namespace brivane
