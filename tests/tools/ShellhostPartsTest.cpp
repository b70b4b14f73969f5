#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandLine.h"
#include "HandlerDiscovery.h"
#include "MenuPrinter.h"
#include "MenuScreenshot.h"
#include "Output.h"
#include "ShellSelection.h"
#include "TestFolder.h"

namespace brivane {
namespace {

using testing::TestFolder;
using Args = std::vector<std::wstring>;

template <typename Options>
Options parsed(const Args& args) {
  ParsedCommandLine result = parseCommandLine(args);
  EXPECT_TRUE(result.command.has_value()) << std::string(result.error.begin(), result.error.end());
  return result.command ? std::get<Options>(*result.command) : Options{};
}

std::wstring parseError(const Args& args) {
  ParsedCommandLine result = parseCommandLine(args);
  EXPECT_FALSE(result.command.has_value());
  return result.error;
}

TEST(ShellhostCommandLine, MenuTakesPathsAndOptionsInAnyOrder) {
  MenuOptions options = parsed<MenuOptions>({L"menu", L"C:\\a.txt", L"--flags", L"0x10", L"C:\\b c.txt", L"--invoke",
                                             L"3", L"--save-name", L"Archive", L"--report-dialog"});
  EXPECT_EQ(options.paths, (Args{L"C:\\a.txt", L"C:\\b c.txt"}));
  EXPECT_EQ(options.flags, 0x10u);
  ASSERT_TRUE(options.invoke.has_value());
  EXPECT_EQ(*options.invoke, 3u);
  EXPECT_EQ(options.dialog.action, DialogAction::SaveName);
  EXPECT_EQ(options.dialog.value, L"Archive");
  EXPECT_TRUE(options.dialog.report);
}

TEST(ShellhostCommandLine, MenuDefaultsAreThoseOfExplorer) {
  MenuOptions options = parsed<MenuOptions>({L"menu", L"C:\\a.txt"});
  EXPECT_EQ(options.flags, static_cast<UINT>(CMF_EXPLORE | CMF_CANRENAME));
  EXPECT_EQ(options.firstId, 1u);
  EXPECT_EQ(options.lastId, 0x7FFFu);
  EXPECT_FALSE(options.invoke.has_value());
  EXPECT_EQ(options.dialog.action, DialogAction::Cancel);
  EXPECT_TRUE(options.screenshot.empty());
}

TEST(ShellhostCommandLine, RelativePathsBecomeAbsolute) {
  wchar_t current[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, current);
  MenuOptions options = parsed<MenuOptions>({L"menu", L"x & y.txt", L"--choose-folder", L"sub"});
  std::wstring base = current;
  if (base.back() != L'\\') base += L'\\';
  EXPECT_EQ(options.paths, (Args{base + L"x & y.txt"}));
  EXPECT_EQ(options.dialog.action, DialogAction::ChooseFolder);
  EXPECT_EQ(options.dialog.value, base + L"sub");
}

TEST(ShellhostCommandLine, DropAndPropertiesHaveTheirOwnOptions) {
  DropOptions drop =
      parsed<DropOptions>({L"drop", L"C:\\box.qeld", L"C:\\a", L"--ctrl", L"C:\\b", L"--abandoned", L"C:\\old"});
  EXPECT_EQ(drop.target, L"C:\\box.qeld");
  EXPECT_EQ(drop.paths, (Args{L"C:\\a", L"C:\\b"}));
  EXPECT_EQ(drop.abandoned, (Args{L"C:\\old"}));
  EXPECT_TRUE(drop.ctrl);
  PropertiesOptions properties = parsed<PropertiesOptions>({L"properties", L"C:\\a.qelf", L"--press-button"});
  EXPECT_EQ(properties.path, L"C:\\a.qelf");
  EXPECT_TRUE(properties.pressButton);
  EXPECT_EQ(parseError({L"properties", L"C:\\a.qelf", L"--ctrl"}), L"unknown option --ctrl");
  EXPECT_EQ(parseError({L"drop", L"C:\\a", L"--invoke", L"1"}), L"unknown option --invoke");
}

TEST(ShellhostCommandLine, BadRangesAndValuesAreRefused) {
  EXPECT_EQ(parseError({L"menu", L"C:\\a", L"--first", L"0"}), L"bad command identifier range");
  EXPECT_EQ(parseError({L"menu", L"C:\\a", L"--first", L"10", L"--last", L"9"}), L"bad command identifier range");
  EXPECT_EQ(parseError({L"menu", L"C:\\a", L"--flags", L"-1"}), L"bad value for --flags: -1");
  EXPECT_EQ(parseError({}), L"no command given");
}

TEST(ShellhostCommandLine, NumbersAreWholeDecimalOrHexadecimal) {
  EXPECT_EQ(parseNumber(L"0"), 0u);
  EXPECT_EQ(parseNumber(L"4294967295"), 0xFFFFFFFFu);
  EXPECT_EQ(parseNumber(L"0x7fff"), 0x7FFFu);
  EXPECT_EQ(parseNumber(L"0X10"), 0x10u);
  for (const wchar_t* bad : {L"", L"4294967296", L"12a", L"0x", L" 1", L"-1", L"+1", L"0xg"}) {
    EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
  }
}

TEST(ShellhostOutput, QuotedTextDoublesQuotesAndNamesControlCharacters) {
  EXPECT_EQ(quoted(L"C:\\a & b"), L"\"C:\\a & b\"");
  EXPECT_EQ(quoted(L"say \"hi\""), L"\"say \"\"hi\"\"\"");
  EXPECT_EQ(quoted(L"Open\tCtrl+O"), L"\"Open{U+0009}Ctrl+O\"");
  EXPECT_EQ(hresultText(E_INVALIDARG), L"0x80070057");
  EXPECT_EQ(toUtf8(L"\U0001F600"), "\xF0\x9F\x98\x80");
}

class ShellhostShellTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

std::vector<std::wstring> hdropNames(const ShellSelection& selection) {
  ComPtr<IDataObject> data;
  EXPECT_TRUE(SUCCEEDED(selection.uiObject(nullptr, IID_IDataObject, data.outVoid())));
  std::vector<std::wstring> names;
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  StorageMedium medium;
  if (!data || FAILED(medium.fill(data.get(), format))) return names;
  HDROP drop = static_cast<HDROP>(GlobalLock(medium.get().hGlobal));
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    names.push_back(name);
  }
  GlobalUnlock(medium.get().hGlobal);
  return names;
}

TEST_F(ShellhostShellTest, DataObjectOfTheSelectionNamesEveryItemInOrder) {
  TestFolder folder;
  const std::vector<std::wstring> paths = {folder.file(L"z last.txt"), folder.folder(L"A folder & co"),
                                           folder.file(L"\U0001F600.txt"), folder.file(L"no extension")};
  ShellSelection selection;
  ASSERT_TRUE(SUCCEEDED(selection.resolve(paths)));
  EXPECT_EQ(selection.size(), paths.size());
  EXPECT_EQ(hdropNames(selection), paths);
  wchar_t parent[MAX_PATH] = {};
  ASSERT_TRUE(SHGetPathFromIDListW(selection.folderIdList(), parent));
  EXPECT_EQ(std::wstring(parent), folder.path());
}

TEST_F(ShellhostShellTest, ManyItemsAreNamedOnce) {
  TestFolder folder;
  std::vector<std::wstring> paths;
  for (int i = 0; i < 300; ++i) paths.push_back(folder.file(L"item " + std::to_wstring(i) + L".txt"));
  ShellSelection selection;
  ASSERT_TRUE(SUCCEEDED(selection.resolve(paths)));
  EXPECT_EQ(hdropNames(selection), paths);
}

TEST_F(ShellhostShellTest, SelectionOfADriveRootLiesInMyComputer) {
  ShellSelection selection;
  ASSERT_TRUE(SUCCEEDED(selection.resolve({L"C:\\"})));
  EXPECT_EQ(hdropNames(selection), (std::vector<std::wstring>{L"C:\\"}));
}

TEST_F(ShellhostShellTest, BadSelectionsAreRefused) {
  TestFolder one, two;
  ShellSelection selection;
  EXPECT_TRUE(FAILED(selection.resolve({})));
  EXPECT_TRUE(FAILED(selection.resolve({one.child(L"missing.txt")})));
  EXPECT_EQ(selection.resolve({one.file(L"a.txt"), two.file(L"b.txt")}), E_INVALIDARG);
  ComPtr<IDataObject> data;
  EXPECT_TRUE(FAILED(ShellSelection().uiObject(nullptr, IID_IDataObject, data.outVoid())));
}

TEST_F(ShellhostShellTest, ShellItemMenuOfTheSelectionExists) {
  TestFolder folder;
  ShellSelection selection;
  ASSERT_TRUE(SUCCEEDED(selection.resolve({folder.file(L"a.txt")})));
  ComPtr<IContextMenu> menu;
  EXPECT_TRUE(SUCCEEDED(selection.uiObject(nullptr, IID_IContextMenu, menu.outVoid())));
}

// Registry entries below a test key of the current user, removed afterwards.
class HandlerListTest : public ::testing::Test {
 protected:
  ~HandlerListTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, kRoot); }

  static void entry(const std::wstring& name, const wchar_t* defaultValue) {
    const std::wstring key = std::wstring(kRoot) + L"\\" + name;
    RegKey created;
    RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, created.out(), nullptr);
    if (defaultValue) {
      RegSetValueExW(created.get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(defaultValue),
                     static_cast<DWORD>((wcslen(defaultValue) + 1) * sizeof(wchar_t)));
    }
  }

  static constexpr wchar_t kRoot[] = L"Software\\BrivaneTests\\ShellhostHandlers";
};

