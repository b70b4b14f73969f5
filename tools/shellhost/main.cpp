#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"
#include "support/OleSession.h"
#include "support/ProcessArguments.h"

namespace brivane {
namespace {

struct Dispatch {
  Output& out;
  int operator()(const MenuOptions& options) const { return runMenu(options, out); }
  int operator()(const DropOptions& options) const { return runDrop(options, out); }
  int operator()(const PropertiesOptions& options) const { return runProperties(options, out); }
};

int run() {
  ParsedCommandLine parsed = parseCommandLine(processArguments());
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
