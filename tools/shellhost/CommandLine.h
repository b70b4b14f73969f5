#pragma once
#include <string>
#include <vector>

#include "Options.h"

namespace brivane {

struct ParsedCommandLine {
  std::optional<Command> command;
  std::wstring error;  // set when command is empty
};

// Parses the arguments after the program name: "menu", "drop" or "properties" and their options.
// Relative paths become absolute.
ParsedCommandLine parseCommandLine(const std::vector<std::wstring>& args);

// Decimal or 0x-prefixed hexadecimal, the whole text; nothing for anything else.
std::optional<UINT> parseNumber(const std::wstring& text);

std::wstring absolutePath(const std::wstring& path);

const wchar_t* usageText();

}  // namespace brivane
