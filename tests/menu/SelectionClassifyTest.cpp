#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "SelectionTempFolder.h"
#include "menu/ItemKind.h"
#include "menu/Selection.h"

namespace brivane {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Optional;
using Paths = std::vector<std::wstring>;

class ItemKindTest : public ::testing::Test {
 protected:
  SelectionTempFolder folder;
};

TEST_F(ItemKindTest, FoldersComeBeforeExtensions) {
  EXPECT_EQ(itemKindOf(folder.subfolder(L"notes")), ItemKind::Folder);
  EXPECT_EQ(itemKindOf(folder.subfolder(L"archive.qeld")), ItemKind::Folder);
  EXPECT_EQ(itemKindOf(folder.subfolder(L"x.qelf")), ItemKind::Folder);
}

TEST_F(ItemKindTest, SecuredItemsAreKnownByTheirExtensionInAnyLetterCase) {
  EXPECT_EQ(itemKindOf(folder.file(L"box.qeld")), ItemKind::QeldItem);
  EXPECT_EQ(itemKindOf(folder.file(L"Box.QelD")), ItemKind::QeldItem);
  EXPECT_EQ(itemKindOf(folder.file(L"Report.QELF")), ItemKind::QelfItem);
  EXPECT_EQ(itemKindOf(folder.file(L"R&D plan \U0001F512.qelf")), ItemKind::QelfItem);
}

TEST_F(ItemKindTest, OnlyTheTextAfterTheLastDotCounts) {
  folder.subfolder(L"x.qelf");
  EXPECT_EQ(itemKindOf(folder.file(L"x.qelf\\notes.txt")), ItemKind::PlainFile);
  EXPECT_EQ(itemKindOf(folder.file(L"box.qeld.txt")), ItemKind::PlainFile);
  EXPECT_EQ(itemKindOf(folder.file(L"qelf")), ItemKind::PlainFile);
}

TEST_F(ItemKindTest, WhatTheSearchCannotFindIsUnfound) {
  EXPECT_EQ(itemKindOf(folder.missing(L"gone.qelf")), ItemKind::Unfound);
  EXPECT_EQ(itemKindOf(L"C:\\"), ItemKind::Unfound);
  EXPECT_EQ(itemKindOf(L""), ItemKind::Unfound);
}

TEST_F(ItemKindTest, WildcardsAndNulsFindNothingElse) {
  const std::wstring file = folder.file(L"a.qelf");
  EXPECT_EQ(itemKindOf(folder.missing(L"*.qelf")), ItemKind::Unfound);
  EXPECT_EQ(itemKindOf(folder.missing(L"?.qelf")), ItemKind::Unfound);
  EXPECT_EQ(itemKindOf(file + std::wstring(1, L'\0') + L".txt"), ItemKind::Unfound);
}

TEST_F(ItemKindTest, PathsLongerThanTwoHundredSixtyCharactersAreFound) {
  const std::wstring outer(120, L'd');
  const std::wstring inner = outer + L"\\" + std::wstring(120, L'e');
  folder.subfolder(outer);
  const std::wstring deep = folder.subfolder(inner);
  const std::wstring file = folder.file(inner + L"\\long.qelf");
  ASSERT_GT(file.size(), 260u);
  EXPECT_EQ(itemKindOf(deep), ItemKind::Folder);
  EXPECT_EQ(itemKindOf(file), ItemKind::QelfItem);
}

TEST_F(ItemKindTest, PathsInTheLongFormAreFoundWhateverTheirLength) {
  const std::wstring prefix = L"\\\\?\\";
  EXPECT_EQ(itemKindOf(prefix + folder.file(L"a.txt")), ItemKind::PlainFile);
  EXPECT_EQ(itemKindOf(prefix + folder.file(L"box.qeld")), ItemKind::QeldItem);
  EXPECT_EQ(itemKindOf(prefix + folder.subfolder(L"notes")), ItemKind::Folder);
  const std::wstring deep = folder.longFormFile(3449, L".qelf");
  ASSERT_EQ(deep.size(), 3449u);
  EXPECT_EQ(itemKindOf(deep), ItemKind::QelfItem);
  EXPECT_EQ(itemKindOf(prefix + folder.missing(L"?.txt")), ItemKind::Unfound);
  EXPECT_EQ(itemKindOf(prefix + folder.missing(L"*.qeld")), ItemKind::Unfound);
}

class ClassifySelectionTest : public ::testing::Test {
 protected:
  SelectionSummary classify(const Paths& selection) { return classifySelection(selection, classification); }

