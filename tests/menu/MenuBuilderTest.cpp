#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#include "menu/MenuBuilderFixture.h"
#include "settings/RegistryHelpers.h"
#include "support/Paths.h"

namespace brivane {
namespace {

using testing::commandItem;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::ExpectedTexts;
using ::testing::IsEmpty;
using ::testing::Not;
using testing::MenuItem;
using testing::separatorItem;
using ::testing::UnorderedElementsAreArray;
using Paths = std::vector<std::wstring>;

// The texts the substitute core library ships with, by key, read from its resource file.
const std::map<std::wstring, std::wstring>& shippedTexts() {
  static const std::map<std::wstring, std::wstring> texts = [] {
    std::map<std::wstring, std::wstring> read;
    const std::optional<std::string> bytes =
        testing::readFileBytes(std::wstring(BRIVANE_MODULE_DIR) + L"\\palisorv3.txt");
    std::istringstream lines(bytes.value_or(""));
    for (std::string line; std::getline(lines, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      const std::size_t equals = line.find('=');
      if (line.empty() || line.front() == '#' || equals == std::string::npos) continue;
      read[testing::fromUtf8(line.substr(0, equals))] = testing::fromUtf8(line.substr(equals + 1));
    }
    return read;
  }();
  return texts;
}

std::wstring shipped(const std::wstring& key) {
  const auto found = shippedTexts().find(L"contextmenu." + key);
  return found == shippedTexts().end() ? L"<missing " + key + L">" : found->second;
}

std::wstring named(std::wstring text, const std::wstring& name) {
  for (std::size_t at = text.find(L"%%1%%"); at != std::wstring::npos; at = text.find(L"%%1%%", at + name.size()))
    text.replace(at, 5, name);
  return text;
}

// Keys without "contextmenu.": primary, secondary, convert (empty for none), send, sendCopy.
ExpectedTexts shippedTextsOf(const std::array<const wchar_t*, 5>& keys, const std::wstring& name) {
  ExpectedTexts texts;
  for (std::size_t i = 0; i < 3; ++i)
    if (*keys[i]) texts.entries.push_back(named(shipped(keys[i]), name));
  texts.send = named(shipped(keys[3]), name);
  texts.sendCopy = named(shipped(keys[4]), name);
  return texts;
}

class MenuBuilderTest : public testing::MenuBuilderFixture {
 protected:
  MenuBuilderTest() : MenuBuilderFixture(BRIVANE_MODULE_DIR) {}

  // The names of the secured folders beside the first item, the selected ones left out.
  static Paths securedFoldersBeside(const Paths& selection) {
    const std::wstring beside = parentFolderOf(selection.front());
    Paths names;
    for (const std::wstring& name : testing::namesMatching(beside.substr(0, beside.size() - 1), L"*.qeld"))
      if (std::find(selection.begin(), selection.end(), beside + name) == selection.end()) names.push_back(name);
    return names;
  }

  // Secured folder files in a folder of their own, as the history would name them.
  Paths recentSecuredFolders(const Paths& names) const {
    Paths paths;
    for (const std::wstring& name : names) paths.push_back(elsewhere.file(name));
    return paths;
  }

  testing::TemporaryFolder elsewhere;
};

struct MenuCase {
  const char* name;
  Paths items;
  std::array<const wchar_t*, 5> keys;
  std::wstring placeholder;
  MenuKind kind;
  bool folderBitmap;
};

// Per case: the items, the label keys (primary, secondary, convert, the two submenus), the name in the
// labels, the kind, and whether the entries show the folder bitmap.
// clang-format off
const MenuCase kMenuCases[] = {
    {"one file", {L"R&D.txt"},
     {L"efile.secure_single", L"efile.secure_single_as_copy", L"",
      L"efile.send_single", L"efile.send_single_as_copy"},
     L"R&&D.txt", SingleFile, false},
    {"files", {L"a.txt", L"b.txt"},
     {L"efile.secure_multiple", L"efile.secure_multiple_as_copy", L"",
      L"efile.send_multiple", L"efile.send_multiple_as_copy"},
     L"", MultipleFiles, false},
    {"files with a secured folder", {L"a.txt", L"box.qeld"},
     {L"efile.secure_multiple", L"efile.secure_multiple_as_copy", L"",
      L"emix.send", L"emix.send_as_copy"},
     L"", MultipleFiles, false},
    {"one folder", {L"Docs & Co\\"},
     {L"efolder.secure_single", L"efolder.secure_single_as_copy", L"",
      L"efolder.send_single", L"efolder.send_single_as_copy"},
     L"Docs && Co", SingleFolder, true},
    {"folders", {L"one\\", L"two\\"},
     {L"efolder.secure_multiple", L"efolder.secure_multiple_as_copy", L"",
      L"efolder.send_multiple", L"efolder.send_multiple_as_copy"},
     L"", MultipleFolders, true},
    {"folder and secured folder", {L"one\\", L"box.qeld"},
     {L"efolder.secure_multiple", L"efolder.secure_multiple_as_copy", L"",
      L"efolder.send_multiple", L"efolder.send_multiple_as_copy"},
     L"", Mixed, true},
    {"folder and file", {L"one\\", L"a.txt"},
     {L"emix.secure", L"emix.secure_as_copy", L"",
      L"emix.send", L"emix.send_as_copy"},
     L"", Mixed, true},
    {"one secured folder", {L"b&x.qeld"},
     {L"efile.unsecure_single", L"efile.unsecure_single_to", L"eff.convert_file_to_exe",
      L"efolder.send_single", L"efolder.send_single_as_copy"},
     L"b&x", Secured, true},
    {"one secured folder found of two", {L"box.qeld", L"?gone.qeld"},
     {L"efile.unsecure_single", L"efile.unsecure_single_to", L"eff.convert_file_to_exe",
      L"efolder.send_single", L"efolder.send_single_as_copy"},
     L"box", Secured, true},
    {"secured folders", {L"a.qeld", L"b.qeld"},
     {L"efolder.unsecure_multiple", L"efolder.unsecure_multiple_to", L"eff.convert_folders_to_exe",
      L"efolder.send_multiple", L"efolder.send_multiple_as_copy"},
     L"", Secured, true},
    {"one secured file", {L"plan.qelf"},
     {L"efile.unsecure_single", L"efile.unsecure_single_to", L"eff.convert_file_to_exe",
      L"efile.send_single", L"efile.send_single_as_copy"},
     L"plan", Secured, false},
    {"one secured file in capitals", {L"PLAN.QELF"},
     {L"efile.unsecure_single", L"efile.unsecure_single_to", L"eff.convert_file_to_exe",
      L"efile.send_single", L"efile.send_single_as_copy"},
     L"PLAN.QELF", Secured, false},
    {"secured files", {L"a.qelf", L"b.qelf"},
     {L"efile.unsecure_multiple", L"efile.unsecure_multiple_to", L"eff.convert_files_to_exe",
      L"efile.send_multiple", L"efile.send_multiple_as_copy"},
     L"", Secured, false},
    {"secured files and folders", {L"a.qelf", L"b.qeld"},
     {L"emix.unsecure_files_folders", L"emix.unsecure_files_folders_to", L"eff.convert_files_folders_to_exe",
      L"emix.send", L"emix.send_as_copy"},
     L"", Secured, false},
};
// clang-format on

TEST_F(MenuBuilderTest, EveryCaseShowsItsLabelsBitmapsAndSubmenus) {
  for (const MenuCase& menuCase : kMenuCases) {
    SCOPED_TRACE(menuCase.name);
    const testing::TemporaryFolder caseFolder;
    menu = testing::shellMenu();
    classification = Classification{};
    const Paths selection = selectionOf(menuCase.items, caseFolder);
    const std::uint16_t count = build(selection);
    EXPECT_EQ(classification.menuKind, menuCase.kind);
    EXPECT_THAT(classification.nearNames, UnorderedElementsAreArray(securedFoldersBeside(selection)));
    EXPECT_THAT(classification.recentPaths, IsEmpty());
    // The two main entries (three with convert), then in each submenu the folders beside and browse.
    const std::size_t beside = securedFoldersBeside(selection).size();
    EXPECT_EQ(count, (menuCase.kind == Secured ? 3u : 2u) + 2 * (beside + 1));
    const ExpectedTexts texts = shippedTextsOf(menuCase.keys, menuCase.placeholder);
    EXPECT_THAT(menuItems(),
                ElementsAreArray(expectedMenu(texts, menuCase.folderBitmap ? folderBitmap.get() : fileBitmap.get())));
  }
}

TEST_F(MenuBuilderTest, OnePlainFileWithNothingBesideItUsesFourIdentifiers) {
  const Paths selection = selectionOf({L"R&D.txt"});
  ASSERT_EQ(build(selection), 4);
  const std::wstring name = L"R&&D.txt";
  EXPECT_THAT(
      menuItems(),
      ElementsAre(separatorItem(), commandItem(named(shipped(L"efile.secure_single"), name), 100, fileBitmap.get()),
                  commandItem(named(shipped(L"efile.secure_single_as_copy"), name), 101, fileBitmap.get()),
                  testing::popupItem(named(shipped(L"efile.send_single"), name), folderBitmap.get(),
                                     {commandItem(L"...", 102)}),
                  testing::popupItem(named(shipped(L"efile.send_single_as_copy"), name), folderBitmap.get(),
                                     {commandItem(L"...", 103)}),
                  separatorItem()));
}

TEST_F(MenuBuilderTest, ASecuredFileWithTwoNearbyAndOneRecentFolderUsesEleven) {
  const Paths selection = selectionOf({L"plan.qelf", L"x.qeld", L"y.qeld"});
  const Paths recent = recentSecuredFolders({L"far.qeld"});
  testing::SavedHistoryKey::setRecent(recent);
  ASSERT_EQ(build({selection.front()}), 11);
  EXPECT_THAT(classification.nearNames, UnorderedElementsAreArray(Paths{L"x.qeld", L"y.qeld"}));
  EXPECT_EQ(classification.recentPaths, recent);
  const std::vector<MenuItem> items = menuItems();
  ASSERT_EQ(items.size(), 7u);
  ASSERT_EQ(items[4].content.size(), 6u);  // two nearby, separator, one recent, separator, browse
  EXPECT_EQ(items[4].content[5], commandItem(L"...", 106));
  ASSERT_FALSE(items[5].content.empty());
  EXPECT_EQ(items[5].content[0].id, 107u);
  EXPECT_EQ(items[1].text, named(shipped(L"efile.unsecure_single"), L"plan"));
  EXPECT_EQ(items[4].text, named(shipped(L"efile.send_single"), L"plan"));
  ExpectedTexts texts = shippedTextsOf({L"efile.unsecure_single", L"efile.unsecure_single_to",
                                        L"eff.convert_file_to_exe", L"efile.send_single", L"efile.send_single_as_copy"},
                                       L"plan");
  EXPECT_THAT(items, ElementsAreArray(expectedMenu(texts, fileBitmap.get())));
}

TEST_F(MenuBuilderTest, TheDefaultEntryAloneOrNoVerbsGetNothing) {
  const Paths selection = selectionOf({L"a.txt"});
  AppendMenuW(menu.get(), MF_STRING, 1, L"Open");
  for (const UINT flags : {CMF_DEFAULTONLY, CMF_NOVERBS, CMF_DEFAULTONLY | CMF_NOVERBS}) {
    EXPECT_EQ(build(selection, flags), 0) << flags;
    EXPECT_THAT(menuItems(), ElementsAre(commandItem(L"Open", 1)));
  }
}

TEST_F(MenuBuilderTest, VerbsExplorerAndOtherFlagsGetTheFullMenu) {
  const Paths selection = selectionOf({L"a.txt", L"box.qeld", L"other.qeld"});
  ASSERT_EQ(build({selection[0], selection[1]}, CMF_NORMAL), 6);  // other.qeld is the one nearby target
  const std::vector<MenuItem> full = menuItems();
  for (const UINT flags : {CMF_DEFAULTONLY | CMF_EXPLORE, CMF_NODEFAULT, CMF_VERBSONLY, CMF_EXPLORE | CMF_NOVERBS}) {
    menu = testing::shellMenu();
    EXPECT_EQ(build({selection[0], selection[1]}, flags), 6) << flags;
    EXPECT_EQ(menuItems(), full) << flags;
  }
}

TEST_F(MenuBuilderTest, ARangeOneShortLeavesOutARecentFolderInBothSubmenus) {
  const Paths selection = selectionOf({L"a.txt", L"x.qeld", L"y.qeld"});
  const Paths recent = recentSecuredFolders({L"r1.qeld", L"r2.qeld"});
  testing::SavedHistoryKey::setRecent(recent);
  const UINT lastId = kFirstId + 10;  // 11 identifiers for a menu of 2 + 2 x 5
  ASSERT_EQ(build({selection.front()}, CMF_NORMAL, kFirstId, lastId), 10);
  EXPECT_EQ(classification.nearNames.size(), 2u);
  EXPECT_EQ(classification.recentPaths, Paths{recent.front()});
  ASSERT_TRUE(table);
  EXPECT_EQ(table->nearCount(), 2u);
  EXPECT_EQ(table->recentCount(), 1u);
  EXPECT_THAT(menuItems(),
              ElementsAreArray(expectedMenu(shippedTextsOf({L"efile.secure_single", L"efile.secure_single_as_copy", L"",
                                                            L"efile.send_single", L"efile.send_single_as_copy"},
                                                           L"a.txt"),
                                            fileBitmap.get())));
}

TEST_F(MenuBuilderTest, WithoutRecentFoldersANearbyOneIsLeftOut) {
  const Paths selection = selectionOf({L"a.txt", L"x.qeld", L"y.qeld"});
  ASSERT_EQ(build({selection.front()}, CMF_NORMAL, kFirstId, kFirstId + 6), 6);
  EXPECT_EQ(classification.nearNames.size(), 1u);
  const std::vector<MenuItem> items = menuItems();
  ASSERT_EQ(items.size(), 6u);
  EXPECT_EQ(items[3].content, sendContent(kFirstId + 2));
  EXPECT_EQ(items[4].content, sendContent(kFirstId + 4));
  ASSERT_EQ(items[4].content.size(), 3u);
  EXPECT_EQ(items[4].content[2], commandItem(L"...", kFirstId + 5));
}

TEST_F(MenuBuilderTest, TheCommandEntriesAndBothBrowseEntriesAreTheLeastThatIsInserted) {
  const Paths selection = selectionOf({L"box.qeld", L"x.qeld"});
  testing::SavedHistoryKey::setRecent(recentSecuredFolders({L"r1.qeld"}));
  ASSERT_EQ(build({selection.front()}, CMF_NORMAL, 0x7FF0, 0x7FF4), 5);
  EXPECT_THAT(classification.nearNames, IsEmpty());
  EXPECT_THAT(classification.recentPaths, IsEmpty());
  const std::vector<MenuItem> items = menuItems();
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items[4].content, (std::vector<MenuItem>{commandItem(L"...", 0x7FF3)}));
  EXPECT_EQ(items[5].content, (std::vector<MenuItem>{commandItem(L"...", 0x7FF4)}));
}

TEST_F(MenuBuilderTest, ARangeThatHoldsNothingInsertsNothing) {
  const Paths selection = selectionOf({L"box.qeld", L"x.qeld"});
  AppendMenuW(menu.get(), MF_STRING, 1, L"Open");
  EXPECT_EQ(build({selection.front()}, CMF_NORMAL, kFirstId, kFirstId + 3), 0);  // 3 + 2 needed
  EXPECT_EQ(build({selection.front()}, CMF_NORMAL, kFirstId, kFirstId - 1), 0);
  EXPECT_THAT(menuItems(), ElementsAre(commandItem(L"Open", 1)));
}

TEST_F(MenuBuilderTest, ASelectedSecuredFolderIsNeitherANearbyNorARecentTarget) {
  const Paths selection = selectionOf({L"box.qeld", L"other.qeld"});
  Paths upper = selection;
  for (std::wstring& path : upper) CharUpperBuffW(path.data(), static_cast<DWORD>(path.size()));
  const Paths distant = recentSecuredFolders({L"far.qeld"});
  testing::SavedHistoryKey::setRecent({upper[1], selection[0], distant[0]});
  ASSERT_EQ(build({selection.front()}), 3 + 2 * 3);
  EXPECT_EQ(classification.nearNames, Paths{L"other.qeld"});
  EXPECT_THAT(classification.nearPaths, UnorderedElementsAreArray(selection));
  EXPECT_EQ(classification.recentPaths, distant);
  const std::vector<MenuItem> items = menuItems();
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items[4].content, sendContent(kFirstId + 3));
  EXPECT_EQ(items[5].content, sendContent(kFirstId + 6));
}

TEST_F(MenuBuilderTest, NoSelectedSecuredFolderIsATargetWhateverTheLimitsAndTheOrderFound) {
  Paths others;
  for (wchar_t letter = L'a'; letter <= L'j'; ++letter) others.push_back(folder.file(std::wstring(1, letter) + L".qeld"));
  const std::wstring box = folder.file(L"box.qeld");
  std::wstring shouted = box;
  CharUpperBuffW(shouted.data(), static_cast<DWORD>(shouted.size()));
  const Paths distant = recentSecuredFolders({L"far.qeld"});
  for (const DWORD nearLimit : {0u, 1u, 3u}) {
    SCOPED_TRACE(nearLimit);
    testing::SavedHistoryKey::setLimits(3, nearLimit);
    testing::SavedHistoryKey::setRecent({shouted, box, distant[0]});
    menu = testing::shellMenu();
    ASSERT_GT(build({box}), 0);
    EXPECT_THAT(classification.nearNames, Not(Contains(L"box.qeld")));
    EXPECT_EQ(classification.recentPaths, distant);

    // Two selected together: neither is offered, nearby or recent.
    testing::SavedHistoryKey::setRecent({others[0], box, distant[0]});
    menu = testing::shellMenu();
    ASSERT_GT(build({box, others[0]}), 0);
    EXPECT_THAT(classification.nearNames, Not(Contains(L"box.qeld")));
    EXPECT_THAT(classification.nearNames, Not(Contains(L"a.qeld")));
    EXPECT_EQ(classification.nearNames.size(), nearLimit);
    EXPECT_EQ(classification.recentPaths, distant);
  }
}

TEST_F(MenuBuilderTest, AnItemInTheLongFormGetsItsMenuAndTheFoldersBesideIt) {
  const std::wstring first = L"\\\\?\\" + folder.file(L"a.txt");
  folder.file(L"box.qeld");
  ASSERT_EQ(build({first}), 2 + 2 * 2);
  EXPECT_EQ(classification.menuKind, SingleFile);
  EXPECT_EQ(classification.files, Paths{first});
  EXPECT_EQ(classification.nearNames, Paths{L"box.qeld"});
  EXPECT_EQ(menuItems()[1].text, named(shipped(L"efile.secure_single"), L"a.txt"));
}

TEST_F(MenuBuilderTest, TheNearbyLimitComesFromTheHistoryKey) {
  const Paths selection = selectionOf({L"a.txt", L"x.qeld", L"y.qeld", L"z.qeld"});
  testing::SavedHistoryKey::setLimits(3, 0);
  EXPECT_EQ(build({selection.front()}), 4);
  EXPECT_EQ(classification.nearLimit, 0);
  EXPECT_THAT(classification.nearNames, IsEmpty());
  testing::SavedHistoryKey::setLimits(3, 2);
  menu = testing::shellMenu();
  EXPECT_EQ(build({selection.front()}), 2 + 2 * 3);
  EXPECT_EQ(classification.nearNames.size(), 2u);
}

TEST_F(MenuBuilderTest, LabelsOfSeventyCharactersStayWholeAndLongerOnesAreShortened) {
  const std::wstring label = shipped(L"efile.secure_single");
  const std::size_t around = label.size() - 5;  // the label without its placeholder
  const std::wstring exact = std::wstring(70 - around - 4, L'e') + L".txt";
  ASSERT_EQ(build(selectionOf({exact})), 4);
  ASSERT_EQ(menuItems().size(), 6u);
  EXPECT_EQ(menuItems()[1].text, named(label, exact));
  EXPECT_EQ(menuItems()[1].text.size(), 70u);

  const std::wstring longer = std::wstring(76 - around - 4, L'l') + L".txt";
  const std::wstring whole = named(label, longer);
  menu = testing::shellMenu();
  ASSERT_EQ(build(selectionOf({longer})), 4);
  ASSERT_EQ(menuItems().size(), 6u);
  EXPECT_EQ(menuItems()[1].text, whole.substr(0, 28) + L" ... " + whole.substr(whole.size() - 42));
}

TEST_F(MenuBuilderTest, LongNamesOfOneSecuredItemAndNearbyAndRecentFoldersAreShownAsTheirRulesSay) {
  const std::wstring longName = std::wstring(80, L's');
  const Paths selection = selectionOf({longName + L".qelf", longName + L".qeld"});
  const Paths recent = recentSecuredFolders({std::wstring(90, L'r') + L".qeld"});
  testing::SavedHistoryKey::setRecent(recent);
  ASSERT_EQ(build({selection.front()}), 3 + 2 * 3);
  const std::vector<MenuItem> items = menuItems();
  ASSERT_EQ(items.size(), 7u);
  ASSERT_EQ(items[4].content.size(), 5u);
  EXPECT_EQ(items[1].text, named(shipped(L"efile.unsecure_single"), longName));
  const std::wstring nearName = longName + L".qeld";
  EXPECT_EQ(items[4].content[0].text, nearName.substr(0, 28) + L" ... " + nearName.substr(nearName.size() - 42));
  EXPECT_EQ(items[4].content[2].text, recentText(recent[0]));
  EXPECT_LT(items[4].content[2].text.size(), recent[0].size());
}

TEST_F(MenuBuilderTest, TheEntriesGoWhereTheShellAsksAndBitmapsMayBeMissing) {
  const Paths selection = selectionOf({L"a.txt"});
  AppendMenuW(menu.get(), MF_STRING, 1, L"Open");
  AppendMenuW(menu.get(), MF_STRING, 2, L"Print");
  const std::optional<CommandTable> built =
      buildMenu(menu.get(), 1, kFirstId, kLastId, CMF_NORMAL, nullptr, nullptr, nullptr, selection, classification);
  ASSERT_TRUE(built);
  ASSERT_EQ(built->count(), 4u);
  std::vector<MenuItem> items = menuItems();
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(items.front(), commandItem(L"Open", 1));
  EXPECT_EQ(items.back(), commandItem(L"Print", 2));
  EXPECT_EQ(items[2].checked, nullptr);
  EXPECT_EQ(items[4].unchecked, nullptr);

  menu = testing::shellMenu();
  AppendMenuW(menu.get(), MF_STRING, 1, L"Open");
  ASSERT_EQ(build(selection, CMF_NORMAL, kFirstId, kLastId, 0xFFFFFFFF), 4);
  items = menuItems();
  ASSERT_EQ(items.size(), 7u);
  EXPECT_EQ(items[2].checked, fileBitmap.get());
  EXPECT_EQ(items[4].checked, folderBitmap.get());
}

TEST_F(MenuBuilderTest, NothingFoundStillReadsTheLimitsListsTheTargetsAndSetsUpTheHistory) {
  RegDeleteTreeW(HKEY_CURRENT_USER, testing::SavedHistoryKey::kPath);
  folder.file(L"box.qeld");
  classification.menuKind = Mixed;
  EXPECT_EQ(build({folder.pathOf(L"gone.txt")}), 0);
  EXPECT_EQ(classification.recentLimit, 3);
  EXPECT_EQ(classification.nearLimit, 3);
  EXPECT_EQ(classification.nearNames, Paths{L"box.qeld"});
  EXPECT_EQ(classification.menuKind, Mixed);
  DWORD stored = 0;
  EXPECT_TRUE(readRegDword(HKEY_CURRENT_USER, testing::SavedHistoryKey::kPath, L"max_history", stored));
  EXPECT_EQ(stored, 3u);

  const Paths recent = recentSecuredFolders({L"far.qeld"});
  testing::SavedHistoryKey::setLimits(2, 0);
  testing::SavedHistoryKey::setRecent(recent);
  EXPECT_EQ(build({L"C:\\"}), 0);
  EXPECT_EQ(classification.recentLimit, 2);
  EXPECT_EQ(classification.nearLimit, 0);
  EXPECT_EQ(classification.recentPaths, recent);
  EXPECT_THAT(menuItems(), IsEmpty());
}

TEST_F(MenuBuilderTest, NothingFoundGetsNothing) {
  EXPECT_EQ(build({L"C:\\"}), 0);
  EXPECT_EQ(build({folder.pathOf(L"gone.txt")}), 0);
  EXPECT_EQ(build({}), 0);
  EXPECT_THAT(menuItems(), IsEmpty());
}

}  // namespace
}  // namespace brivane
