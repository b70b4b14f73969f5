#include "support/Paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <string_view>

#include "support/Text.h"
#include "support/Utf16.h"

namespace brivane {
namespace {

constexpr std::wstring_view kLongFormPrefix = L"\\\\?\\";

enum class Entry { Missing, Folder, File };

// Missing too for a path the system would read cut short at a NUL. The native fuzzing build asks its own
// file system, by the path's UTF-8 form.
Entry entryAt(const std::wstring& path) {
  if (path.find(L'\0') != std::wstring::npos) return Entry::Missing;
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Entry::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Entry::Folder : Entry::File;
#else
  std::string name;
  appendUtf8(name, path);
  struct stat status;
  if (stat(name.c_str(), &status) != 0) return Entry::Missing;
  return S_ISDIR(status.st_mode) ? Entry::Folder : Entry::File;
#endif
}

std::wstring textAfterLast(const std::wstring& text, wchar_t separator) {
  const std::size_t position = text.rfind(separator);
  return position == std::wstring::npos ? text : text.substr(position + 1);
}

}  // namespace

bool isExistingFolder(const std::wstring& path) { return entryAt(path) == Entry::Folder; }

bool isExistingFile(const std::wstring& path) { return entryAt(path) == Entry::File; }

bool hasExtension(const std::wstring& path, const std::wstring& extension) {
  std::wstring wanted = lowerCased(extension);
  if (!wanted.empty() && wanted.front() == L'.') wanted.erase(0, 1);
  return textAfterLast(lowerCased(path), L'.') == wanted;
}

std::wstring_view lastComponentOf(std::wstring_view path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring_view::npos ? path : path.substr(separator + 1);
}

std::wstring fileNameOf(const std::wstring& path, bool strip) {
  std::wstring name(lastComponentOf(path));
  if (strip && !isExistingFolder(path)) {
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
  }
  return name;
}

bool isExactPath(const std::wstring& path) {
  if (path.empty() || path.find(L'\0') != std::wstring::npos) return false;
  const std::size_t start = path.starts_with(kLongFormPrefix) ? kLongFormPrefix.size() : 0;
  return path.find_first_of(L"*?", start) == std::wstring::npos;
}

std::wstring parentFolderOf(const std::wstring& path) {
  const std::size_t separator = path.rfind(L'\\');
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

std::wstring withTrailingBackslash(std::wstring folder) {
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  return folder;
}

}  // namespace brivane
