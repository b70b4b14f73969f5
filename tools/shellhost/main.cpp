#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"

namespace brivane {
namespace {

std::vector<std::wstring> arguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; argv && i < count; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

// OLE for the process's main thread (an apartment thread, as Explorer's window threads are).
class OleSession {
 public:
  OleSession() : hr_(OleInitialize(nullptr)) {}
  ~OleSession() {
    if (SUCCEEDED(hr_)) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  HRESULT result() const { return hr_; }

 private:
  HRESULT hr_;
};

struct Dispatch {
  Output& out;
  int operator()(const MenuOptions& options) const { return runMenu(options, out); }
  int operator()(const DropOptions& options) const { return runDrop(options, out); }
  int operator()(const PropertiesOptions& options) const { return runProperties(options, out); }
};

int run() {
  ParsedCommandLine parsed = parseCommandLine(arguments());
  if (!parsed.command) {
    reportError(parsed.error);
    writeStandardError(usageText());
    return kExitUsage;
  }
  OleSession ole;
  if (FAILED(ole.result())) return fail(L"OLE cannot be initialised", ole.result());
  Output out;
  return std::visit(Dispatch{out}, *parsed.command);
}

}  // namespace
}  // namespace brivane

int main() { return brivane::run(); }
