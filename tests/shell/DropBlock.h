#pragma once
// CF_HDROP blocks as the shell lays them out: a DROPFILES header, then names separated by nulls and
// ended by an empty name.
#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace brivane::test {

inline HGLOBAL blockOf(const std::string& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
  GlobalUnlock(block);
  return block;
}

inline std::string dropHeader(DWORD listOffset, bool wide) {
  DROPFILES header{};
  header.pFiles = listOffset;
  header.fWide = wide;
  return std::string(reinterpret_cast<const char*>(&header), sizeof header);
}

inline std::string wideList(const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) list += name + L'\0';
  list += L'\0';
  return std::string(reinterpret_cast<const char*>(list.data()), list.size() * sizeof(wchar_t));
}

inline std::string ansiList(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += name + '\0';
  return list + '\0';
}

inline HGLOBAL wideDropBlock(const std::vector<std::wstring>& names) {
  return blockOf(dropHeader(sizeof(DROPFILES), true) + wideList(names));
}

inline HGLOBAL ansiDropBlock(const std::vector<std::string>& names) {
  return blockOf(dropHeader(sizeof(DROPFILES), false) + ansiList(names));
}

// An absolute path of exactly `length` characters, most of them one long file name.
inline std::wstring longPath(std::size_t length) {
  std::wstring path = L"C:\\long\\";
  path.append(length - path.size() - 4, L'n');
  return path + L".txt";
}

}  // namespace brivane::test
