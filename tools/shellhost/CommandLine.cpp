#include "CommandLine.h"

#include <cerrno>
#include <cwchar>
#include <functional>

namespace brivane {
namespace {

// One option of a command: its name, whether a value follows it, and what it sets.
template <typename Options>
struct OptionRule {
  const wchar_t* name;
  bool takesValue;
  std::function<bool(Options&, const std::wstring&)> apply;  // false: the value is not acceptable
};

bool setNumber(UINT& field, const std::wstring& text) {
  std::optional<UINT> number = parseNumber(text);
  if (number) field = *number;
  return number.has_value();
}

bool keep(std::wstring& field, std::wstring value) {
  field = std::move(value);
  return true;
}

bool setFlag(bool& flag) {
  flag = true;
  return true;
}

bool setDialogAction(DialogAnswer& answer, DialogAction action, const std::wstring& value) {
  answer.action = action;
  answer.value = value;
  return true;
}

const std::vector<OptionRule<MenuOptions>>& menuRules() {
  static const std::vector<OptionRule<MenuOptions>> rules = {
      {L"--flags", true, [](MenuOptions& o, const std::wstring& v) { return setNumber(o.flags, v); }},
      {L"--first", true, [](MenuOptions& o, const std::wstring& v) { return setNumber(o.firstId, v); }},
      {L"--last", true, [](MenuOptions& o, const std::wstring& v) { return setNumber(o.lastId, v); }},
      {L"--invoke", true,
       [](MenuOptions& o, const std::wstring& v) {
         UINT offset = 0;
         if (!setNumber(offset, v)) return false;
         o.invoke = offset;
         return true;
       }},
      {L"--screenshot", true,
       [](MenuOptions& o, const std::wstring& v) { return keep(o.screenshot, absolutePath(v)); }},
      {L"--choose-folder", true,
       [](MenuOptions& o, const std::wstring& v) {
         return setDialogAction(o.dialog, DialogAction::ChooseFolder, absolutePath(v));
       }},
      {L"--save-name", true,
       [](MenuOptions& o, const std::wstring& v) { return setDialogAction(o.dialog, DialogAction::SaveName, v); }},
      {L"--cancel", false,
       [](MenuOptions& o, const std::wstring&) { return setDialogAction(o.dialog, DialogAction::Cancel, L""); }},
      {L"--dialog-screenshot", true,
       [](MenuOptions& o, const std::wstring& v) { return keep(o.dialog.screenshot, absolutePath(v)); }},
      {L"--report-dialog", false, [](MenuOptions& o, const std::wstring&) { return setFlag(o.dialog.report); }},
      {L"--no-ui", false, [](MenuOptions& o, const std::wstring&) { return setFlag(o.noUi); }},
  };
  return rules;
}

const std::vector<OptionRule<DropOptions>>& dropRules() {
  static const std::vector<OptionRule<DropOptions>> rules = {
      {L"--ctrl", false, [](DropOptions& o, const std::wstring&) { return setFlag(o.ctrl); }},
      {L"--abandoned", true,
       [](DropOptions& o, const std::wstring& v) {
         o.abandoned.push_back(absolutePath(v));
         return true;
       }},
  };
  return rules;
}

const std::vector<OptionRule<PropertiesOptions>>& propertiesRules() {
  static const std::vector<OptionRule<PropertiesOptions>> rules = {
      {L"--press-button", false, [](PropertiesOptions& o, const std::wstring&) { return setFlag(o.pressButton); }},
      {L"--screenshot", true,
       [](PropertiesOptions& o, const std::wstring& v) { return keep(o.screenshot, absolutePath(v)); }},
  };
  return rules;
}

bool isOption(const std::wstring& arg) { return arg.size() > 2 && arg.compare(0, 2, L"--") == 0; }

// Applies the options and collects the positional arguments (absolute paths) of one command.
template <typename Options>
bool parseArguments(const std::vector<std::wstring>& args, const std::vector<OptionRule<Options>>& rules,
                    Options& options, std::vector<std::wstring>& positional, std::wstring& error) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    if (!isOption(arg)) {
      positional.push_back(absolutePath(arg));
      continue;
    }
    const OptionRule<Options>* rule = nullptr;
    for (const auto& candidate : rules) {
      if (arg == candidate.name) rule = &candidate;
    }
    if (!rule) {
      error = L"unknown option " + arg;
      return false;
    }
    std::wstring value;
    if (rule->takesValue) {
      if (++i == args.size()) {
        error = arg + L" needs a value";
        return false;
      }
      value = args[i];
    }
    if (!rule->apply(options, value)) {
      error = L"bad value for " + arg + L": " + value;
      return false;
    }
  }
  return true;
}

