#include "operations/HandOff.h"

#include <windows.h>

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

}  // namespace

Status handOffRequest(ProtocolNode& request) {
  std::wstring moduleFolder;
  std::wstring tempFolder;
  if (!readFolderSetting(readModuleFolder, moduleFolder) || !readFolderSetting(readTempFolder, tempFolder))
    return STATUS_PRODUCT_SETTINGS_MISSING;
  const auto render = [&request](const BlockWrite& write) { return renderUtf8(request, write); };
  const std::wstring handOffPath = writeHandOffFile(tempFolder, render, drawNumber);
  if (!handOffPath.empty()) launchApplication(moduleFolder, handOffPath);
  return STATUS_OK;
}

}  // namespace brivane