  SelectionTempFolder folder;
  Classification classification;
};

TEST_F(ClassifySelectionTest, FoundItemsAreSortedIntoFilesAndFoldersInSelectionOrder) {
  const std::wstring docs = folder.subfolder(L"docs");
  const std::wstring a = folder.file(L"a.txt");
  const std::wstring box = folder.file(L"box.qeld");
  const std::wstring music = folder.subfolder(L"music");
  const std::wstring report = folder.file(L"report.qelf");
  const SelectionSummary summary = classify({docs, a, folder.missing(L"gone.txt"), box, music, report, L"C:\\"});
  EXPECT_THAT(classification.files, ElementsAre(a, box, report));
  EXPECT_THAT(classification.folders, ElementsAre(docs, music));
  EXPECT_THAT(summary.qeldItems, ElementsAre(box));
  EXPECT_THAT(summary.qelfItems, ElementsAre(report));
  EXPECT_FALSE(summary.allSecured);
  EXPECT_FALSE(summary.allQeld);
  EXPECT_FALSE(summary.allQelf);
}

TEST_F(ClassifySelectionTest, EveryClassificationStartsFromEmptyLists) {
  classification.files = {L"C:\\stale.txt"};
  classification.folders = {L"C:\\stale"};
  const std::wstring a = folder.file(L"a.txt");
  classify({a});
  EXPECT_THAT(classification.files, ElementsAre(a));
  EXPECT_THAT(classification.folders, IsEmpty());
  classify({folder.missing(L"gone")});
  EXPECT_THAT(classification.files, IsEmpty());
}

TEST_F(ClassifySelectionTest, OneFolderAndOneSecuredFolderAreMixed) {
  const std::wstring box = folder.file(L"box.qeld");
  const SelectionSummary summary = classify({folder.subfolder(L"docs"), box});
  EXPECT_EQ(classification.files.size(), 1u);
  EXPECT_EQ(classification.folders.size(), 1u);
  EXPECT_FALSE(summary.allSecured);
  EXPECT_THAT(summary.qeldItems, ElementsAre(box));
  EXPECT_THAT(chooseMenuKind(classification, summary), Optional(Mixed));
}

TEST_F(ClassifySelectionTest, SecuredFilesAndASecuredFolderAreAMixtureOfSecuredItems) {
  const SelectionSummary summary = classify({folder.file(L"a.qelf"), folder.file(L"b.qelf"), folder.file(L"c.qeld")});
  EXPECT_TRUE(summary.allSecured);
  EXPECT_FALSE(summary.allQelf);
  EXPECT_FALSE(summary.allQeld);
  EXPECT_EQ(summary.qelfItems.size(), 2u);
  EXPECT_EQ(summary.qeldItems.size(), 1u);
  EXPECT_THAT(chooseMenuKind(classification, summary), Optional(Secured));
}

TEST_F(ClassifySelectionTest, APlainFileBesideASecuredFolderIsNotAllSecured) {
  const std::wstring box = folder.file(L"box.qeld");
  const SelectionSummary summary = classify({folder.file(L"plan.doc"), box});
  EXPECT_FALSE(summary.allSecured);
  EXPECT_FALSE(summary.allQeld);
  EXPECT_THAT(summary.qeldItems, ElementsAre(box));
  EXPECT_THAT(chooseMenuKind(classification, summary), Optional(MultipleFiles));
}

TEST_F(ClassifySelectionTest, OnlySecuredFoldersOrOnlySecuredFiles) {
  SelectionSummary summary = classify({folder.file(L"a.qeld"), folder.file(L"B.QELD")});
  EXPECT_TRUE(summary.allSecured);
  EXPECT_TRUE(summary.allQeld);
  EXPECT_FALSE(summary.allQelf);
  summary = classify({folder.file(L"a.qelf")});
  EXPECT_TRUE(summary.allSecured);
  EXPECT_TRUE(summary.allQelf);
  EXPECT_FALSE(summary.allQeld);
  EXPECT_THAT(chooseMenuKind(classification, summary), Optional(Secured));
}

TEST_F(ClassifySelectionTest, UnfoundItemsCountNeitherWayButTheirTextDoes) {
  const std::wstring a = folder.file(L"a.qelf");
  SelectionSummary summary = classify({a, folder.missing(L"gone.qelf")});
  EXPECT_TRUE(summary.allSecured);
  EXPECT_TRUE(summary.allQelf);
  EXPECT_THAT(classification.files, ElementsAre(a));
  EXPECT_THAT(summary.qelfItems, ElementsAre(a));

  summary = classify({folder.missing(L"gone.txt"), a});
  EXPECT_TRUE(summary.allSecured);
  EXPECT_FALSE(summary.allQelf);
  EXPECT_FALSE(summary.allQeld);
  EXPECT_THAT(chooseMenuKind(classification, summary), Optional(Secured));
}

TEST_F(ClassifySelectionTest, AFolderNamedLikeASecuredFolderIsAFolder) {
  const SelectionSummary summary = classify({folder.subfolder(L"looks.qeld"), folder.file(L"real.qeld")});
  EXPECT_FALSE(summary.allSecured);
  EXPECT_EQ(summary.qeldItems.size(), 1u);
  EXPECT_THAT(chooseMenuKind(classification, summary), Optional(Mixed));
}

TEST_F(ClassifySelectionTest, ADriveRootAloneGetsNoMenu) {
  const SelectionSummary summary = classify({L"C:\\"});
  EXPECT_THAT(classification.files, IsEmpty());
  EXPECT_THAT(classification.folders, IsEmpty());
  EXPECT_TRUE(summary.allSecured);
  EXPECT_EQ(chooseMenuKind(classification, summary), std::nullopt);
  EXPECT_EQ(chooseMenuKind(classification, classify({})), std::nullopt);
}

TEST_F(ClassifySelectionTest, TheMenuKindFollowsTheNumbersOfFilesAndFolders) {
  const std::wstring a = folder.file(L"a.txt");
  const std::wstring b = folder.file(L"b.qelf");
  const std::wstring docs = folder.subfolder(L"docs");
  const std::wstring music = folder.subfolder(L"music");
  EXPECT_THAT(chooseMenuKind(classification, classify({a})), Optional(SingleFile));
  EXPECT_THAT(chooseMenuKind(classification, classify({a, b})), Optional(MultipleFiles));
  EXPECT_THAT(chooseMenuKind(classification, classify({docs})), Optional(SingleFolder));
  EXPECT_THAT(chooseMenuKind(classification, classify({docs, music})), Optional(MultipleFolders));
  EXPECT_THAT(chooseMenuKind(classification, classify({a, docs, music})), Optional(Mixed));
  EXPECT_THAT(chooseMenuKind(classification, classify({docs, b})), Optional(Mixed));
  EXPECT_THAT(chooseMenuKind(classification, classify({b})), Optional(Secured));
}

}  // namespace
}  // namespace brivane
