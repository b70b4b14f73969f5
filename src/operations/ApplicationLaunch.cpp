#include "operations/ApplicationLaunch.h"

#include <windows.h>

#include "support/Handles.h"
#include "support/Paths.h"

namespace brivane {

std::wstring applicationPath(const std::wstring& moduleFolder) {
  return withTrailingBackslash(moduleFolder) + kApplicationFileName;
}

std::wstring applicationCommandLine(const std::wstring& executable, const std::wstring& parameters) {
  return L"\"" + executable + L"\" " + parameters;
}

DWORD launchApplication(const std::wstring& moduleFolder, const std::wstring& handOffPath) {
  const std::wstring executable = applicationPath(moduleFolder);
  std::wstring commandLine = applicationCommandLine(executable, handOffPath);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      moduleFolder.c_str(), &startup, &started))
    return GetLastError();
  UniqueKernelObject process(started.hProcess);
  UniqueKernelObject thread(started.hThread);
  return ERROR_SUCCESS;
}

}  // namespace brivane
