#include "ChildProcess.h"

#include <windows.h>

#include <sstream>

#include "support/Handles.h"

namespace brivane::bench {
namespace {

std::wstring ownPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, length);
}

std::map<std::string, double> parsePairs(const std::string& text) {
  std::map<std::string, double> pairs;
  std::istringstream lines(text);
  std::string name;
  double value = 0;
  while (lines >> name >> value) pairs[name] = value;
  return pairs;
}

}  // namespace

std::map<std::string, double> runChild(const std::wstring& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE reading = nullptr;
  HANDLE writing = nullptr;
  if (!CreatePipe(&reading, &writing, &inherit, 0)) return {};
  UniqueKernelObject readEnd(reading);
  UniqueKernelObject writeEnd(writing);
  SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writing;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring commandLine = L"\"" + ownPath() + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
    return {};
  UniqueKernelObject processHandle(process.hProcess);
  UniqueKernelObject threadHandle(process.hThread);
  writeEnd.reset();
  std::string output;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(reading, buffer, sizeof buffer, &read, nullptr) && read > 0) output.append(buffer, read);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  return exitCode == 0 ? parsePairs(output) : std::map<std::string, double>();
}

}  // namespace brivane::bench
