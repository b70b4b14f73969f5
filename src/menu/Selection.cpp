#include "menu/Selection.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>

#include "menu/ItemKind.h"
#include "support/Paths.h"
#include "support/Text.h"

namespace brivane {
namespace {

enum Count { NoItem, OneItem, SeveralItems };

// Menu kind by number of found files (rows) and found folders (columns).
constexpr std::optional<MenuKind> kMenuKinds[3][3] = {
    /* no file */ {std::nullopt, SingleFolder, MultipleFolders},
    /* one file */ {SingleFile, Mixed, Mixed},
    /* several files */ {MultipleFiles, Mixed, Mixed},
};

Count countOf(const std::vector<std::wstring>& items) {
  return items.empty() ? NoItem : items.size() == 1 ? OneItem : SeveralItems;
}

bool isUnsecured(ItemKind kind) { return kind == ItemKind::Folder || kind == ItemKind::PlainFile; }

bool allHaveExtension(const std::vector<std::wstring>& selection, const wchar_t* extension) {
  return std::all_of(selection.begin(), selection.end(),
                     [extension](const std::wstring& path) { return hasExtension(path, extension); });
}

void sortIn(const std::wstring& path, ItemKind kind, Classification& classification, SelectionSummary& summary) {
  switch (kind) {
    case ItemKind::Unfound:
      return;
    case ItemKind::Folder:
      classification.folders.push_back(path);
      return;
    case ItemKind::QeldItem:
      summary.qeldItems.push_back(path);
      break;
    case ItemKind::QelfItem:
      summary.qelfItems.push_back(path);
      break;
    case ItemKind::PlainFile:
      break;
  }
  classification.files.push_back(path);
}

}  // namespace

SelectionSummary classifySelection(const std::vector<std::wstring>& selection, Classification& classification) {
  classification.files.clear();
  classification.folders.clear();
  std::vector<ItemKind> kinds;
  kinds.reserve(selection.size());
  for (const std::wstring& path : selection) kinds.push_back(itemKindOf(path));

  SelectionSummary summary;
  summary.allSecured = std::none_of(kinds.begin(), kinds.end(), isUnsecured);
  summary.allQeld = summary.allSecured && allHaveExtension(selection, L".qeld");
  summary.allQelf = summary.allSecured && allHaveExtension(selection, L".qelf");
  for (std::size_t i = 0; i < selection.size(); ++i) sortIn(selection[i], kinds[i], classification, summary);
  return summary;
}

std::optional<MenuKind> chooseMenuKind(const Classification& classification, const SelectionSummary& summary) {
  const std::optional<MenuKind> kind = kMenuKinds[countOf(classification.files)][countOf(classification.folders)];
  return kind && summary.allSecured ? std::optional<MenuKind>(Secured) : kind;
}

namespace {

// The user's Start Menu folder, lower-cased; empty when the shell cannot name it.
std::wstring startMenuFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(GetActiveWindow(), folder, CSIDL_STARTMENU, FALSE)) return {};
  return lowerCased(folder);
}

// A full path of one entry, by its own name, that the system finds.
bool namesAnExistingEntry(const std::wstring& path) {
  return isPlainAbsolutePath(path) && PathFileExistsW(path.c_str());
}

// An unknown Start Menu folder is no reason to drop anything.
bool isInStartMenu(const std::wstring& path, const std::wstring& startMenu) {
  return !startMenu.empty() && lowerCased(path).find(startMenu) != std::wstring::npos;
}

}  // namespace

void filterSelection(std::vector<std::wstring>& selection) {
  const std::wstring startMenu = startMenuFolder();
  const auto kept = std::remove_if(selection.begin(), selection.end(), [&startMenu](const std::wstring& path) {
    return !namesAnExistingEntry(path) || isInStartMenu(path, startMenu);
  });
  selection.erase(kept, selection.end());
}

namespace {

// Menus read a single "&" as the mark of an access key.
std::wstring withDoubledAmpersands(const std::wstring& text) {
  std::wstring doubled;
  doubled.reserve(text.size());
  for (wchar_t character : text) {
    doubled += character;
    if (character == L'&') doubled += L'&';
  }
  return doubled;
}

}  // namespace

std::wstring displayName(const std::vector<std::wstring>& selection) {
  return selection.empty() ? std::wstring() : withDoubledAmpersands(fileNameOf(selection.front(), false));
}

}  // namespace brivane
