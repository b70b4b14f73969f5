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
#include "SignatureCheck.h"
#include "X86Check.h"
#include "support/OleSession.h"
#include "support/ProcessArguments.h"

namespace brivane {
namespace {

constexpr int kExitHealthy = 0;
constexpr int kExitBroken = 1;
constexpr int kExitUsage = 2;

// In the order Explorer and the extension go through them.
CheckReport checkChain(const CheckOptions& options) {
  OleSession ole;
  CheckReport report;
  checkRegistration(report);
  checkX86Extension(report);
  checkExtension(report);
  checkProduct(report);
  checkHandOff(report);
  checkRecentList(report);
  checkSignatures(report);
  if (!options.paths.empty()) checkRightClick(report, options.paths, options.firstId, options.lastId);
  return report;
}

int run() {
  const ParsedCheckCommandLine parsed = parseCheckCommandLine(processArguments());
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
