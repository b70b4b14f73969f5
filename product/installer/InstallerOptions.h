#pragma once
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace brivane {

struct InstallOptions {
  std::wstring moduleFolder;
  std::wstring tempFolder;
  std::wstring extension;     // the extension DLL, registered through its own DllRegisterServer
  std::wstring journalFile;   // empty: journal.txt in the temporary folder
  std::wstring sourceFolder;  // where the core library and the application are taken from when copied
};

struct UninstallOptions {
  std::wstring extension;
};

using InstallerCommand = std::variant<InstallOptions, UninstallOptions>;

struct ParsedInstallerCommandLine {
  std::optional<InstallerCommand> command;
  std::wstring error;
};

// "install --module-folder DIR --temp-folder DIR --extension DLL [--journal FILE] [--from DIR]" or
// "uninstall --extension DLL"; relative paths become absolute. defaultSource is the folder the
// product's files come from without --from.
ParsedInstallerCommandLine parseInstallerCommandLine(const std::vector<std::wstring>& args,
                                                     const std::wstring& defaultSource);

const wchar_t* installerUsage();

}  // namespace brivane
