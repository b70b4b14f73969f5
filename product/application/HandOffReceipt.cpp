#include "application/HandOffReceipt.h"

#include <windows.h>

#include "application/CommandLine.h"
#include "application/ProtocolTextReader.h"
#include "protocol/CodePage.h"
#include "support/Handles.h"

namespace brivane::application {
namespace {

// Requests are small; anything larger is not one, and reading it whole would only waste memory.
constexpr LONGLONG kLargestHandOff = 64LL * 1024 * 1024;

// Nothing else runs in this process, so the directory cannot change between the two calls.
std::wstring currentDirectory() {
  std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
  const DWORD length = folder.empty() ? 0 : GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
  folder.resize(length < folder.size() ? length : 0);
  return folder;
}

struct ShowCommandName {
  WORD command;
  const wchar_t* name;
};
constexpr ShowCommandName kShowCommandNames[] = {{SW_HIDE, L"hidden"}, {SW_SHOWNORMAL, L"normal"}};

std::wstring showCommandAtStart() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  if ((startup.dwFlags & STARTF_USESHOWWINDOW) == 0) return L"not given";
  for (const ShowCommandName& entry : kShowCommandNames)
    if (entry.command == startup.wShowWindow) return entry.name;
  return std::to_wstring(startup.wShowWindow);
}

bool isMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME;
}

HandOffFileState readBytes(const std::wstring& path, std::string& bytes) {
  if (path.empty() || path.find(L'\0') != std::wstring::npos) return HandOffFileState::Missing;
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return isMissing(GetLastError()) ? HandOffFileState::Missing : HandOffFileState::Unreadable;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestHandOff) return HandOffFileState::Unreadable;
  bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                         read != bytes.size()))
    return HandOffFileState::Unreadable;
  return HandOffFileState::Read;
}

// Strict UTF-8: false when the bytes hold an invalid sequence.
bool decodeUtf8(const std::string& bytes, std::wstring& text) {
  text.clear();
  if (bytes.empty()) return true;
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (size <= 0) return false;
  text.assign(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(), length, text.data(), size);
  return true;
}

}  // namespace

Receipt receiveHandOff(const std::wstring& commandLine) {
  Receipt receipt;
  receipt.commandLine = commandLine;
  receipt.parameters = parameterText(commandLine);
  receipt.workingFolder = currentDirectory();
  receipt.show = showCommandAtStart();
  std::string bytes;
  receipt.file = readBytes(receipt.parameters, bytes);
  if (receipt.file != HandOffFileState::Read) return receipt;
  const bool validUtf8 = decodeUtf8(bytes, receipt.document);
  if (!validUtf8) receipt.document = fromCodePage(bytes, CP_UTF8);
  const TextCheck check = checkProtocolText(receipt.document);
  receipt.wellFormed = validUtf8 && check.wellFormed;
  receipt.request = check.rootName;
  return receipt;
}

}  // namespace brivane::application
