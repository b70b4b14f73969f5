#include "application/CommandLine.h"

namespace brivane::application {
namespace {

bool isBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Where the program name ends: at the first blank outside quotes (a program name has no escapes).
std::size_t programNameEnd(const std::wstring& commandLine) {
  bool quoted = false;
  std::size_t end = 0;
  for (; end < commandLine.size() && (quoted || !isBlank(commandLine[end])); ++end)
    if (commandLine[end] == L'"') quoted = !quoted;
  return end;
}

}  // namespace

std::wstring parameterText(const std::wstring& commandLine) {
  std::size_t start = programNameEnd(commandLine);
  while (start < commandLine.size() && isBlank(commandLine[start])) ++start;
  return commandLine.substr(start);
}

}  // namespace brivane::application
