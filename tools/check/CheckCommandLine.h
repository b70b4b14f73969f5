#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace brivane {

struct CheckOptions {
  bool json = false;
  bool help = false;
  // The command identifiers a right-click grants, Explorer's usual range unless given.
  UINT firstId = 1;
  UINT lastId = 0x7FFF;
  std::vector<std::wstring> paths;  // absolute; a right-click on them is rehearsed when not empty
};

struct ParsedCheckCommandLine {
  std::optional<CheckOptions> options;
  std::wstring error;  // set when options is empty
};

// "[--json] [--first-id N] [--last-id N] [PATH...]"; "--" ends the options.
ParsedCheckCommandLine parseCheckCommandLine(const std::vector<std::wstring>& args);

const wchar_t* checkUsage();

}  // namespace brivane
