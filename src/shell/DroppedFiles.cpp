#include "shell/DroppedFiles.h"

#include <shlobj.h>

#include <algorithm>

#include "support/Handles.h"

namespace brivane {
namespace {

std::wstring widen(const wchar_t* begin, const wchar_t* end) { return std::wstring(begin, end); }

std::wstring widen(const char* begin, const char* end) {
  const int length = static_cast<int>(end - begin);
  std::wstring name(MultiByteToWideChar(CP_ACP, 0, begin, length, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, begin, length, name.data(), static_cast<int>(name.size()));
  return name;
}

// Names separated by a null and ended by an empty name; a list that runs past the block is refused.
template <typename Char>
std::optional<std::vector<std::wstring>> splitNames(const Char* begin, const Char* end) {
  std::vector<std::wstring> names;
  for (const Char* name = begin;;) {
    const Char* stop = std::find(name, end, Char{0});
    if (stop == end) return std::nullopt;
    if (stop == name) return names;
    names.push_back(widen(name, stop));
    name = stop + 1;
  }
}

}  // namespace

std::optional<std::vector<std::wstring>> readDroppedNames(HGLOBAL block) {
  const LockedGlobal locked(block);
  const auto* bytes = static_cast<const char*>(locked.data());
  const SIZE_T size = locked.size();
  if (!bytes || size < sizeof(DROPFILES)) return std::nullopt;
  const auto* header = reinterpret_cast<const DROPFILES*>(bytes);
  if (header->pFiles < sizeof(DROPFILES) || header->pFiles > size) return std::nullopt;
  const char* list = bytes + header->pFiles;
  if (!header->fWide) return splitNames(list, bytes + size);
  if (header->pFiles % sizeof(wchar_t) != 0) return std::nullopt;
  const SIZE_T characters = (size - header->pFiles) / sizeof(wchar_t);
  const auto* wide = reinterpret_cast<const wchar_t*>(list);
  return splitNames(wide, wide + characters);
}

std::optional<std::vector<std::wstring>> readDroppedNamesFrom(IDataObject* data) {
  if (!data) return std::nullopt;
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  StorageMedium medium;
  if (FAILED(medium.fill(data, format)) || medium.get().tymed != TYMED_HGLOBAL) return std::nullopt;
  return readDroppedNames(medium.get().hGlobal);
}

}  // namespace brivane
