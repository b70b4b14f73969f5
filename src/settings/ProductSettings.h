#pragma once
#include <string>

// The product's settings under Software\<product key>: where it is installed and where hand-offs go.
namespace brivane {

// "ModuleFolder" under HKEY_LOCAL_MACHINE.
bool readModuleFolder(const std::wstring& productKeyName, std::wstring& out);
// The core library's file in the module folder.
bool coreLibraryPath(const std::wstring& productKeyName, std::wstring& out);
// "TempFolder" of the user, else of the machine, else the user's local settings folder with "Temp"
// appended: "Local Settings" (Windows XP), "Local AppData" (its name since Vista, so the user's own
// temporary folder), then the roaming "AppData".
bool readTempFolder(const std::wstring& productKeyName, std::wstring& out);

// The setting that gives the temporary folder, in the order they are tried.
enum class TempFolderSource { None, UserTempFolder, MachineTempFolder, LocalSettings, LocalAppData, AppData };

// readTempFolder, also telling which setting answered (None: `out` unchanged).
TempFolderSource readTempFolderFrom(const std::wstring& productKeyName, std::wstring& out);

}  // namespace brivane
