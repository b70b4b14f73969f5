#include "menu/CommandTable.h"

#include <algorithm>
#include <array>

namespace brivane {
namespace {

constexpr std::array<CommandRole, 3> kMainRoles = {CommandRole::Primary, CommandRole::Secondary, CommandRole::Convert};

}  // namespace

CommandTable::CommandTable(bool secured, std::size_t nearCount, std::size_t recentCount)
    : secured_(secured), nearCount_(nearCount), recentCount_(recentCount) {}

std::optional<CommandEntry> CommandTable::commandAt(std::size_t offset) const {
  if (offset >= count()) return std::nullopt;
  if (offset < mainEntries()) return mainEntryAt(offset);
  const std::size_t inSubmenus = offset - mainEntries();
  return submenuEntryAt(inSubmenus % submenuEntries(), inSubmenus >= submenuEntries());
}

CommandEntry CommandTable::mainEntryAt(std::size_t offset) const {
  const CommandRole role = kMainRoles[offset];
  return {.role = role, .keepOriginal = role == CommandRole::Secondary && !secured_};
}

CommandEntry CommandTable::submenuEntryAt(std::size_t position, bool inCopyMenu) const {
  CommandEntry entry{.role = CommandRole::Browse, .inCopyMenu = inCopyMenu, .keepOriginal = inCopyMenu};
  if (position < nearCount_) {
    entry.role = CommandRole::SendNear;
    entry.index = position;
  } else if (position < nearCount_ + recentCount_) {
    entry.role = CommandRole::SendRecent;
    entry.index = position - nearCount_;
  }
  return entry;
}

std::optional<CommandTable> fittedCommandTable(bool secured, std::size_t nearCount, std::size_t recentCount,
                                               std::size_t available) {
  const CommandTable empty(secured, 0, 0);
  if (available < empty.count()) return std::nullopt;
  const std::size_t folderPlaces = (available - empty.count()) / 2;
  const std::size_t nearKept = std::min(nearCount, folderPlaces);
  return CommandTable(secured, nearKept, std::min(recentCount, folderPlaces - nearKept));
}

}  // namespace brivane
