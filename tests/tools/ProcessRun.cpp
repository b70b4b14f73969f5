#include "ProcessRun.h"

#include <algorithm>

#include "support/Handles.h"

namespace brivane::testing {
namespace {

constexpr DWORD kTimeoutMs = 120000;

// The quoting that CommandLineToArgvW undoes: backslashes before a quote are doubled. A word that needs no
// quotes goes bare, as people type switches: some programs (Wine 10's msiexec) refuse a quoted "/i".
std::wstring quotedArgument(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

std::vector<std::wstring> utf8Lines(const std::string& bytes) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::wstring wide(line.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    lines.push_back(wide);
    start = end + 1;
  }
  return lines;
}

// Moves what a pipe holds into bytes without waiting for more.
void drain(HANDLE pipe, std::string& bytes) {
  char buffer[4096];
  DWORD available = 0;
  while (PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    DWORD read = 0;
    if (!ReadFile(pipe, buffer, std::min<DWORD>(available, sizeof buffer), &read, nullptr) || read == 0) return;
    bytes.append(buffer, read);
  }
}

bool makePipe(UniqueKernelObject& readEnd, UniqueKernelObject& writeEnd) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE r = nullptr, w = nullptr;
  if (!CreatePipe(&r, &w, &inherit, 0)) return false;
  readEnd.reset(r);
  writeEnd.reset(w);
  return SetHandleInformation(r, HANDLE_FLAG_INHERIT, 0) != 0;
}

}  // namespace

ProcessResult runProcess(const std::wstring& program, const std::vector<std::wstring>& args) {
  ProcessResult result;
  UniqueKernelObject outRead, outWrite, errRead, errWrite;
  if (!makePipe(outRead, outWrite) || !makePipe(errRead, errWrite)) return result;
  std::wstring commandLine = quotedArgument(program);
  for (const std::wstring& arg : args) commandLine += L" " + quotedArgument(arg);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = outWrite.get();
  startup.hStdError = errWrite.get();
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return result;
  }
  UniqueKernelObject processHandle(process.hProcess), threadHandle(process.hThread);
  outWrite.reset();
  errWrite.reset();
  // The pipes are read until the process ends, not until they close: a Wine service process that the
  // program starts (the desktop's explorer) inherits their write ends and outlives the program.
  std::string outBytes, errBytes;
  const ULONGLONG deadline = GetTickCount64() + kTimeoutMs;
  while (WaitForSingleObject(processHandle.get(), 10) == WAIT_TIMEOUT) {
    drain(outRead.get(), outBytes);
    drain(errRead.get(), errBytes);
    if (GetTickCount64() > deadline) TerminateProcess(processHandle.get(), 99);
  }
  drain(outRead.get(), outBytes);
  drain(errRead.get(), errBytes);
  GetExitCodeProcess(processHandle.get(), &result.exitCode);
  result.out = utf8Lines(outBytes);
  result.err = utf8Lines(errBytes);
  return result;
}

ProcessResult runShellhost(const std::vector<std::wstring>& args) {
  return runProcess(std::wstring(BRIVANE_BIN_DIR) + L"\\shellhost.exe", args);
}

}  // namespace brivane::testing
