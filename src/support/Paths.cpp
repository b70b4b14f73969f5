#include "support/Paths.h"

#include <windows.h>

#include <string_view>

#include "support/Text.h"

namespace brivane {
namespace {

constexpr std::wstring_view kLongFormPrefix = L"\\\\?\\";

// The entry's attributes; none for a path the system would read cut short at a NUL.
DWORD attributesOf(const std::wstring& path) {
  return path.find(L'\0') != std::wstring::npos ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(path.c_str());
}

std::wstring textAfterLast(const std::wstring& text, wchar_t separator) {
  const std::size_t position = text.rfind(separator);
  return position == std::wstring::npos ? text : text.substr(position + 1);
}

}  // namespace

bool isExistingFolder(const std::wstring& path) {
  const DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool isExistingFile(const std::wstring& path) {
  const DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

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

bool isAbsolutePath(const std::wstring& path) {
  const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  const bool server = path.size() >= 2 && separator(path[0]) && separator(path[1]);
  const bool drive = path.size() >= 3 && path[1] == L':' && separator(path[2]);
  return server || drive;
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
