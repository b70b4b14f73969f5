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

// True when the path names one entry of a drive or a network share by its full name, as Explorer's own
// selections do: "X:\...", "\\server\share\...", or either in the long form ("\\?\X:\...",
// "\\?\UNC\server\share\..."). Not so: relative and drive-relative paths, the device namespaces ("\\.\...",
// "\\?\GLOBALROOT\...", "\??\..."), device names as components (CON, NUL, COM1, ...), wildcards and the other
// characters a name cannot hold (a ":" after the drive names a stream), empty, "." and ".." components, control
// characters and unpaired surrogates. Outside the long form no component may end in "." or " ": the system
// would drop them and name another entry.
bool isPlainAbsolutePath(std::wstring_view path);

// The path up to and including its last "\"; empty when it has none.
std::wstring parentFolderOf(const std::wstring& path);

// The folder with a "\" at its end: one is appended unless it is there (an empty folder becomes "\").
std::wstring withTrailingBackslash(std::wstring folder);

}  // namespace brivane
