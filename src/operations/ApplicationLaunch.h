#pragma once
#include <windows.h>

#include <string>

namespace brivane {

constexpr wchar_t kApplicationFileName[] = L"Brivane_Application_Palisor_Against_Lib.exe";

// The application executable in the module folder, with one backslash between them.
std::wstring applicationPath(const std::wstring& moduleFolder);

// The command line the shell builds to run a program with parameters: the program's path in quotes, a
// blank, the parameters as they are.
std::wstring applicationCommandLine(const std::wstring& executable, const std::wstring& parameters);

// Starts the application, hidden, in the module folder, with the hand-off path as its whole parameter
// text (unquoted, as the application takes it). Does not wait. The host's current directory is never
// touched: Explorer's other threads resolve relative paths against it at any moment. ERROR_SUCCESS once
// started, otherwise the system's error.
DWORD launchApplication(const std::wstring& moduleFolder, const std::wstring& handOffPath);

}  // namespace brivane
