#include "operations/HandOffFile.h"

#include <windows.h>

#include <climits>
#include <cwchar>

#include "support/Handles.h"

namespace brivane {
namespace {

enum class CreateResult { Created, NameTaken, Failed };

bool writeBlock(HANDLE file, std::string_view block) {
  if (block.size() > ULONG_MAX) return false;
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(block.size());
  return WriteFile(file, block.data(), size, &written, nullptr) && written == size;
}

CreateResult createWith(const std::wstring& path, const ContentWriter& content) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? CreateResult::NameTaken
                                                                       : CreateResult::Failed;
  }
  const bool written = content([&file](std::string_view block) { return writeBlock(file.get(), block); });
  const bool closed = CloseHandle(file.release()) != FALSE;
  if (written && closed) return CreateResult::Created;
  // Nobody has been told of this file yet, so a partial one is removed rather than left to be read.
  DeleteFileW(path.c_str());
  return CreateResult::Failed;
}

}  // namespace

std::wstring handOffFileName(std::uint32_t number) {
  wchar_t name[32];
  std::swprintf(name, sizeof name / sizeof name[0], L"\\qel_%.10u.psa", static_cast<unsigned>(number));
  return name;
}

std::wstring writeHandOffFile(const std::wstring& folder, const ContentWriter& content,
                              const std::function<std::uint32_t()>& drawNumber) {
  for (int attempt = 0; attempt < kHandOffNameAttempts; ++attempt) {
    std::wstring path = folder + handOffFileName(drawNumber());
    switch (createWith(path, content)) {
      case CreateResult::Created:
        return path;
      case CreateResult::NameTaken:
        continue;
      case CreateResult::Failed:
        return {};
    }
  }
  return {};
}

}  // namespace brivane
