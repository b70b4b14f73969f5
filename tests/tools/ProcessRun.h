#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brivane::testing {

struct ProcessResult {
  DWORD exitCode = 0xFFFFFFFF;
  std::vector<std::wstring> out;  // standard output, one entry per line, decoded from UTF-8
  std::vector<std::wstring> err;
};

// Runs a program with arguments (each quoted for the command line) and waits for it, capturing its
// standard output and error.
ProcessResult runProcess(const std::wstring& program, const std::vector<std::wstring>& args);

// shellhost.exe of this build.
ProcessResult runShellhost(const std::vector<std::wstring>& args);

}  // namespace brivane::testing
