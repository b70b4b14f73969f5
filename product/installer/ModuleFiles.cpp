#include "ModuleFiles.h"

#include <windows.h>
#include <shlobj.h>

#include "InstallerRegistry.h"
#include "ProductKey.h"
#include "support/Handles.h"

namespace brivane {
namespace {

std::wstring withoutTrailingSeparator(std::wstring path) {
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

bool isFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::wstring> fileNamesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  UniqueFind search(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!search) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileW(search.get(), &found));
  return names;
}

}  // namespace

bool sameFolder(const std::wstring& a, const std::wstring& b) {
  const std::wstring left = withoutTrailingSeparator(a), right = withoutTrailingSeparator(b);
  return CompareStringOrdinal(left.c_str(), static_cast<int>(left.size()), right.c_str(),
                              static_cast<int>(right.size()), TRUE) == CSTR_EQUAL;
}

bool copyModuleFiles(const std::wstring& source, const std::wstring& destination, std::vector<std::wstring>& copied,
                     std::wstring& error) {
  const std::wstring from = withoutTrailingSeparator(source), to = withoutTrailingSeparator(destination);
  for (const wchar_t* required : {kCoreLibraryName, kApplicationName}) {
    if (!isFile(from + L"\\" + required)) {
      error = from + L" holds no " + required;
      return false;
    }
  }
  const int created = SHCreateDirectoryExW(nullptr, to.c_str(), nullptr);
  if (created != ERROR_SUCCESS && created != ERROR_ALREADY_EXISTS && created != ERROR_FILE_EXISTS) {
    error = L"cannot create " + to;
    return false;
  }
  for (const std::wstring& name : fileNamesIn(from)) {
    const std::wstring target = to + L"\\" + name;
    if (!CopyFileW((from + L"\\" + name).c_str(), target.c_str(), FALSE)) {
      error = L"cannot copy " + name + L" into " + to;
      return false;
    }
    copied.push_back(target);
  }
  return true;
}

bool recordInstalledFiles(const std::vector<std::wstring>& files) {
  return writeStrings(HKEY_LOCAL_MACHINE, kProductKey, kInstalledFilesValue, files);
}

void deleteInstalledFiles() {
  for (const std::wstring& file : readStrings(HKEY_LOCAL_MACHINE, kProductKey, kInstalledFilesValue)) {
    DeleteFileW(file.c_str());
  }
}

}  // namespace brivane
