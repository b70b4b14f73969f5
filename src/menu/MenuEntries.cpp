#include "menu/MenuEntries.h"

#include "menu/ShortenText.h"

namespace brivane {
namespace {

constexpr std::size_t kTextLimit = 70;
constexpr wchar_t kBrowseText[] = L"...";

bool insertMainEntry(MenuInsertion& insertion, CommandRole role, UINT id, const MenuTexts& texts,
                     const MenuPictures& pictures) {
  switch (role) {
    case CommandRole::Primary:
      return insertion.addCommand(id, texts.primary, pictures.entries);
    case CommandRole::Secondary:
      return insertion.addCommand(id, texts.secondary, pictures.entries);
    case CommandRole::Convert:
      return texts.convert && insertion.addCommand(id, *texts.convert, pictures.convert);
    default:
      return false;
  }
}

std::wstring submenuTextOf(const CommandEntry& entry, const Classification& classification) {
  switch (entry.role) {
    case CommandRole::SendNear:
      return shortenLabel(classification.nearNames[entry.index], kTextLimit);
    case CommandRole::SendRecent:
      return shortenPath(classification.recentPaths[entry.index], kTextLimit);
    default:
      return kBrowseText;
  }
}

}  // namespace

bool insertMainEntries(MenuInsertion& insertion, const CommandTable& table, UINT firstId, const MenuTexts& texts,
                       const MenuPictures& pictures) {
  for (std::size_t offset = 0; offset < table.mainEntries(); ++offset)
    if (!insertMainEntry(insertion, table.commandAt(offset)->role, firstId + static_cast<UINT>(offset), texts,
                         pictures))
      return false;
  return true;
}

bool fillSendMenu(HMENU popup, const CommandTable& table, bool inCopyMenu, UINT firstId,
                  const Classification& classification) {
  MenuInsertion insertion(popup, 0);
  const std::size_t first = table.mainEntries() + (inCopyMenu ? table.submenuEntries() : 0);
  for (std::size_t offset = first; offset < first + table.submenuEntries(); ++offset) {
    const CommandEntry entry = *table.commandAt(offset);
    const bool groupStarts = offset > first && table.commandAt(offset - 1)->role != entry.role;
    if (groupStarts && !insertion.addSeparator()) return false;
    if (!insertion.addCommand(firstId + static_cast<UINT>(offset), submenuTextOf(entry, classification))) return false;
  }
  insertion.keep();
  return true;
}

}  // namespace brivane
