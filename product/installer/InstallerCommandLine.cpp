#include <windows.h>

#include "InstallerOptions.h"

namespace brivane {
namespace {

// One option with a value and the field it fills.
template <typename Options>
struct ValueOption {
  const wchar_t* name;
  std::wstring Options::*field;
  bool required;
};

const ValueOption<InstallOptions> kInstallOptions[] = {
    {L"--module-folder", &InstallOptions::moduleFolder, true},
    {L"--temp-folder", &InstallOptions::tempFolder, true},
    {L"--extension", &InstallOptions::extension, true},
    {L"--journal", &InstallOptions::journalFile, false},
    {L"--from", &InstallOptions::sourceFolder, false},
};

const ValueOption<UninstallOptions> kUninstallOptions[] = {
    {L"--extension", &UninstallOptions::extension, true},
};

std::wstring absolute(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  DWORD written = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (written == 0 || written >= size) return path;
  full.resize(written);
  return full;
}

template <typename Options, size_t N>
bool parseOptions(const std::vector<std::wstring>& args, const ValueOption<Options> (&rules)[N], Options& options,
                  std::wstring& error) {
  for (size_t i = 1; i < args.size(); i += 2) {
    const ValueOption<Options>* rule = nullptr;
    for (const auto& candidate : rules) {
      if (args[i] == candidate.name) rule = &candidate;
    }
    if (!rule) {
      error = L"unknown argument " + args[i];
      return false;
    }
    if (i + 1 == args.size() || args[i + 1].empty()) {
      error = args[i] + L" needs a value";
      return false;
    }
    options.*(rule->field) = absolute(args[i + 1]);
  }
  for (const auto& rule : rules) {
    if (rule.required && (options.*(rule.field)).empty()) {
      error = std::wstring(rule.name) + L" is required";
      return false;
    }
  }
  return true;
}

template <typename Options, size_t N>
ParsedInstallerCommandLine parseCommand(const std::vector<std::wstring>& args, const ValueOption<Options> (&rules)[N],
                                        Options options) {
  std::wstring error;
  if (!parseOptions(args, rules, options, error)) return {std::nullopt, error};
  return {InstallerCommand{std::move(options)}, {}};
}

}  // namespace

ParsedInstallerCommandLine parseInstallerCommandLine(const std::vector<std::wstring>& args,
                                                     const std::wstring& defaultSource) {
  if (args.empty()) return {std::nullopt, L"no command given"};
  if (args.front() == L"install") {
    InstallOptions options;
    options.sourceFolder = defaultSource;
    return parseCommand(args, kInstallOptions, std::move(options));
  }
  if (args.front() == L"uninstall") return parseCommand(args, kUninstallOptions, UninstallOptions{});
  return {std::nullopt, L"unknown command " + args.front()};
}

const wchar_t* installerUsage() {
  return L"usage: brivane-install install --module-folder DIR --temp-folder DIR --extension DLL"
         L" [--journal FILE] [--from DIR]\n"
         L"       brivane-install uninstall --extension DLL\n";
}

}  // namespace brivane
