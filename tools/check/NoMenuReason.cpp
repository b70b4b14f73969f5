#include "NoMenuReason.h"

#include <shlwapi.h>

#include <algorithm>
#include <optional>

#include "StatusText.h"
#include "menu/Classification.h"
#include "menu/CommandTable.h"
#include "menu/MenuBuilder.h"
#include "menu/MenuLabels.h"
#include "menu/Selection.h"
#include "protocol/Labels.h"
#include "support/Paths.h"

namespace brivane {
namespace {

constexpr const wchar_t* kLabelSetNames[] = {L"file", L"folder", L"mixed", L"convert"};

std::optional<NoMenuReason> selectionEmptied(const std::vector<std::wstring>& paths) {
  std::vector<std::wstring> kept = paths;
  filterSelection(kept);
  if (!kept.empty()) return std::nullopt;
  return NoMenuReason{filteredOutReason(paths.front()), L"right-click items that exist outside the Start Menu"};
}

// The first set the menu needs that fails, with the key it fails on.
std::optional<NoMenuReason> labelSetFailing(bool allSecured) {
  const std::size_t wanted = allSecured ? kLabelSetKeys.size() : kLabelSetKeys.size() - 1;
  for (std::size_t set = 0; set < wanted; ++set) {
    std::vector<std::wstring> labels;
    const Status status = fetchLabelSet(kLabelSetKeys[set], labels);
    if (status >= 0) continue;
    std::wstring key = L"(none)";
    for (std::size_t index = 0; index < labels.size(); ++index) {
      if (labels[index].empty()) {
        key = kLabelSetKeys[set][index];
        break;
      }
    }
    return NoMenuReason{
        L"the " + std::wstring(kLabelSetNames[set]) + L" label set fails at " + key + L" (" + statusText(status) + L")",
        L"repair the product's installation to restore its texts", true};
  }
  return std::nullopt;
}

}  // namespace

std::wstring filteredOutReason(const std::wstring& path) {
  std::vector<std::wstring> one{path};
  filterSelection(one);
  if (!one.empty()) return {};
  if (!isPlainAbsolutePath(path))
    return path + L" is not the full path of a file or folder (a relative, device or wildcard name, or control "
                  L"characters)";
  if (!PathFileExistsW(path.c_str())) return path + L" does not exist (it vanished)";
  return path + L" lies below the user's Start Menu folder, where the product shows no entries";
}

NoMenuReason noMenuReason(const std::vector<std::wstring>& paths, UINT firstId, UINT lastId) {
  if (std::optional<NoMenuReason> emptied = selectionEmptied(paths)) return *emptied;
  std::vector<std::wstring> kept = paths;
  filterSelection(kept);
  Classification classification;
  const SelectionSummary summary = classifySelection(kept, classification);
  const std::optional<MenuKind> kind = chooseMenuKind(classification, summary);
  if (!kind || !findMenuLabelRow(*kind, classification, summary))
    return {L"no item of the selection is found as a file or folder (a drive root, for one, is neither)",
            L"right-click files or folders"};
  if (std::optional<NoMenuReason> failing = labelSetFailing(summary.allSecured)) return *failing;
  const std::size_t granted = identifiersGranted(firstId, lastId);
  const CommandTable smallest(*kind == Secured, 0, 0);
  if (!fittedCommandTable(*kind == Secured, 0, 0, granted))
    return {L"Explorer granted " + std::to_wstring(granted) + L" command identifiers; the menu needs at least " +
                std::to_wstring(smallest.count()),
            L"other handlers take up the identifiers: remove unused context-menu handlers"};
  return {L"the extension added nothing, and none of the known reasons applies", L"report this to support"};
}

}  // namespace brivane
