#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/CoreTestSetup.h"
#include "protocol/CoreLibrary.h"
#include "protocol/Labels.h"

namespace brivane {
namespace {

using ::testing::Each;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Not;
using Labels = std::vector<std::wstring>;
using LabelFetch = Status (*)(Labels&);

std::wstring scriptedCorePath() { return std::wstring(BRIVANE_SCRIPTED_CORE_DIR) + L"\\Brivane_Core.dll"; }

Labels keysOf(LabelKeys keys) { return Labels(keys.begin(), keys.end()); }

struct LabelSetCase {
  const char* name;
  LabelFetch fetch;
  LabelKeys keys;
};

const LabelSetCase kLabelSets[] = {
    {"efile", fetchFileLabels, kFileLabelKeys},
    {"efolder", fetchFolderLabels, kFolderLabelKeys},
    {"emix", fetchMixedLabels, kMixedLabelKeys},
    {"eff", fetchConvertLabels, kConvertLabelKeys},
};

class LabelsTest : public ::testing::Test {
 protected:
  testing::ModuleFolderSetting moduleFolder{BRIVANE_SCRIPTED_CORE_DIR};
  testing::ScriptedCore script;
};

TEST_F(LabelsTest, EverySetAsksForItsKeysInOrderWithOneLoadAndOneFree) {
  for (const LabelSetCase& set : kLabelSets) {
    SCOPED_TRACE(set.name);
    testing::ScriptedCore fresh;
    Labels labels;
    ASSERT_EQ(set.fetch(labels), STATUS_OK);
    EXPECT_THAT(labels, ElementsAreArray(keysOf(set.keys)));  // the double answers with the key itself
    EXPECT_THAT(fresh.keysAsked(), ElementsAreArray(keysOf(set.keys)));
    EXPECT_EQ(fresh.loads(), 1u);
    EXPECT_EQ(fresh.frees(), 1u);
    EXPECT_EQ(GetModuleHandleW(scriptedCorePath().c_str()), nullptr);
  }
}

TEST_F(LabelsTest, TheSetsHaveTheirFixedSizes) {
  EXPECT_EQ(kFileLabelKeys.size(), 12u);
  EXPECT_EQ(kFolderLabelKeys.size(), 10u);
  EXPECT_EQ(kMixedLabelKeys.size(), 6u);
  EXPECT_EQ(kConvertLabelKeys.size(), 4u);
  EXPECT_STREQ(kFileLabelKeys[8], L"contextmenu.efile.unsecure_single");
}

TEST_F(LabelsTest, TheSameTextForEveryKeyFillsTheWholeSet) {
  script.answerText(L"Secure \"%%1%%\" & more");
  Labels labels{L"old"};
  ASSERT_EQ(fetchFileLabels(labels), STATUS_OK);
  EXPECT_EQ(labels, Labels(12, L"Secure \"%%1%%\" & more"));
}

TEST_F(LabelsTest, TextsBeyondTheBasicPlaneArriveWhole) {
  const std::wstring text = L"Sichern \U0001F512 \u00e9t\u00e9";
  script.answerText(text);
  Labels labels;
  ASSERT_EQ(fetchConvertLabels(labels), STATUS_OK);
  EXPECT_THAT(labels, Each(text));
}

TEST_F(LabelsTest, AnEmptyLabelAtTheSixthKeyKeepsTheFiveBeforeIt) {
  script.emptyAt(5);
  Labels labels;
  EXPECT_EQ(fetchFileLabels(labels), STATUS_LABEL_EMPTY);
  ASSERT_EQ(labels.size(), 12u);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(labels[i], kFileLabelKeys[i]);
  for (std::size_t i = 5; i < 12; ++i) EXPECT_THAT(labels[i], IsEmpty()) << i;
  EXPECT_EQ(script.keysAsked().size(), 6u);
  EXPECT_EQ(script.frees(), 1u);
}

TEST_F(LabelsTest, ANegativeStatusAtTheFirstKeyEndsTheSetWithThatStatus) {
  script.failAt(0, -7);
  Labels labels{L"old", L"texts"};
  EXPECT_EQ(fetchFileLabels(labels), -7);
  EXPECT_EQ(labels, Labels(12));
  EXPECT_EQ(script.keysAsked().size(), 1u);
  EXPECT_EQ(script.frees(), 1u);
}

TEST_F(LabelsTest, ANegativeStatusLaterKeepsTheLabelsBeforeIt) {
  script.failAt(3, -5);
  Labels labels;
  EXPECT_EQ(fetchFolderLabels(labels), -5);
  ASSERT_EQ(labels.size(), 10u);
  EXPECT_EQ(Labels(labels.begin(), labels.begin() + 3), Labels(kFolderLabelKeys.begin(), kFolderLabelKeys.begin() + 3));
  EXPECT_EQ(Labels(labels.begin() + 3, labels.end()), Labels(7));
}

// The library appends its answer and then reports failure: the answer is not taken.
TEST_F(LabelsTest, AnAnswerThatComesWithANegativeStatusIsNeverRead) {
  script.answerText(L"not to be read");
  script.answerStatus(-9);
  Labels labels{L"old"};
  EXPECT_EQ(fetchFileLabels(labels), -9);
  EXPECT_EQ(labels, Labels(12));
  EXPECT_EQ(script.keysAsked().size(), 1u);
  std::wstring name = L"old";
  EXPECT_EQ(fetchDefaultFolderName(name), -9);
  EXPECT_EQ(name, L"old");
  CoreLibrary library;
  CoreEntryPoint entryPoint = nullptr;
  ASSERT_EQ(openCoreLibrary(library, entryPoint), STATUS_OK);
  std::wstring text = L"old";
  EXPECT_EQ(queryLabel(entryPoint, L"contextmenu.pathdialog.secure", text), -9);
  EXPECT_EQ(text, L"old");
}

TEST_F(LabelsTest, APositiveStatusStillGivesASetStatusOfZero) {
  script.answerStatus(3);
  Labels labels;
  EXPECT_EQ(fetchMixedLabels(labels), STATUS_OK);
  EXPECT_THAT(labels, Each(Not(IsEmpty())));
}

TEST_F(LabelsTest, AnAnswerWithoutAnyNodeCountsAsEmpty) {
  script.appendNothing();
  Labels labels;
  EXPECT_EQ(fetchConvertLabels(labels), STATUS_LABEL_EMPTY);
  EXPECT_EQ(labels, Labels(4));
}

TEST_F(LabelsTest, WithoutTheLibraryEverySetFailsAndKeepsItsOldTexts) {
  moduleFolder.remove();
  for (const LabelSetCase& set : kLabelSets) {
    SCOPED_TRACE(set.name);
    Labels labels{L"old", L"texts"};
    EXPECT_EQ(set.fetch(labels), STATUS_CORE_UNAVAILABLE);
    EXPECT_EQ(labels, (Labels{L"old", L"texts"}));
  }
  EXPECT_EQ(script.loads(), 0u);
}

TEST_F(LabelsTest, WithoutTheEntryPointEverySetFailsAndTheLibraryIsFreed) {
  moduleFolder.set(BRIVANE_CORE_WITHOUT_ENTRY_DIR);
  for (const LabelSetCase& set : kLabelSets) {
    SCOPED_TRACE(set.name);
    Labels labels{L"old"};
    EXPECT_EQ(set.fetch(labels), STATUS_CORE_UNAVAILABLE);
    EXPECT_EQ(labels, Labels{L"old"});
  }
  EXPECT_EQ(script.loads(), 4u);
  EXPECT_EQ(script.frees(), 4u);
}

TEST_F(LabelsTest, NodesTheLibraryAppendedAreReleasedBeforeTheLibraryIsFreed) {
  // Each answer node's child index dispatches into the library's code while it is destroyed, so a
  // library freed first would take that code away before the tree goes.
  Labels labels;
  for (int round = 0; round < 3; ++round) ASSERT_EQ(fetchFileLabels(labels), STATUS_OK);
  EXPECT_EQ(script.frees(), 3u);
  EXPECT_EQ(GetModuleHandleW(scriptedCorePath().c_str()), nullptr);
}

TEST_F(LabelsTest, TheDefaultFolderNamePassesOnThePositiveStatus) {
  script.answerText(L"New box");
  script.answerStatus(2);
  std::wstring name = L"old";
  EXPECT_EQ(fetchDefaultFolderName(name), 2);
  EXPECT_EQ(name, L"New box");
  EXPECT_THAT(script.keysAsked(), ElementsAreArray({std::wstring(kDefaultFolderNameKey)}));
  EXPECT_EQ(script.loads(), 1u);
  EXPECT_EQ(script.frees(), 1u);
}

TEST_F(LabelsTest, AFailedDefaultFolderNameLeavesTheNameAlone) {
  std::wstring name = L"old";
  script.emptyAt(0);
  EXPECT_EQ(fetchDefaultFolderName(name), STATUS_LABEL_EMPTY);
  EXPECT_EQ(name, L"old");
  script.failAt(0, -3);
  EXPECT_EQ(fetchDefaultFolderName(name), -3);
  EXPECT_EQ(name, L"old");
  moduleFolder.remove();
  EXPECT_EQ(fetchDefaultFolderName(name), STATUS_CORE_UNAVAILABLE);
  EXPECT_EQ(name, L"old");
}

TEST_F(LabelsTest, OneLoadServesSeveralQueries) {
  script.answerStatus(4);
  CoreLibrary library;
  CoreEntryPoint entryPoint = nullptr;
  ASSERT_EQ(openCoreLibrary(library, entryPoint), STATUS_OK);
  std::wstring first;
  std::wstring second;
  EXPECT_EQ(queryLabel(entryPoint, L"contextmenu.pathdialog.secure", first), 4);
  EXPECT_EQ(queryLabel(entryPoint, L"contextmenu.pathdialog.unsecure", second), 4);
  library.free();
  EXPECT_EQ(first, L"contextmenu.pathdialog.secure");
  EXPECT_EQ(second, L"contextmenu.pathdialog.unsecure");
  EXPECT_EQ(script.loads(), 1u);
}

TEST_F(LabelsTest, TheSharedSetProcedureServesAnyListOfKeys) {
  const wchar_t* const keys[] = {L"contextmenu.property_sheet.efile_text", L"contextmenu.property_sheet.chg_pass_btn"};
  Labels labels;
  EXPECT_EQ(fetchLabelSet(keys, labels), STATUS_OK);
  EXPECT_THAT(labels, ElementsAreArray(keys));
}

}  // namespace
}  // namespace brivane
