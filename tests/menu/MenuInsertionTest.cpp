#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "menu/MenuInsertion.h"
#include "menu/MenuReadBack.h"

namespace brivane {
namespace {

using testing::commandItem;
using ::testing::ElementsAre;
using testing::popupItem;
using testing::separatorItem;

class MenuInsertionTest : public ::testing::Test {
 protected:
  MenuInsertionTest() {
    AppendMenuW(menu.get(), MF_STRING, 1, L"Open");
    AppendMenuW(menu.get(), MF_STRING, 2, L"Print");
  }

  UniqueMenu menu = testing::shellMenu();
  UniqueBitmap bitmap{CreateBitmap(16, 16, 1, 32, nullptr)};
};

TEST_F(MenuInsertionTest, KeptItemsStandAtTheirPositionsWithTheirBitmaps) {
  UniqueMenu popup(CreateMenu());
  AppendMenuW(popup.get(), MF_STRING, 9, L"...");
  {
    MenuInsertion insertion(menu.get(), 1);
    ASSERT_TRUE(insertion.addSeparator());
    ASSERT_TRUE(insertion.addCommand(7, L"R&&D", bitmap.get()));
    ASSERT_TRUE(insertion.addPopup(popup, L"Send", bitmap.get()));
    insertion.keep();
  }
  EXPECT_FALSE(popup);
  EXPECT_THAT(testing::readMenu(menu.get()),
              ElementsAre(commandItem(L"Open", 1), separatorItem(), commandItem(L"R&&D", 7, bitmap.get()),
                          popupItem(L"Send", bitmap.get(), {commandItem(L"...", 9)}), commandItem(L"Print", 2)));
}

TEST_F(MenuInsertionTest, APositionBeyondTheLastItemAppends) {
  {
    MenuInsertion insertion(menu.get(), 0xFFFFFFFF);
    ASSERT_TRUE(insertion.addCommand(7, L"Secure", bitmap.get()));
    insertion.keep();
  }
  EXPECT_THAT(testing::readMenu(menu.get()),
              ElementsAre(commandItem(L"Open", 1), commandItem(L"Print", 2), commandItem(L"Secure", 7, bitmap.get())));
}

TEST_F(MenuInsertionTest, ItemsNotKeptAreRemovedAndTheirPopupsDestroyed) {
  UniqueMenu popup(CreateMenu());
  const HMENU popupHandle = popup.get();
  {
    MenuInsertion insertion(menu.get(), 1);
    ASSERT_TRUE(insertion.addSeparator());
    ASSERT_TRUE(insertion.addPopup(popup, L"Send", nullptr));
    ASSERT_TRUE(insertion.addCommand(7, L"Secure"));
  }
  EXPECT_THAT(testing::readMenu(menu.get()), ElementsAre(commandItem(L"Open", 1), commandItem(L"Print", 2)));
  EXPECT_FALSE(IsMenu(popupHandle));
}

TEST_F(MenuInsertionTest, AnInvalidMenuTakesNothing) {
  UniqueMenu popup(CreateMenu());
  MenuInsertion insertion(nullptr, 0);
  EXPECT_FALSE(insertion.addSeparator());
  EXPECT_FALSE(insertion.addPopup(popup, L"Send", nullptr));
  EXPECT_TRUE(popup);
}

}  // namespace
}  // namespace brivane
