#include <gtest/gtest.h>

#include <cstddef>
#include <optional>

#include "menu/CommandTable.h"

namespace brivane {
namespace {

using Role = CommandRole;

// What the dispatcher makes of an offset, by the boundaries it computes: first browse B1 = M + N + R,
// second submenu from S2 = B1 + 1, second browse B2 = S2 + N + R.
CommandEntry dispatcherReading(bool secured, std::size_t n, std::size_t r, std::size_t offset) {
  const std::size_t m = secured ? 3 : 2;
  const std::size_t b1 = m + n + r;
  const std::size_t s2 = b1 + 1;
  const std::size_t b2 = s2 + n + r;
  const bool keep = offset >= s2 || (offset == 1 && !secured);
  if (offset < m)
    return {.role = offset == 0 ? Role::Primary : offset == 1 ? Role::Secondary : Role::Convert, .keepOriginal = keep};
  if (offset == b1 || offset == b2) return {.role = Role::Browse, .inCopyMenu = offset == b2, .keepOriginal = keep};
  const std::size_t base = offset < b1 ? m : s2;
  const bool recent = offset >= base + n;
  return {.role = recent ? Role::SendRecent : Role::SendNear,
          .index = recent ? offset - base - n : offset - base,
          .inCopyMenu = base == s2,
          .keepOriginal = keep};
}

TEST(CommandTableTest, EveryOffsetMeansWhatTheDispatcherReadsIntoIt) {
  for (const bool secured : {false, true})
    for (std::size_t n = 0; n < 4; ++n)
      for (std::size_t r = 0; r < 4; ++r) {
        const CommandTable table(secured, n, r);
        ASSERT_EQ(table.count(), (secured ? 3u : 2u) + 2 * (n + r + 1));
        for (std::size_t offset = 0; offset < table.count(); ++offset) {
          SCOPED_TRACE(::testing::Message() << secured << " N " << n << " R " << r << " offset " << offset);
          EXPECT_EQ(table.commandAt(offset), dispatcherReading(secured, n, r, offset));
        }
        EXPECT_EQ(table.commandAt(table.count()), std::nullopt);
      }
}

TEST(CommandTableTest, TheSecuredFileWithTwoNearbyAndOneRecentFolder) {
  const CommandTable table(true, 2, 1);
  EXPECT_EQ(table.count(), 11u);
  EXPECT_EQ(table.commandAt(2)->role, Role::Convert);
  EXPECT_EQ(table.commandAt(1)->keepOriginal, false);
  EXPECT_EQ(table.commandAt(4), (CommandEntry{.role = Role::SendNear, .index = 1}));
  EXPECT_EQ(table.commandAt(5), (CommandEntry{.role = Role::SendRecent, .index = 0}));
  EXPECT_EQ(table.commandAt(6)->role, Role::Browse);
  EXPECT_EQ(table.commandAt(7), (CommandEntry{.role = Role::SendNear, .inCopyMenu = true, .keepOriginal = true}));
  EXPECT_EQ(table.commandAt(10), (CommandEntry{.role = Role::Browse, .inCopyMenu = true, .keepOriginal = true}));
}

TEST(CommandTableTest, APlainFileAloneUsesFourOffsets) {
  const CommandTable table(false, 0, 0);
  EXPECT_EQ(table.count(), 4u);
  EXPECT_EQ(table.commandAt(1), (CommandEntry{.role = Role::Secondary, .keepOriginal = true}));
  EXPECT_EQ(table.commandAt(2), (CommandEntry{.role = Role::Browse}));
  EXPECT_EQ(table.commandAt(3), (CommandEntry{.role = Role::Browse, .inCopyMenu = true, .keepOriginal = true}));
}

TEST(CommandTableTest, HugeListsAreResolvedWithoutWalkingThem) {
  const CommandTable table(false, 100000, 100000);
  EXPECT_EQ(table.count(), 2u + 2 * 200001);
  EXPECT_EQ(table.commandAt(2 + 200001 + 150000),
            (CommandEntry{.role = Role::SendRecent, .index = 50000, .inCopyMenu = true, .keepOriginal = true}));
}

TEST(CommandTableTest, TheTableCountsItsLists) {
  const CommandTable table(true, 2, 1);
  EXPECT_TRUE(table.secured());
  EXPECT_EQ(table.count(), 11u);
  EXPECT_EQ(CommandTable(false, 2, 1).count(), 10u);
}

TEST(FittedCommandTableTest, TheWholeMenuWhenItFits) {
  const std::optional<CommandTable> table = fittedCommandTable(true, 2, 1, 11);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->nearCount(), 2u);
  EXPECT_EQ(table->recentCount(), 1u);
  EXPECT_EQ(fittedCommandTable(true, 2, 1, 1000)->count(), 11u);
}

TEST(FittedCommandTableTest, RecentFoldersGoFirstThenNearbyOnesAlikeInBothSubmenus) {
  const std::optional<CommandTable> oneShort = fittedCommandTable(false, 2, 2, 11);
  ASSERT_TRUE(oneShort);
  EXPECT_EQ(oneShort->nearCount(), 2u);
  EXPECT_EQ(oneShort->recentCount(), 1u);
  EXPECT_EQ(oneShort->count(), 10u);

  const std::optional<CommandTable> withoutRecent = fittedCommandTable(false, 3, 2, 9);
  ASSERT_TRUE(withoutRecent);
  EXPECT_EQ(withoutRecent->nearCount(), 2u);
  EXPECT_EQ(withoutRecent->recentCount(), 0u);
  EXPECT_EQ(withoutRecent->count(), 8u);  // one identifier left over: a folder takes one in each submenu
}

TEST(FittedCommandTableTest, NothingWhenNotEvenBothBrowseEntriesFit) {
  const std::optional<CommandTable> bare = fittedCommandTable(true, 4, 4, 5);
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->count(), 5u);
  EXPECT_EQ(bare->nearCount() + bare->recentCount(), 0u);
  EXPECT_EQ(fittedCommandTable(true, 0, 0, 4), std::nullopt);
  EXPECT_EQ(fittedCommandTable(false, 0, 0, 3), std::nullopt);
  EXPECT_EQ(fittedCommandTable(false, 0, 0, 0), std::nullopt);
}

}  // namespace
}  // namespace brivane
