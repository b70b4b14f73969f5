#include <ole2.h>
#include <shellapi.h>
#include <windows.h>

#include <string>
#include <vector>

#include "CheckCommandLine.h"
#include "CheckReport.h"
#include "ExtensionCheck.h"
#include "HandOffCheck.h"
#include "Output.h"
#include "ProductCheck.h"
#include "RecentListCheck.h"
#include "RegistrationCheck.h"
#include "RightClickCheck.h"

namespace brivane {
namespace {

constexpr int kExitHealthy = 0;
constexpr int kExitBroken = 1;
constexpr int kExitUsage = 2;

std::vector<std::wstring> arguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; argv && i < count; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}

// OLE for the main thread: an apartment thread, as Explorer's window threads are.
class OleSession {
 public:
  OleSession() : hr_(OleInitialize(nullptr)) {}
  ~OleSession() {
    if (SUCCEEDED(hr_)) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  HRESULT hr_;
};

// In the order Explorer and the extension go through them.
CheckReport checkChain(const CheckOptions& options) {
  OleSession ole;
  CheckReport report;
  checkRegistration(report);
  checkExtension(report);
  checkProduct(report);
  checkHandOff(report);
  checkRecentList(report);
  if (!options.paths.empty()) checkRightClick(report, options.paths, options.firstId, options.lastId);
  return report;
}

int run() {
  const ParsedCheckCommandLine parsed = parseCheckCommandLine(arguments());
  if (!parsed.options) {
    writeStandardError(L"brivane-check: " + parsed.error + L"\n" + checkUsage() + L"\n");
    return kExitUsage;
  }
  Output out;
  if (parsed.options->help) {
    out.line(checkUsage());
    return kExitHealthy;
  }
  const CheckReport report = checkChain(*parsed.options);
  const int exitCode = report.allPassed() ? kExitHealthy : kExitBroken;
  if (parsed.options->json) {
    out.line(jsonReport(report, exitCode));
  } else {
    for (const std::wstring& line : humanReport(report)) out.line(line);
  }
  return exitCode;
}

}  // namespace
}  // namespace brivane

int main() { return brivane::run(); }
