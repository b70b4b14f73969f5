#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menu/MenuLabels.h"

namespace brivane {
namespace {

// Every label the text of its own key, with a placeholder where the product's texts have one.
MenuLabelSets labelSetsNamingTheirKeys() {
  MenuLabelSets sets;
  for (std::size_t set = 0; set < sets.size(); ++set)
    for (const wchar_t* key : kLabelSetKeys[set]) sets[set].push_back(std::wstring(key) + L" [%%1%%]");
  return sets;
}

SelectionSummary securedSummary(std::vector<std::wstring> qeld, std::vector<std::wstring> qelf) {
  SelectionSummary summary;
  summary.allSecured = true;
  summary.allQeld = qelf.empty();
  summary.allQelf = qeld.empty();
  summary.qeldItems = std::move(qeld);
  summary.qelfItems = std::move(qelf);
  return summary;
}

TEST(MenuLabelsTest, KeysAreFoundInTheirSets) {
  constexpr LabelRef unsecure = labelOf(L"contextmenu.efile.unsecure_single");
  EXPECT_EQ(unsecure.set, LabelSet::File);
  EXPECT_EQ(unsecure.index, 8u);
  constexpr LabelRef convert = labelOf(L"contextmenu.eff.convert_files_folders_to_exe");
  EXPECT_EQ(convert.set, LabelSet::Convert);
  EXPECT_EQ(convert.index, 3u);
  EXPECT_EQ(labelOf(L"contextmenu.emix.send_as_copy").index, 3u);
}

TEST(MenuLabelsTest, ExactlyOneRowAppliesToEverySelectionOfAKind) {
  Classification classification;
  classification.files = {L"a", L"b"};
  std::vector<SelectionSummary> summaries = {securedSummary({L"a"}, {}), securedSummary({L"a", L"b"}, {}),
                                             securedSummary({}, {L"a"}), securedSummary({}, {L"a", L"b"}),
                                             securedSummary({L"a"}, {L"b"})};
  for (const std::size_t secured : {0, 1, 2}) {
    SelectionSummary unsecured;
    unsecured.qeldItems.assign(secured, L"a");
    summaries.push_back(unsecured);
  }
  for (const MenuKind kind : {SingleFile, MultipleFiles, SingleFolder, MultipleFolders, Mixed, Secured})
    for (const SelectionSummary& summary : summaries) {
      if (kind == Secured && summary.qeldItems.empty() && summary.qelfItems.empty()) continue;
      std::size_t applying = 0;
      for (const MenuLabelRow& row : menuLabelRows())
        applying += row.kind == kind && row.applies(classification, summary);
      EXPECT_EQ(applying, 1u) << "kind " << kind;
    }
  EXPECT_EQ(menuLabelRows().size(), 12u);
  EXPECT_EQ(findMenuLabelRow(SendToSecuredFolder, classification, SelectionSummary{}), nullptr);
}

TEST(MenuLabelsTest, EveryPlaceholderTakesTheFirstItemsNameWithAmpersandsDoubled) {
  const MenuLabelRow* row = findMenuLabelRow(SingleFile, Classification{}, SelectionSummary{});
  ASSERT_NE(row, nullptr);
  MenuLabelSets sets;
  sets[0] = std::vector<std::wstring>(12, L"%%1%% and %%1%%%%1%");
  const MenuTexts texts = menuTextsOf(*row, sets, {L"C:\\docs\\R&D.txt"}, SelectionSummary{});
  EXPECT_EQ(texts.primary, L"R&&D.txt and R&&D.txt%%1%");
  EXPECT_EQ(texts.convert, std::nullopt);
}

TEST(MenuLabelsTest, TheOneSecuredItemLosesItsExtensionOnlyWhenSpeltExactly) {
  const MenuLabelSets sets = labelSetsNamingTheirKeys();
  const struct {
    SelectionSummary summary;
    std::wstring name;
  } cases[] = {
      {securedSummary({L"C:\\work\\b&x.qeld"}, {}), L"b&x"},
      {securedSummary({L"C:\\work\\BOX.QELD"}, {}), L"BOX.QELD"},
      {securedSummary({L"C:\\work\\a.qeld.qeld"}, {}), L"a.qeld"},
      {securedSummary({}, {L"C:\\docs\\plan.qelf"}), L"plan"},
      {securedSummary({}, {L"C:\\docs\\PLAN.QELF"}), L"PLAN.QELF"},
  };
  for (const auto& [summary, name] : cases) {
    const MenuLabelRow* row = findMenuLabelRow(Secured, Classification{}, summary);
    ASSERT_NE(row, nullptr);
    const MenuTexts texts = menuTextsOf(*row, sets, {L"C:\\elsewhere\\first.qeld"}, summary);
    EXPECT_EQ(texts.primary, L"contextmenu.efile.unsecure_single [" + name + L"]");
    EXPECT_EQ(texts.convert, L"contextmenu.eff.convert_file_to_exe [" + name + L"]");
  }
}

TEST(MenuLabelsTest, RowsWithoutANameKeepThePlaceholder) {
  const SelectionSummary summary = securedSummary({L"C:\\a.qeld"}, {L"C:\\b.qelf"});
  const MenuLabelRow* row = findMenuLabelRow(Secured, Classification{}, summary);
  ASSERT_NE(row, nullptr);
  const MenuTexts texts = menuTextsOf(*row, labelSetsNamingTheirKeys(), {L"C:\\a.qeld"}, summary);
  EXPECT_EQ(texts.sendCopy, L"contextmenu.emix.send_as_copy [%%1%%]");
}

}  // namespace
}  // namespace brivane
