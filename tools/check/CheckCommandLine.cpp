#include "CheckCommandLine.h"

#include "CommandLine.h"

namespace brivane {
namespace {

bool takeNumber(const std::vector<std::wstring>& args, std::size_t& i, UINT& field, std::wstring& error) {
  std::optional<UINT> number = i + 1 < args.size() ? parseNumber(args[i + 1]) : std::nullopt;
  if (!number) {
    error = args[i] + L" needs a number";
    return false;
  }
  field = *number;
  ++i;
  return true;
}

bool takeOption(const std::vector<std::wstring>& args, std::size_t& i, CheckOptions& options, std::wstring& error) {
  const std::wstring& arg = args[i];
  if (arg == L"--json") {
    options.json = true;
  } else if (arg == L"--help" || arg == L"-h" || arg == L"/?") {
    options.help = true;
  } else if (arg == L"--first-id") {
    return takeNumber(args, i, options.firstId, error);
  } else if (arg == L"--last-id") {
    return takeNumber(args, i, options.lastId, error);
  } else {
    error = L"unknown option " + arg;
    return false;
  }
  return true;
}

bool isOption(const std::wstring& arg) { return (arg.size() > 1 && arg[0] == L'-') || arg == L"/?"; }

}  // namespace

ParsedCheckCommandLine parseCheckCommandLine(const std::vector<std::wstring>& args) {
  CheckOptions options;
  std::wstring error;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!optionsEnded && args[i] == L"--") {
      optionsEnded = true;
    } else if (!optionsEnded && isOption(args[i])) {
      if (!takeOption(args, i, options, error)) return {std::nullopt, error};
    } else if (args[i].empty()) {
      return {std::nullopt, L"an empty path"};
    } else {
      options.paths.push_back(absolutePath(args[i]));
    }
  }
  if (options.firstId > options.lastId) return {std::nullopt, L"--first-id is above --last-id"};
  return {options, {}};
}

const wchar_t* checkUsage() {
  return L"usage: brivane-check [--json] [--first-id N] [--last-id N] [PATH...]\n"
         L"Checks, link by link, what the product's Explorer menu needs and says what to do about a broken link.\n"
         L"With PATHs, rehearses a right-click on those items through the installed extension.\n"
         L"Exit status: 0 when every link works, 1 when one does not, 2 for bad usage.";
}

}  // namespace brivane