TEST_F(HandlerListTest, HandlersAreNamedByDefaultValueOrKeyName) {
  entry(L"ByValue", L"{00000001-0000-0000-C000-000000000046}");
  entry(L"{00000002-0000-0000-C000-000000000046}", nullptr);
  entry(L"Broken", L"not a class");
  entry(L"Empty", nullptr);
  std::vector<RegisteredHandler> handlers = handlersListedUnder(HKEY_CURRENT_USER, kRoot);
  ASSERT_EQ(handlers.size(), 2u);
  std::vector<std::wstring> texts = {handlers[0].clsidText, handlers[1].clsidText};
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"{00000001-0000-0000-C000-000000000046}",
                                              L"{00000002-0000-0000-C000-000000000046}"}));
  CLSID expected{};
  CLSIDFromString(handlers[0].clsidText.c_str(), &expected);
  EXPECT_TRUE(IsEqualCLSID(handlers[0].clsid, expected));
}

TEST_F(HandlerListTest, MissingListHasNoHandlers) {
  EXPECT_TRUE(handlersListedUnder(HKEY_CURRENT_USER, L"Software\\BrivaneTests\\NoSuchList").empty());
}

void setDefaultValue(const wchar_t* key, const std::wstring& data) {
  RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, data.c_str(),
                  static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

TEST(ShellhostDropHandler, FileTypeNamesItsDropHandlerThroughTheProgId) {
  setDefaultValue(L".shdroptest", L"ShellhostTest.DropType");
  setDefaultValue(L"ShellhostTest.DropType\\shellex\\DropHandler", L"{00000003-0000-0000-C000-000000000046}");
  RegisteredHandler handler{};
  EXPECT_TRUE(dropHandlerForFile(L"C:\\x\\box.shdroptest", handler));
  EXPECT_EQ(handler.clsidText, L"{00000003-0000-0000-C000-000000000046}");
  EXPECT_TRUE(dropHandlerForFile(L"C:\\x\\BOX.SHDROPTEST", handler));  // registry names ignore case
  EXPECT_FALSE(dropHandlerForFile(L"C:\\x.shdroptest\\box", handler));
  EXPECT_FALSE(dropHandlerForFile(L"C:\\x\\box", handler));
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".shdroptest");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"ShellhostTest.DropType");
  EXPECT_FALSE(dropHandlerForFile(L"C:\\x\\box.shdroptest", handler));
}

