#include "menu/MenuBuilderFixture.h"
#include "protocol/Labels.h"

namespace brivane {
namespace {

using testing::commandItem;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using testing::MenuItem;
using Paths = std::vector<std::wstring>;

// The keys of the last load's queries: each load records its own from the first place on.
Paths lastSetAsked(const testing::ScriptedCore& script, std::size_t size) {
  Paths keys = script.keysAsked();
  keys.resize(std::min(keys.size(), size));
  return keys;
}

class MenuBuilderScriptedTest : public testing::MenuBuilderFixture {
 protected:
  MenuBuilderScriptedTest() : MenuBuilderFixture(BRIVANE_SCRIPTED_CORE_DIR) {
    AppendMenuW(menu.get(), MF_STRING, 1, L"Open");
    classification.menuKind = MultipleFolders;
  }

  // Nothing was inserted and the earlier kind stands, while the found items were refilled.
  void expectNothingBuiltFor(const Paths& selection) {
    EXPECT_EQ(build(selection), 0);
    EXPECT_THAT(menuItems(), ElementsAre(commandItem(L"Open", 1)));
    EXPECT_EQ(classification.menuKind, MultipleFolders);
    EXPECT_EQ(classification.files, selection);
  }

  // The texts of the main entries and both submenus, as shown.
  std::vector<std::wstring> labelsShown() const {
    std::vector<std::wstring> texts;
    for (const MenuItem& item : menuItems())
      if (!item.separator && item.id != 1) texts.push_back(item.text);
    return texts;
  }

  testing::ScriptedCore script;
};

TEST_F(MenuBuilderScriptedTest, AMissingCoreLibraryGivesNothing) {
  moduleFolder.set(folder.path());
  expectNothingBuiltFor(selectionOf({L"a.txt"}));
  moduleFolder.remove();
  expectNothingBuiltFor(selectionOf({L"a.txt"}));
}

TEST_F(MenuBuilderScriptedTest, ACoreLibraryWithoutItsEntryPointGivesNothing) {
  moduleFolder.set(BRIVANE_CORE_WITHOUT_ENTRY_DIR);
  expectNothingBuiltFor(selectionOf({L"box.qeld"}));
}

TEST_F(MenuBuilderScriptedTest, ARejectedFirstLabelGivesNothingAndNoFurtherSetIsFetched) {
  script.failAt(0, -7);
  expectNothingBuiltFor(selectionOf({L"a.txt"}));
  EXPECT_EQ(script.loads(), 1u);
  EXPECT_EQ(script.frees(), 1u);
}

TEST_F(MenuBuilderScriptedTest, AnEmptySixthLabelGivesNothing) {
  script.emptyAt(5);
  expectNothingBuiltFor(selectionOf({L"plan.qelf"}));
  EXPECT_EQ(script.loads(), 1u);
  EXPECT_EQ(script.keysAsked().size(), 6u);
}

TEST_F(MenuBuilderScriptedTest, TheConvertSetIsFetchedForSecuredItemsOnly) {
  ASSERT_EQ(build(selectionOf({L"a.txt"})), 4);
  EXPECT_EQ(script.loads(), 3u);
  EXPECT_EQ(script.frees(), 3u);
  EXPECT_THAT(lastSetAsked(script, kMixedLabelKeys.size()), ElementsAreArray(kMixedLabelKeys));

  testing::ScriptedCore fresh;
  menu = testing::shellMenu();
  ASSERT_EQ(build(selectionOf({L"plan.qelf"})), 5);
  EXPECT_EQ(fresh.loads(), 4u);
  EXPECT_EQ(fresh.frees(), 4u);
  EXPECT_THAT(lastSetAsked(fresh, kConvertLabelKeys.size()), ElementsAreArray(kConvertLabelKeys));
}

TEST_F(MenuBuilderScriptedTest, EveryPlaceholderOfALabelTakesTheName) {
  script.answerText(L"%%1%% | %%1%%");
  ASSERT_EQ(build(selectionOf({L"a&b \U0001F512.txt"})), 4);
  EXPECT_THAT(labelsShown(),
              ElementsAre(L"a&&b \U0001F512.txt | a&&b \U0001F512.txt", L"a&&b \U0001F512.txt | a&&b \U0001F512.txt",
                          L"a&&b \U0001F512.txt | a&&b \U0001F512.txt", L"a&&b \U0001F512.txt | a&&b \U0001F512.txt"));
}

TEST_F(MenuBuilderScriptedTest, LabelsOfSeventyCharactersStayWhole) {
  const std::wstring exact(70, L'x');
  script.answerText(exact);
  ASSERT_EQ(build(selectionOf({L"a.txt"})), 4);
  EXPECT_THAT(labelsShown(), ElementsAre(exact, exact, exact, exact));
}

TEST_F(MenuBuilderScriptedTest, OnlyTheSeveralSecuredFilesOfTheSecuredCasesAreShortened) {
  std::wstring text;
  for (int i = 0; i < 80; ++i) text += static_cast<wchar_t>(L'a' + i % 26);
  const std::wstring shortened = text.substr(0, 28) + L" ... " + text.substr(80 - 42);
  script.answerText(text);
  const struct {
    Paths items;
    bool shortens;
  } cases[] = {
      {{L"a.txt"}, true},           {{L"a.txt", L"b.txt"}, true},   {{L"one\\"}, true},
      {{L"one\\", L"a.txt"}, true}, {{L"box.qeld"}, false},         {{L"a.qeld", L"b.qeld"}, false},
      {{L"a.qelf"}, false},         {{L"a.qelf", L"b.qelf"}, true}, {{L"a.qelf", L"b.qeld"}, false},
  };
  for (const auto& [items, shortens] : cases) {
    SCOPED_TRACE(testing::toUtf8(items.front()));
    const testing::TemporaryFolder caseFolder;
    menu = testing::shellMenu();
    ASSERT_NE(build(selectionOf(items, caseFolder)), 0);
    const std::vector<std::wstring> labels = labelsShown();
    EXPECT_EQ(labels, std::vector<std::wstring>(labels.size(), shortens ? shortened : text));
    EXPECT_GE(labels.size(), 4u);
  }
}

}  // namespace
}  // namespace brivane
