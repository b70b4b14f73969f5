// The CF_HDROP reader on any block, and the path filter's text rules on every name it reads.
#include <cstddef>
#include <cstdint>

#include "FuzzCheck.h"
#include "shell/DroppedNameList.h"
#include "support/Paths.h"

namespace {

using brivane::fuzz::check;

// The harness's code page: Latin-1, where every byte is a character.
std::wstring widenLatin1(std::string_view name) {
  std::wstring wide;
  for (const unsigned char byte : name) wide += static_cast<wchar_t>(byte);
  return wide;
}

bool hasControlCharacter(const std::wstring& name) {
  for (const wchar_t unit : name) {
    if (unit < 0x20 || (unit >= 0x7F && unit < 0xA0)) return true;
  }
  return false;
}

bool startsAsAFullPath(const std::wstring& name) {
  return name.starts_with(L"\\\\") || (name.size() >= 3 && name[1] == L':' && name[2] == L'\\');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto names = brivane::readDroppedNameList(data, size, widenLatin1);
  if (!names) return 0;
  std::size_t characters = 0;
  for (const std::wstring& name : *names) {
    check(!name.empty() && name.find(L'\0') == std::wstring::npos, "a name read is empty or holds a NUL");
    characters += name.size() + 1;
    if (!brivane::isPlainAbsolutePath(name)) continue;
    check(brivane::isExactPath(name), "a plain full path is not exact");
    check(!hasControlCharacter(name), "a plain full path holds a control character");
    check(startsAsAFullPath(name), "a plain full path starts neither with a drive nor with a share");
  }
  check(characters <= size, "the names hold more characters than the block has bytes");
  return 0;
}