ParsedCommandLine failure(const std::wstring& error) { return {std::nullopt, error}; }

ParsedCommandLine parseMenu(const std::vector<std::wstring>& args) {
  MenuOptions options;
  std::wstring error;
  if (!parseArguments(args, menuRules(), options, options.paths, error)) return failure(error);
  if (options.paths.empty()) return failure(L"menu needs at least one path");
  if (options.firstId == 0 || options.lastId < options.firstId) return failure(L"bad command identifier range");
  return {Command{std::move(options)}, {}};
}

ParsedCommandLine parseDrop(const std::vector<std::wstring>& args) {
  DropOptions options;
  std::vector<std::wstring> positional;
  std::wstring error;
  if (!parseArguments(args, dropRules(), options, positional, error)) return failure(error);
  if (positional.size() < 2) return failure(L"drop needs a target and at least one path");
  options.target = positional.front();
  options.paths.assign(positional.begin() + 1, positional.end());
  return {Command{std::move(options)}, {}};
}

ParsedCommandLine parseProperties(const std::vector<std::wstring>& args) {
  PropertiesOptions options;
  std::vector<std::wstring> positional;
  std::wstring error;
  if (!parseArguments(args, propertiesRules(), options, positional, error)) return failure(error);
  if (positional.size() != 1) return failure(L"properties needs exactly one path");
  options.path = positional.front();
  return {Command{std::move(options)}, {}};
}

struct CommandRule {
  const wchar_t* name;
  ParsedCommandLine (*parse)(const std::vector<std::wstring>&);
};

const CommandRule kCommands[] = {
    {L"menu", parseMenu},
    {L"drop", parseDrop},
    {L"properties", parseProperties},
};

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::wstring>& args) {
  if (args.empty()) return failure(L"no command given");
  for (const CommandRule& rule : kCommands) {
    if (args.front() == rule.name) return rule.parse(args);
  }
  return failure(L"unknown command " + args.front());
}

std::optional<UINT> parseNumber(const std::wstring& text) {
  if (text.empty() || text.front() == L'-' || text.front() == L'+' || iswspace(text.front())) return std::nullopt;
  const bool hex = text.size() > 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X');
  wchar_t* end = nullptr;
  errno = 0;
  unsigned long long value = std::wcstoull(text.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
  if (errno != 0 || *end != L'\0' || end == text.c_str() + (hex ? 2 : 0) || value > 0xFFFFFFFFull) {
    return std::nullopt;
  }
  return static_cast<UINT>(value);
}

std::wstring absolutePath(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  DWORD written = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (written == 0 || written >= size) return path;
  full.resize(written);
  return full;
}

const wchar_t* usageText() {
  return L"usage: shellhost menu PATH... [--flags F] [--first ID] [--last ID] [--invoke N] [--screenshot FILE.png]\n"
         L"                 [--choose-folder PATH | --save-name NAME | --cancel] [--dialog-screenshot FILE.png]"
         L" [--report-dialog]\n"
         L"       shellhost drop TARGET PATH... [--ctrl] [--abandoned PATH]...\n"
         L"       shellhost properties PATH [--press-button] [--screenshot FILE.png]\n"
         L"menu defaults: --flags 0x14 (CMF_EXPLORE | CMF_CANRENAME) --first 1 --last 0x7FFF\n";
}

}  // namespace brivane
