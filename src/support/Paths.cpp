#include "support/Paths.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

#include <algorithm>
#include <iterator>
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

bool isAbsolutePath(const std::wstring& path) {
  const auto separator = [](wchar_t c) { return c == L'\\' || c == L'/'; };
  const bool server = path.size() >= 2 && separator(path[0]) && separator(path[1]);
  const bool drive = path.size() >= 3 && path[1] == L':' && separator(path[2]);
  return server || drive;
}

namespace {

constexpr std::wstring_view kLongFormUnc = L"\\\\?\\UNC\\";
constexpr std::wstring_view kSharePrefix = L"\\\\";

// What no component may hold: wildcards (the system's own "<", ">" and '"' among them), "/", "|" and ":".
constexpr std::wstring_view kNotInNames = L"*?<>\"|/:";

// Names the system takes for devices in any folder, whatever follows a "." and ignoring letter case.
constexpr std::wstring_view kDeviceNames[] = {
    L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$",
    L"com1", L"com2", L"com3", L"com4", L"com5", L"com6", L"com7", L"com8", L"com9",
    L"com\u00b9", L"com\u00b2", L"com\u00b3",
    L"lpt1", L"lpt2", L"lpt3", L"lpt4", L"lpt5", L"lpt6", L"lpt7", L"lpt8", L"lpt9",
    L"lpt\u00b9", L"lpt\u00b2", L"lpt\u00b3",
};

bool isControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

// No control character, and every surrogate one half of a pair.
bool isCleanText(std::wstring_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isControl(text[i]) || isLowSurrogate(text[i])) return false;
    if (!isHighSurrogate(text[i])) continue;
    if (i + 1 == text.size() || !isLowSurrogate(text[i + 1])) return false;
    ++i;
  }
  return true;
}

wchar_t asciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool isDeviceName(std::wstring_view name) {
  std::wstring_view base = name.substr(0, name.find(L'.'));
  while (!base.empty() && base.back() == L' ') base.remove_suffix(1);
  return std::any_of(std::begin(kDeviceNames), std::end(kDeviceNames), [base](std::wstring_view device) {
    return std::equal(base.begin(), base.end(), device.begin(), device.end(),
                      [](wchar_t a, wchar_t b) { return asciiLower(a) == b; });
  });
}

// `literal`: the long form, where the system takes every name as it stands.
bool isPlainName(std::wstring_view name, bool literal) {
  if (name.empty() || name == L"." || name == L".." || name.find_first_of(kNotInNames) != std::wstring_view::npos)
    return false;
  if (!literal && (name.back() == L'.' || name.back() == L' ')) return false;
  return !isDeviceName(name);
}

// The components after a root, separated by "\"; only the last may be empty ("C:\", "C:\folder\").
bool hasPlainComponents(std::wstring_view rest, bool literal) {
  for (;;) {
    const std::size_t separator = rest.find(L'\\');
    if (separator == std::wstring_view::npos) return rest.empty() || isPlainName(rest, literal);
    if (!isPlainName(rest.substr(0, separator), literal)) return false;
    rest.remove_prefix(separator + 1);
  }
}

bool isDriveRooted(std::wstring_view path, bool literal) {
  const bool drive = path.size() >= 3 && asciiLower(path[0]) >= L'a' && asciiLower(path[0]) <= L'z' &&
                     path[1] == L':' && path[2] == L'\\';
  return drive && hasPlainComponents(path.substr(3), literal);
}

// "server\share" and what follows: a server name is a name as any other ("." and "?" are not).
bool isShareRooted(std::wstring_view path, bool literal) {
  const std::size_t separator = path.find(L'\\');
  if (separator == std::wstring_view::npos || !isPlainName(path.substr(0, separator), literal)) return false;
  const std::wstring_view share = path.substr(separator + 1);
  return !share.empty() && share.front() != L'\\' && hasPlainComponents(share, literal);
}

}  // namespace

bool isPlainAbsolutePath(std::wstring_view path) {
  if (!isCleanText(path)) return false;
  if (path.starts_with(kLongFormUnc)) return isShareRooted(path.substr(kLongFormUnc.size()), true);
  if (path.starts_with(kLongFormPrefix)) return isDriveRooted(path.substr(kLongFormPrefix.size()), true);
  if (path.starts_with(kSharePrefix)) return isShareRooted(path.substr(kSharePrefix.size()), false);
  return isDriveRooted(path, false);
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
