#include "ResourceFile.h"

#include <windows.h>

#include <string_view>

#include "protocol/CodePage.h"
#include "support/Handles.h"
#include "support/ModuleInstance.h"

namespace brivane::core {
namespace {

// Resource files are small; anything larger is not one of ours.
constexpr LONGLONG kLargestResourceFile = 16 * 1024 * 1024;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::wstring_view lineAt(std::wstring_view text, std::size_t start, std::size_t& next) {
  std::size_t end = text.find(L'\n', start);
  next = end == std::wstring_view::npos ? text.size() : end + 1;
  std::wstring_view line = text.substr(start, (end == std::wstring_view::npos ? text.size() : end) - start);
  if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
  return line;
}

}  // namespace

std::wstring moduleFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(moduleInstance(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::size_t separator = path.rfind(L'\\');
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
}

bool readUtf8File(const std::wstring& path, std::wstring& text) {
  UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestResourceFile) return false;
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                         read != bytes.size()))
    return false;
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.erase(0, kUtf8ByteOrderMark.size());
  text = fromCodePage(bytes, CP_UTF8);
  return true;
}

bool findResourceString(const std::wstring& text, const std::wstring& key, std::wstring& value) {
  std::wstring_view all(text);
  for (std::size_t start = 0, next = 0; start < all.size(); start = next) {
    std::wstring_view line = lineAt(all, start, next);
    if (line.empty() || line.front() == L'#') continue;
    std::size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos || line.substr(0, equals) != key) continue;
    value.assign(line.substr(equals + 1));
    return true;
  }
  return false;
}

}  // namespace brivane::core
