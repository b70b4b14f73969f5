#pragma once
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "doubles/CoreTestSetup.h"
#include "menu/Classification.h"
#include "menu/CommandTable.h"
#include "menu/MenuBuilder.h"
#include "menu/MenuReadBack.h"
#include "menu/SavedHistoryKey.h"
#include "support/Handles.h"
#include "support/TestSupport.h"

namespace brivane::testing {

// The texts a built menu must show, in the order of the main entries.
struct ExpectedTexts {
  std::vector<std::wstring> entries;  // primary, secondary and, for secured items, convert
  std::wstring send;
  std::wstring sendCopy;
};

// A selection built in a folder of its own, a shell menu, the three menu bitmaps and a history with the
// default limits and no entries; the core library is chosen by the derived fixture.
class MenuBuilderFixture : public ::testing::Test {
 protected:
  static constexpr UINT kFirstId = 100;
  static constexpr UINT kLastId = 0x7FFF;

  explicit MenuBuilderFixture(const std::wstring& coreFolder) : moduleFolder(coreFolder) {
    SavedHistoryKey::setLimits(3, 3);
  }

  // Items of the selection by name in the folder: "name\" makes a folder, "?name" a path that does not
  // exist, any other name an empty file.
  std::vector<std::wstring> selectionOf(const std::vector<std::wstring>& items) const {
    return selectionOf(items, folder);
  }
  static std::vector<std::wstring> selectionOf(const std::vector<std::wstring>& items, const TemporaryFolder& in) {
    std::vector<std::wstring> selection;
    for (const std::wstring& item : items) {
      if (item.starts_with(L"?"))
        selection.push_back(in.pathOf(item.substr(1)));
      else if (item.ends_with(L"\\"))
        selection.push_back(in.folder(item.substr(0, item.size() - 1)));
      else
        selection.push_back(in.file(item));
    }
    return selection;
  }

  std::uint16_t build(const std::vector<std::wstring>& selection, UINT flags = CMF_NORMAL, UINT firstId = kFirstId,
                      UINT lastId = kLastId, UINT position = 0) {
    table = buildMenu(menu.get(), position, firstId, lastId, flags, fileBitmap.get(), folderBitmap.get(),
                      convertBitmap.get(), selection, classification);
    return table ? static_cast<std::uint16_t>(table->count()) : 0;
  }

  // The text of a recent entry: long paths keep their drive, "..." and their last 59 characters.
  static std::wstring recentText(const std::wstring& path) {
    return path.size() < 70 ? path : path.substr(0, path.find(L'\\') + 1) + L"..." + path.substr(path.size() - 59);
  }

  // One send submenu's items for the classification's folders, identifiers from `id` on.
  std::vector<MenuItem> sendContent(UINT id) const {
    std::vector<MenuItem> items;
    for (const std::wstring& name : classification.nearNames) items.push_back(commandItem(name, id++));
    if (!classification.nearNames.empty()) items.push_back(separatorItem());
    for (const std::wstring& path : classification.recentPaths) items.push_back(commandItem(recentText(path), id++));
    if (!classification.recentPaths.empty()) items.push_back(separatorItem());
    items.push_back(commandItem(L"...", id));
    return items;
  }

  // The whole menu as it must stand after a build for the classification's folders.
  std::vector<MenuItem> expectedMenu(const ExpectedTexts& texts, HBITMAP entries, UINT firstId = kFirstId) const {
    std::vector<MenuItem> items{separatorItem()};
    UINT id = firstId;
    for (std::size_t i = 0; i < texts.entries.size(); ++i)
      items.push_back(commandItem(texts.entries[i], id++, i == 2 ? convertBitmap.get() : entries));
    const UINT perSubmenu = static_cast<UINT>(classification.nearNames.size() + classification.recentPaths.size() + 1);
    items.push_back(popupItem(texts.send, folderBitmap.get(), sendContent(id)));
    items.push_back(popupItem(texts.sendCopy, folderBitmap.get(), sendContent(id + perSubmenu)));
    items.push_back(separatorItem());
    return items;
  }

  std::vector<MenuItem> menuItems() const { return readMenu(menu.get()); }

  ModuleFolderSetting moduleFolder;
  SavedHistoryKey history;
  TemporaryFolder folder;
  UniqueMenu menu = shellMenu();
  UniqueBitmap fileBitmap{CreateBitmap(16, 16, 1, 32, nullptr)};
  UniqueBitmap folderBitmap{CreateBitmap(16, 16, 1, 32, nullptr)};
  UniqueBitmap convertBitmap{CreateBitmap(16, 16, 1, 32, nullptr)};
  Classification classification;
  std::optional<CommandTable> table;  // of the last build
};

}  // namespace brivane::testing
