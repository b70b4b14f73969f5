#include "HandOffCheck.h"

#include <windows.h>

#include "CheckLinks.h"
#include "operations/ApplicationLaunch.h"
#include "operations/HandOff.h"
#include "settings/ProductSettings.h"
#include "support/EnsureFolder.h"
#include "support/Handles.h"
#include "support/Paths.h"
#include "support/SystemErrorText.h"

namespace brivane {
namespace {

struct SourceName {
  TempFolderSource source;
  const wchar_t* text;
};

const SourceName kSourceNames[] = {
    {TempFolderSource::UserTempFolder, L"HKCU\\Software\\Brivane\\TempFolder"},
    {TempFolderSource::MachineTempFolder, L"HKLM\\Software\\Brivane\\TempFolder"},
    {TempFolderSource::LocalSettings, L"the user's Local Settings folder"},
    {TempFolderSource::LocalAppData, L"the user's Local AppData folder"},
    {TempFolderSource::AppData, L"the user's AppData folder"},
};

std::wstring sourceName(TempFolderSource source) {
  for (const SourceName& entry : kSourceNames)
    if (entry.source == source) return entry.text;
  return L"no setting";
}

// Never a machine-wide value: one folder that every user can write lets one user read or plant another's
// hand-offs.
constexpr wchar_t kSetUserTempFolder[] =
    L"repair the user's shell folders, or set HKCU\\Software\\Brivane\\TempFolder (REG_SZ) to a folder only "
    L"this user can write to";
constexpr wchar_t kSharedWarning[] =
    L"warning: HKLM\\Software\\Brivane\\TempFolder is shared by every user of this machine; remove it, and each "
    L"user's hand-offs go to a folder of their own";

std::wstring fixAction(TempFolderSource source) {
  const bool value = source == TempFolderSource::UserTempFolder || source == TempFolderSource::MachineTempFolder;
  return value ? L"correct or remove " + sourceName(source) : std::wstring(kSetUserTempFolder);
}

// The one write of the check: a file created where hand-off files go and deleted again when closed.
DWORD writeTestFile(const std::wstring& folder) {
  const std::wstring path = folder + L"\\brivane-check-" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  if (!file) return GetLastError();
  DWORD written = 0;
  return WriteFile(file.get(), "check", 5, &written, nullptr) && written == 5 ? ERROR_SUCCESS : GetLastError();
}

Finding tempFolder() {
  std::wstring folder;
  const TempFolderSource source = readTempFolderFrom(kHandOffProductKey, folder);
  if (source == TempFolderSource::None || folder.empty())
    return Finding::fail(kTempFolderLink, L"no setting names a temporary folder for hand-off files", kSetUserTempFolder);
  const std::wstring where = folder + L" (from " + sourceName(source) + L")";
  // The extension makes a missing folder at its first hand-off; the check does what it would do.
  const bool existed = isExistingFolder(folder);
  if (const DWORD error = ensureFolder(folder); error != ERROR_SUCCESS)
    return Finding::fail(kTempFolderLink, where + L" does not exist and cannot be created: " + systemErrorText(error),
                         fixAction(source));
  if (const DWORD error = writeTestFile(folder); error != ERROR_SUCCESS)
    return Finding::fail(kTempFolderLink, L"no file can be created in " + where + L": " + systemErrorText(error),
                         L"give the user write access to that folder, or " + fixAction(source));
  Finding found = Finding::ok(kTempFolderLink, where + (existed ? L"" : L", created now,") + L" takes hand-off files");
  if (source == TempFolderSource::MachineTempFolder) found.details.push_back(kSharedWarning);
  return found;
}

Finding application() {
  std::wstring moduleFolder;
  readModuleFolder(kHandOffProductKey, moduleFolder);
  const std::wstring path = applicationPath(moduleFolder);
  if (!isExistingFile(path))
    return Finding::fail(kApplicationLink, path + L" does not exist", L"repair the product's installation");
  return Finding::ok(kApplicationLink, path + L" exists");
}

}  // namespace

void checkHandOff(CheckReport& report) {
  report.add(tempFolder());
  report.addChecked(kApplicationLink, {kModuleFolderLink}, application);
}

}  // namespace brivane