HBITMAP dibSection(int width, int height, WORD bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bits;
  void* pixels = nullptr;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
}

TEST(ShellhostMenuPrinter, TreeShowsOffsetsLabelsStatesAndBitmaps) {
  UniqueBitmap file(dibSection(16, 16, 24)), small(dibSection(13, 11, 8));
  UniqueMenu menu(CreatePopupMenu());
  HMENU sub = CreatePopupMenu();  // owned by menu once inserted
  AppendMenuW(sub, MF_STRING | MF_CHECKED, 104, L"Inner \"quoted\"");
  AppendMenuW(sub, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING, 100, L"&First");
  SetMenuItemBitmaps(menu.get(), 0, MF_BYPOSITION, file.get(), small.get());
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_POPUP | MF_GRAYED, reinterpret_cast<UINT_PTR>(sub), L"Sub");
  AppendMenuW(menu.get(), MF_STRING | MF_DISABLED, 99, L"Before first");
  SetMenuDefaultItem(menu.get(), 99, FALSE);
  EXPECT_EQ(describeMenu(menu.get(), 100),
            (std::vector<std::wstring>{L"0 command 0 \"&First\" bitmap unchecked=16x16x24 checked=13x11x8",
                                       L"1 separator", L"2 popup \"Sub\" no bitmap grayed",
                                       L"  0 command 4 \"Inner \"\"quoted\"\"\" no bitmap checked", L"  1 separator",
                                       L"3 command -1 \"Before first\" no bitmap disabled default"}));
}

TEST(ShellhostMenuPrinter, BitmapTextNamesSizeAndDepth) {
  UniqueBitmap bitmap(dibSection(48, 32, 32));
  EXPECT_EQ(bitmapText(bitmap.get()), L"48x32x32");
  EXPECT_EQ(bitmapText(nullptr), L"none");
  HBITMAP gone = dibSection(1, 1, 24);
  DeleteObject(gone);
  EXPECT_EQ(bitmapText(gone), L"invalid");
}

TEST(ShellhostMenuPrinter, KeysOpenTheFirstSubmenuPastSeparators) {
  UniqueMenu menu(CreatePopupMenu());
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING, 1, L"one");
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu.get(), MF_STRING | MF_GRAYED, 2, L"two");
  EXPECT_EQ(keysToFirstSubmenu(menu.get()), L"");
  AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"sub");
  AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"later");
  const std::wstring down(1, static_cast<wchar_t>(VK_DOWN));
  EXPECT_EQ(keysToFirstSubmenu(menu.get()), down + down + down + static_cast<wchar_t>(VK_RIGHT));
}

}  // namespace
}  // namespace brivane
