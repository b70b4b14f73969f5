#include "shell/DroppedFiles.h"

#include <shlobj.h>

#include <cstddef>

#include "shell/DroppedNameList.h"
#include "support/Handles.h"

namespace brivane {
namespace {

static_assert(sizeof(DROPFILES) == kDropHeaderSize && offsetof(DROPFILES, pFiles) == kDropListOffsetAt &&
              offsetof(DROPFILES, fWide) == kDropWideFlagAt);

std::wstring widenFromSystemCodePage(std::string_view name) {
  const int length = static_cast<int>(name.size());
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, name.data(), length, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.data(), length, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

}  // namespace

std::optional<std::vector<std::wstring>> readDroppedNames(HGLOBAL block) {
  const LockedGlobal locked(block);
  return readDroppedNameList(static_cast<const std::uint8_t*>(locked.data()), locked.size(), widenFromSystemCodePage);
}

std::optional<std::vector<std::wstring>> readDroppedNamesFrom(IDataObject* data) {
  if (!data) return std::nullopt;
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  StorageMedium medium;
  if (FAILED(medium.fill(data, format)) || medium.get().tymed != TYMED_HGLOBAL) return std::nullopt;
  return readDroppedNames(medium.get().hGlobal);
}

}  // namespace brivane
