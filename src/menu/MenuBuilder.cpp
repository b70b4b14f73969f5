#include "menu/MenuBuilder.h"

#include <shlobj.h>

#include <algorithm>
#include <array>
#include <optional>

#include "menu/CommandTable.h"
#include "menu/MenuEntries.h"
#include "menu/MenuInsertion.h"
#include "menu/MenuLabels.h"
#include "menu/NearSecuredFolders.h"
#include "menu/RecentList.h"
#include "menu/Selection.h"
#include "protocol/Labels.h"
#include "support/PathSet.h"

namespace brivane {
namespace {

using LabelFetch = Status (*)(std::vector<std::wstring>&);

// In LabelSet order; the convert set is fetched for secured selections only.
constexpr std::array<LabelFetch, 4> kLabelFetches = {fetchFileLabels, fetchFolderLabels, fetchMixedLabels,
                                                     fetchConvertLabels};

// The identifiers a menu may use, also kept within the 16 bits that carry the count and the offsets.
constexpr std::size_t kMostIdentifiers = 0xFFFF;

// Only a request for the default entry alone or for no verbs, without a request for verbs or for the
// explorer's menu, gets nothing.
bool flagsAskForEntries(UINT flags) { return (flags & 0xF) == 0 || (flags & (CMF_VERBSONLY | CMF_EXPLORE)) != 0; }

std::optional<MenuLabelSets> fetchMenuLabelSets(bool allSecured) {
  MenuLabelSets sets;
  const std::size_t wanted = allSecured ? kLabelFetches.size() : kLabelFetches.size() - 1;
  for (std::size_t set = 0; set < wanted; ++set)
    if (kLabelFetches[set](sets[set]) < 0) return std::nullopt;
  return sets;
}


// The limits, the secured folders beside the first item and the recent ones other than those; no
// selected item is ever a target.
void gatherSendTargets(const std::vector<std::wstring>& selection, Classification& classification) {
  readRecentLimits(classification.recentLimit, classification.nearLimit);
  PathSet leftOut(selection);
  std::vector<std::wstring> names;
  classification.nearPaths.clear();
  listNearSecuredFolders(selection.front(), L".qeld", classification.nearLimit, leftOut, names,
                         classification.nearPaths);
  leftOut.add(classification.nearPaths);
  readRecentPaths(classification.recentPaths, leftOut);
  classification.nearNames = std::move(names);
}

// The table that fits the granted identifiers, with the folders left out of it dropped from the lists.
std::optional<CommandTable> fitSendTargets(Classification& classification, std::size_t available) {
  std::optional<CommandTable> table =
      fittedCommandTable(classification.menuKind == Secured, classification.nearNames.size(),
                         classification.recentPaths.size(), available);
  if (!table) return std::nullopt;
  classification.nearNames.resize(table->nearCount());
  classification.recentPaths.resize(table->recentCount());
  return table;
}

bool insertMenu(HMENU menu, UINT position, UINT firstId, const CommandTable& table, const MenuTexts& texts,
                const MenuPictures& pictures, const Classification& classification) {
  UniqueMenu send(CreateMenu());
  UniqueMenu sendCopy(CreateMenu());
  if (!send || !sendCopy || !fillSendMenu(send.get(), table, false, firstId, classification) ||
      !fillSendMenu(sendCopy.get(), table, true, firstId, classification))
    return false;
  MenuInsertion insertion(menu, position);
  if (!insertion.addSeparator() || !insertMainEntries(insertion, table, firstId, texts, pictures) ||
      !insertion.addPopup(send, texts.send, pictures.folder) ||
      !insertion.addPopup(sendCopy, texts.sendCopy, pictures.folder) || !insertion.addSeparator())
    return false;
  insertion.keep();
  return true;
}

}  // namespace

std::size_t identifiersGranted(UINT firstId, UINT lastId) {
  return lastId < firstId ? 0 : std::min<std::size_t>(std::size_t{lastId} - firstId + 1, kMostIdentifiers);
}

std::optional<CommandTable> buildMenu(HMENU menu, UINT position, UINT firstId, UINT lastId, UINT flags,
                                      HBITMAP fileBitmap, HBITMAP folderBitmap, HBITMAP convertBitmap,
                                      const std::vector<std::wstring>& selection, Classification& classification) {
  if (!flagsAskForEntries(flags) || selection.empty()) return std::nullopt;
  const SelectionSummary summary = classifySelection(selection, classification);
  const std::optional<MenuLabelSets> sets = fetchMenuLabelSets(summary.allSecured);
  if (!sets) return std::nullopt;
  const std::optional<MenuKind> kind = chooseMenuKind(classification, summary);
  const MenuLabelRow* row = kind ? findMenuLabelRow(*kind, classification, summary) : nullptr;
  // The history key is set up on first use even when nothing of the selection is found.
  gatherSendTargets(selection, classification);
  if (!row) return std::nullopt;
  classification.menuKind = *kind;
  const MenuTexts texts = menuTextsOf(*row, *sets, selection, summary);
  const std::optional<CommandTable> table = fitSendTargets(classification, identifiersGranted(firstId, lastId));
  const MenuPictures pictures{row->bitmap == MenuBitmap::File ? fileBitmap : folderBitmap, folderBitmap, convertBitmap};
  if (!table || !insertMenu(menu, position, firstId, *table, texts, pictures, classification)) return std::nullopt;
  return table;
}

}  // namespace brivane
