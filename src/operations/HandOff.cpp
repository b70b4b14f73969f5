#include "operations/HandOff.h"

#include "operations/ApplicationLaunch.h"
#include "operations/HandOffFile.h"
#include "operations/RandomBytes.h"
#include "protocol/ProtocolText.h"
#include "settings/ProductSettings.h"

namespace brivane {
namespace {

std::uint32_t drawNumber() {
  std::uint8_t bytes[4] = {};
  randomBytes(bytes, sizeof bytes);
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

bool readFolderSetting(bool (*read)(const std::wstring&, std::wstring&), std::wstring& folder) {
  return read(kHandOffProductKey, folder) && !folder.empty();
}

Status failed(const FailureNotice& notice, DWORD error, const std::wstring& place) {
  showHandOffFailure(notice, error, place);
  return handOffFailure(error);
}

}  // namespace

Status handOffRequest(ProtocolNode& request, const FailureNotice& notice) {
  std::wstring moduleFolder;
  if (!readFolderSetting(readModuleFolder, moduleFolder)) return STATUS_PRODUCT_SETTINGS_MISSING;
  std::wstring tempFolder;
  if (!readFolderSetting(readTempFolder, tempFolder)) return failed(notice, ERROR_PATH_NOT_FOUND, {});
  const auto render = [&request](const BlockWrite& write) { return renderUtf8(request, write); };
  const HandOffWrite written = writeHandOffFile(tempFolder, render, drawNumber);
  if (written.error != ERROR_SUCCESS) return failed(notice, written.error, tempFolder);
  if (const DWORD error = launchApplication(moduleFolder, written.path); error != ERROR_SUCCESS) {
    // Nobody will read the file, and it names the user's files.
    DeleteFileW(written.path.c_str());
    return failed(notice, error, applicationPath(moduleFolder));
  }
  return STATUS_OK;
}

}  // namespace brivane
