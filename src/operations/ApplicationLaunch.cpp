#include "operations/ApplicationLaunch.h"

#include <windows.h>
#include <shellapi.h>

#include <mutex>

#include "operations/CurrentDirectory.h"
#include "operations/ProcessLock.h"

namespace brivane {

std::wstring applicationPath(const std::wstring& moduleFolder) {
  std::wstring path = moduleFolder;
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path + kApplicationFileName;
}

void launchApplication(const std::wstring& moduleFolder, const std::wstring& handOffPath) {
  const std::wstring executable = applicationPath(moduleFolder);
  std::lock_guard<std::mutex> guard(processStateLock());
  CurrentDirectoryScope workingFolder(moduleFolder);
  ShellExecuteW(nullptr, nullptr, executable.c_str(), handOffPath.c_str(), nullptr, SW_HIDE);
}

}  // namespace brivane
