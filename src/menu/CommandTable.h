#pragma once
#include <cstddef>
#include <optional>


namespace brivane {

// What one command offset of the product's menu stands for.
enum class CommandRole {
  Primary,     // secure (or unsecure) the selection
  Secondary,   // the same keeping the originals (for secured items: unsecure into a chosen folder)
  Convert,     // secured items only: convert into executables
  SendNear,    // send into the secured folder nearNames[index] beside the first item
  SendRecent,  // send into the recent secured folder recentPaths[index]
  Browse,      // send into a new secured folder chosen in the save dialog
};

struct CommandEntry {
  CommandRole role = CommandRole::Primary;
  std::size_t index = 0;      // into nearNames (SendNear) or recentPaths (SendRecent); 0 otherwise
  bool inCopyMenu = false;    // an entry of the second send submenu
  bool keepOriginal = false;  // the sources stay in place
  bool operator==(const CommandEntry&) const = default;
};

// The offsets of one menu: the main entries (primary, secondary and, for secured items, convert) from 0,
// then the first send submenu (nearby folders, recent folders, browse), then the second one, alike.
// Offsets are resolved by arithmetic, whatever the number of folders.
class CommandTable {
 public:
  CommandTable(bool secured, std::size_t nearCount, std::size_t recentCount);

  bool secured() const { return secured_; }
  std::size_t mainEntries() const { return secured_ ? 3 : 2; }
  std::size_t nearCount() const { return nearCount_; }
  std::size_t recentCount() const { return recentCount_; }
  std::size_t submenuEntries() const { return nearCount_ + recentCount_ + 1; }
  // Identifiers used by the whole menu.
  std::size_t count() const { return mainEntries() + 2 * submenuEntries(); }

  // None for an offset at or beyond count().
  std::optional<CommandEntry> commandAt(std::size_t offset) const;

 private:
  CommandEntry mainEntryAt(std::size_t offset) const;
  CommandEntry submenuEntryAt(std::size_t position, bool inCopyMenu) const;

  bool secured_;
  std::size_t nearCount_;
  std::size_t recentCount_;
};

// The largest table within `available` identifiers: recent folders are left out first, then nearby
// ones, alike in both submenus. None when not even the main entries and both browse entries fit.
std::optional<CommandTable> fittedCommandTable(bool secured, std::size_t nearCount, std::size_t recentCount,
                                               std::size_t available);

}  // namespace brivane
