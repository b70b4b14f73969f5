#include "operations/HandOffFile.h"

#include <climits>
#include <cwchar>
#include <utility>

#include "support/EnsureFolder.h"
#include "support/Handles.h"

namespace brivane {
namespace {

// A file this hand-off created and nobody has been told of yet: removed when it goes out of scope
// unfinished, however the writing ended, so a partial request is never left to be read.
class NewFile {
 public:
  NewFile(std::wstring path, UniqueFile handle) : path_(std::move(path)), handle_(std::move(handle)) {}
  NewFile(const NewFile&) = delete;
  NewFile& operator=(const NewFile&) = delete;
  ~NewFile() {
    handle_.reset();
    if (!finished_) DeleteFileW(path_.c_str());
  }

  HANDLE get() const { return handle_.get(); }
  // Closes the file; it stays only when that succeeds.
  bool finish() {
    finished_ = CloseHandle(handle_.release()) != FALSE;
    return finished_;
  }

 private:
  std::wstring path_;
  UniqueFile handle_;
  bool finished_ = false;
};

bool writeBlock(HANDLE file, std::string_view block) {
  if (block.size() > ULONG_MAX) {
    SetLastError(ERROR_ARITHMETIC_OVERFLOW);
    return false;
  }
  DWORD written = 0;
  const DWORD size = static_cast<DWORD>(block.size());
  if (!WriteFile(file, block.data(), size, &written, nullptr)) return false;
  if (written != size) SetLastError(ERROR_HANDLE_DISK_FULL);
  return written == size;
}

// ERROR_SUCCESS, ERROR_FILE_EXISTS when the name is taken, or the error that stopped the writing.
DWORD createWith(const std::wstring& path, const ContentWriter& content) {
  UniqueFile handle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) {
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error;
  }
  NewFile file(path, std::move(handle));
  DWORD error = ERROR_SUCCESS;
  const bool written = content([&](std::string_view block) {
    if (writeBlock(file.get(), block)) return true;
    error = GetLastError();
    return false;
  });
  if (!written) return error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT;
  return file.finish() ? ERROR_SUCCESS : GetLastError();
}

}  // namespace

std::wstring handOffFileName(std::uint32_t number) {
  wchar_t name[32];
  std::swprintf(name, sizeof name / sizeof name[0], L"\\qel_%.10u.psa", static_cast<unsigned>(number));
  return name;
}

HandOffWrite writeHandOffFile(const std::wstring& folder, const ContentWriter& content,
                              const std::function<std::uint32_t()>& drawNumber) {
  if (const DWORD error = ensureFolder(folder); error != ERROR_SUCCESS) return {{}, error};
  for (int attempt = 0; attempt < kHandOffNameAttempts; ++attempt) {
    std::wstring path = folder + handOffFileName(drawNumber());
    const DWORD error = createWith(path, content);
    if (error == ERROR_SUCCESS) return {std::move(path), ERROR_SUCCESS};
    if (error != ERROR_FILE_EXISTS) return {{}, error};
  }
  return {{}, ERROR_FILE_EXISTS};
}

}  // namespace brivane
