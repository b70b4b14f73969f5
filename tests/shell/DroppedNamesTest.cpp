// The CF_HDROP reader on its own: what the selection holds after Initialize cannot be seen through the
// DLL's interfaces until the menu is built from it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/DropBlock.h"
#include "shell/DroppedFiles.h"

namespace brivane::test {
namespace {

// Reads a block and frees it.
std::optional<std::vector<std::wstring>> read(HGLOBAL block) {
  std::optional<std::vector<std::wstring>> names = readDroppedNames(block);
  GlobalFree(block);
  return names;
}

TEST(DroppedNames, WideNamesComeWholeAndInTheShellsOrder) {
  const std::vector<std::wstring> names = {L"C:\\docs\\b.txt", L"C:\\docs\\a.txt", L"C:\\docs\\& and  blanks ",
                                           L"C:\\docs\\\U0001F512 secured.qelf", longPath(261), longPath(32767)};
  EXPECT_EQ(read(wideDropBlock(names)), names);
}

TEST(DroppedNames, NamesInTheSystemCodePageAreWidened) {
  const std::optional<std::vector<std::wstring>> names = read(ansiDropBlock({"C:\\docs\\a.txt", "C:\\x & y"}));
  EXPECT_EQ(names, (std::vector<std::wstring>{L"C:\\docs\\a.txt", L"C:\\x & y"}));
}

TEST(DroppedNames, EmptyListHasNoNames) {
  const std::optional<std::vector<std::wstring>> names = read(wideDropBlock({}));
  ASSERT_TRUE(names);
  EXPECT_TRUE(names->empty());
}

// An empty name ends the list, wherever it stands: nothing after it is a name of the selection.
TEST(DroppedNames, EmptyNameEndsTheList) {
  const std::string list = wideList({L"C:\\a"}) + wideList({L"C:\\b"});
  EXPECT_EQ(read(blockOf(dropHeader(sizeof(DROPFILES), true) + list)), (std::vector<std::wstring>{L"C:\\a"}));
  const std::optional<std::vector<std::wstring>> leading =
      read(blockOf(dropHeader(sizeof(DROPFILES), true) + std::string(2, '\0') + wideList({L"C:\\a"})));
  ASSERT_TRUE(leading);
  EXPECT_TRUE(leading->empty());
}

TEST(DroppedNames, BlocksThatAreNotNameListsAreRefused) {
  const std::string names = wideList({L"C:\\docs\\a.txt"});
  EXPECT_FALSE(read(blockOf(dropHeader(sizeof(DROPFILES), true) + names.substr(0, names.size() - 2))));
  EXPECT_FALSE(read(blockOf(dropHeader(sizeof(DROPFILES) + names.size() + 2, true) + names)));
  EXPECT_FALSE(read(blockOf(dropHeader(0, true) + names)));
  EXPECT_FALSE(read(blockOf(dropHeader(sizeof(DROPFILES) + 1, true) + " " + names)));
  EXPECT_FALSE(read(blockOf(std::string(sizeof(DROPFILES) - 1, '\0'))));
  EXPECT_FALSE(readDroppedNames(nullptr));
}

TEST(DroppedNames, HundredThousandNamesKeepTheirOrder) {
  std::vector<std::wstring> names;
  for (int i = 0; i < 100000; ++i) names.push_back(L"C:\\folder\\item " + std::to_wstring(i));
  EXPECT_EQ(read(wideDropBlock(names)), names);
}

}  // namespace
}  // namespace brivane::test
