#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "menu/Classification.h"
#include "menu/Selection.h"
#include "protocol/Labels.h"

namespace brivane {

// The four label sets the menu is made of, in the order they are fetched.
enum class LabelSet : std::size_t { File, Folder, Mixed, Convert };

// One label: its set and its index there.
struct LabelRef {
  LabelSet set;
  std::size_t index;
};

inline constexpr std::array<std::span<const wchar_t* const>, 4> kLabelSetKeys = {kFileLabelKeys, kFolderLabelKeys,
                                                                                 kMixedLabelKeys, kConvertLabelKeys};

// The label of a key, found while compiling: a key of no set does not compile.
consteval LabelRef labelOf(std::wstring_view key) {
  for (std::size_t set = 0; set < kLabelSetKeys.size(); ++set)
    for (std::size_t index = 0; index < kLabelSetKeys[set].size(); ++index)
      if (key == kLabelSetKeys[set][index]) return {static_cast<LabelSet>(set), index};
  throw "not a menu label key";
}

// What takes the place of "%%1%%" in a row's labels.
enum class NameRule {
  None,              // labels used as fetched
  DisplayName,       // the first item's name, ampersands doubled
  OneSecuredFolder,  // the one secured folder found, without a final ".qeld"
  OneSecuredFile,    // the one secured file found, without a final ".qelf"
};

enum class MenuBitmap { File, Folder };

// One case of the menu: the kind and the test within it that select the row, the labels of the main
// entries and of the two send submenus, the name put into them, the bitmap of the main entries and
// whether the labels are shortened.
struct MenuLabelRow {
  MenuKind kind;
  bool (*applies)(const Classification&, const SelectionSummary&);
  LabelRef primary;
  LabelRef secondary;
  std::optional<LabelRef> convert;
  LabelRef send;
  LabelRef sendCopy;
  NameRule name;
  MenuBitmap bitmap;
  bool shortened;
};

// Every case, in the order rows are tried.
std::span<const MenuLabelRow> menuLabelRows();

// The first row of `kind` whose test holds for the classified selection; none when no row applies.
const MenuLabelRow* findMenuLabelRow(MenuKind kind, const Classification& classification,
                                     const SelectionSummary& summary);

// The fetched label sets, indexed by LabelSet.
using MenuLabelSets = std::array<std::vector<std::wstring>, 4>;

// The texts of a row's entries, with the name in place and shortened as the row says.
struct MenuTexts {
  std::wstring primary;
  std::wstring secondary;
  std::optional<std::wstring> convert;
  std::wstring send;
  std::wstring sendCopy;
};

MenuTexts menuTextsOf(const MenuLabelRow& row, const MenuLabelSets& sets, const std::vector<std::wstring>& selection,
                      const SelectionSummary& summary);

}  // namespace brivane
