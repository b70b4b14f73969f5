#pragma once
#include <optional>
#include <string>
#include <vector>

#include "menu/Classification.h"

namespace brivane {

// What classifySelection finds beyond the found files and folders it stores in the Classification.
struct SelectionSummary {
  // No item is a folder or a plain file (unfound items count neither way).
  bool allSecured = false;
  // Only when allSecured: every path, unfound ones included, ends in ".qeld", respectively ".qelf".
  bool allQeld = false;
  bool allQelf = false;
  // The found files ending in ".qeld", respectively ".qelf", in selection order.
  std::vector<std::wstring> qeldItems;
  std::vector<std::wstring> qelfItems;
};

// Removes, in one pass and keeping the order, what the context menu and a drop must not act on: the paths
// that are not the plain full path of one entry (isPlainAbsolutePath), those that do not exist and those
// inside the user's Start Menu folder (ignoring letter case). When that folder cannot be determined, it
// takes nothing out.
void filterSelection(std::vector<std::wstring>& selection);

// Refills the classification's files and folders from the selection and computes the summary.
SelectionSummary classifySelection(const std::vector<std::wstring>& selection, Classification& classification);

// The kind of menu a classified selection gets; none when nothing of it was found.
std::optional<MenuKind> chooseMenuKind(const Classification& classification, const SelectionSummary& summary);

// The first item's name with extension, each "&" doubled so that a menu label shows it literally.
std::wstring displayName(const std::vector<std::wstring>& selection);

}  // namespace brivane
