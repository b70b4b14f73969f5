#pragma once
// Paths as texts: their parts, their extension and their form.
#include <string>
#include <string_view>

namespace brivane {

// An entry that exists and is a folder, or one that exists and is not; a failed query counts as neither.
bool isExistingFolder(const std::wstring& path);
bool isExistingFile(const std::wstring& path);

// True when the text after the path's last "." (the whole path without one) equals the extension,
// given with or without its leading ".", ignoring letter case.
bool hasExtension(const std::wstring& path, const std::wstring& extension);

// The last component of the path: the text after its last "\" or "/".
std::wstring_view lastComponentOf(std::wstring_view path);

// The last component of the path (after the last "\", then after the last "/"); with `strip`, and unless the
// path is an existing folder, without its last "." and what follows.
std::wstring fileNameOf(const std::wstring& path, bool strip);

// True when the path's text names one entry: not empty, no NUL, and no wildcard ("*", "?") after the
// "\\?\" or "\\?\UNC\" prefix of the long form, whose "?" belongs to the prefix.
bool isExactPath(const std::wstring& path);

// True for a path that names its drive ("C:\...") or its server ("\\server\...", "\\?\..."), so that
// no current directory or search order decides where it leads.
bool isAbsolutePath(const std::wstring& path);

// The path up to and including its last "\"; empty when it has none.
std::wstring parentFolderOf(const std::wstring& path);

// The folder with a "\" at its end: one is appended unless it is there (an empty folder becomes "\").
std::wstring withTrailingBackslash(std::wstring folder);

}  // namespace brivane
