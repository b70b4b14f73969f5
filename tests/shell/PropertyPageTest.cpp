#include <gtest/gtest.h>

#include <shlobj.h>

#include <memory>
#include <string>
#include <vector>

#include "doubles/CoreTestSetup.h"
#include "module/ExtensionModule.h"
#include "protocol/ProtocolText.h"
#include "shell/CountingDataObject.h"
#include "shell/DropBlock.h"
#include "shell/ModelessSheet.h"
#include "shell/ShellDataObject.h"
#include "support/ApplicationJournal.h"
#include "support/TestSupport.h"

namespace brivane::test {
namespace {

using Pages = std::vector<HPROPSHEETPAGE>;

constexpr int kTextControl = 1003;
constexpr int kButton = 1002;
constexpr int kPathControl = 1004;
constexpr int kSecuredFolderIcon = 165;
constexpr int kSecuredFileIcon = 166;

const std::wstring kFileTextKey = L"contextmenu.property_sheet.efile_text";
const std::wstring kFolderTextKey = L"contextmenu.property_sheet.efolder_text";
const std::wstring kButtonKey = L"contextmenu.property_sheet.chg_pass_btn";

BOOL CALLBACK acceptPage(HPROPSHEETPAGE page, LPARAM pages) {
  reinterpret_cast<Pages*>(pages)->push_back(page);
  return TRUE;
}

BOOL CALLBACK refusePage(HPROPSHEETPAGE page, LPARAM pages) {
  reinterpret_cast<Pages*>(pages)->push_back(page);
  return FALSE;
}

// The request the button hands to the application for the item at `path`.
std::wstring expectedKeyChange(const std::wstring& path) {
  return L"<password_change>\n    <change_qelx_keys>\n        <target>\n            <source type=\"string\">" +
         escapeText(path, false) + L"</source>\n        </target>\n    </change_qelx_keys>\n</password_change>\n";
}

// The product's own text for a label key, from the text file beside its core library.
std::wstring productText(const std::wstring& key) {
  const std::wstring text = testing::fromUtf8(testing::readFileBytes(BRIVANE_MODULE_DIR L"\\palisorv3.txt").value_or(""));
  const std::size_t at = text.find(L"\n" + key + L"=");
  if (at == std::wstring::npos) return {};
  const std::size_t start = at + key.size() + 2;
  return text.substr(start, text.find_first_of(L"\r\n", start) - start);
}

// The extension as the properties dialog of the shell uses it: Initialize with the selection, then
// AddPages; the real product behind it unless a test points the module folder elsewhere.
class PropertyPage : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.loaded());
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    extension = module.create<IShellExtInit>();
    ASSERT_TRUE(extension);
    ASSERT_EQ(extension->QueryInterface(__uuidof(IShellPropSheetExt), sheetExtension.outVoid()), S_OK);
  }
  void TearDown() override {
    releaseExtension();
    EXPECT_EQ(module.canUnloadNow(), S_OK) << "an object or a page outlived its use";
    CoUninitialize();
  }

  void releaseExtension() {
    sheetExtension.reset();
    extension.reset();
  }

  // Real items in the folder "Docs", selected through the shell's data object.
  std::wstring item(const std::wstring& name) { return product.files().file(L"Docs\\" + name, "secured"); }
  void select(const std::vector<std::wstring>& names) {
    for (const std::wstring& name : names) item(name);
    const ComPtr<IDataObject> data = shellDataObject(docs, names);
    ASSERT_TRUE(data);
    ASSERT_EQ(extension->Initialize(nullptr, data.get(), nullptr), S_OK);
  }

  Pages addPages(LPFNSVADDPROPSHEETPAGE callback = acceptPage) {
    Pages pages;
    EXPECT_EQ(sheetExtension->AddPages(callback, reinterpret_cast<LPARAM>(&pages)), S_OK);
    return pages;
  }

  void useScriptedCore() { product.moduleFolderSetting().setString(BRIVANE_SCRIPTED_CORE_DIR); }

  // How far the sheet's tab icon is from the module's icon `id` at the same size (the sheet's image list
  // may hold fewer colours, so the two are near, not equal).
  std::size_t tabIconDistance(const ModelessSheet& sheet, int id) {
    int size = 0;
    HICON shown = sheet.tabIcon(size);
    HICON own = static_cast<HICON>(LoadImageW(module.handle(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
    const std::size_t distance = colourDistance(iconPixels(shown, size), iconPixels(own, size));
    if (shown) DestroyIcon(shown);
    if (own) DestroyIcon(own);
    return distance;
  }

  // The hand-off files left in the hand-off folder, as text, once `count` of them are there.
  std::vector<std::wstring> handOffDocuments(std::size_t count) {
    EXPECT_TRUE(testing::waitUntil([&] { return product.handOffFiles().size() >= count; }));
    std::vector<std::wstring> documents;
    for (const std::wstring& name : product.handOffFiles())
      documents.push_back(
          testing::fromUtf8(testing::readFileBytes(product.handOffFolder() + L"\\" + name).value_or("")));
    return documents;
  }

  ExtensionModule& module = ExtensionModule::get();
  testing::InstalledProduct product{BRIVANE_MODULE_DIR};
  testing::ScriptedCore script;
  std::wstring docs = product.files().folder(L"Docs");
  std::unique_ptr<CountingDataObject> data;  // outlives the extension, which holds it
  ComPtr<IShellExtInit> extension;
  ComPtr<IShellPropSheetExt> sheetExtension;
};

TEST_F(PropertyPage, SecuredFileGetsTheFilePageWithItsLabels) {
  useScriptedCore();  // it answers every label with its key
  select({L"Report.qelf"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  ASSERT_TRUE(sheet.shown());
  EXPECT_EQ(sheet.tabTitle(), L"eFile");
  EXPECT_EQ(sheet.controlText(kTextControl), kFileTextKey);
  EXPECT_EQ(sheet.controlText(kButton), kButtonKey);
  EXPECT_EQ(sheet.controlText(kPathControl), docs + L"\\Report.qelf");
  EXPECT_FALSE(sheet.controlVisible(kPathControl));
  EXPECT_TRUE(sheet.controlVisible(kButton));
  EXPECT_EQ(script.keysAsked(), (std::vector<std::wstring>{kFileTextKey, kFolderTextKey, kButtonKey}));
  EXPECT_LT(tabIconDistance(sheet, kSecuredFileIcon), tabIconDistance(sheet, kSecuredFolderIcon));
}

TEST_F(PropertyPage, SecuredFolderGetsTheFolderPage) {
  useScriptedCore();
  select({L"Vault.qeld"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  EXPECT_EQ(sheet.tabTitle(), L"eFolder");
  EXPECT_EQ(sheet.controlText(kTextControl), kFolderTextKey);
  EXPECT_EQ(sheet.controlText(kButton), kButtonKey);
  EXPECT_EQ(sheet.controlText(kPathControl), docs + L"\\Vault.qeld");
  EXPECT_LT(tabIconDistance(sheet, kSecuredFolderIcon), tabIconDistance(sheet, kSecuredFileIcon));
}

TEST_F(PropertyPage, EndingInCapitalsIsStillASecuredFile) {
  useScriptedCore();
  select({L"A.QELF"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  EXPECT_EQ(sheet.tabTitle(), L"eFile");
  EXPECT_EQ(sheet.controlText(kTextControl), kFileTextKey);
  EXPECT_LT(tabIconDistance(sheet, kSecuredFileIcon), tabIconDistance(sheet, kSecuredFolderIcon));
}

TEST_F(PropertyPage, ThePageShowsTheProductsTexts) {
  select({L"Report.qelf"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  ASSERT_FALSE(productText(kFileTextKey).empty());
  EXPECT_EQ(sheet.controlText(kTextControl), productText(kFileTextKey));
  EXPECT_EQ(sheet.controlText(kButton), productText(kButtonKey));
}

TEST_F(PropertyPage, ItemsThatAreNotOneSecuredItemGetNoPage) {
  select({L"notes.txt"});
  EXPECT_TRUE(addPages().empty()) << "an item that is not secured";
  select({L"Report.qelf", L"Vault.qeld"});
  EXPECT_TRUE(addPages().empty()) << "two items";
  select({L"One.qelf", L"Two.qelf"});
  EXPECT_TRUE(addPages().empty()) << "two secured files";
}

TEST_F(PropertyPage, ReplacePageIsNotOffered) {
  Pages pages;
  EXPECT_EQ(sheetExtension->ReplacePage(EXPPS_FILETYPES, acceptPage, reinterpret_cast<LPARAM>(&pages)), E_NOTIMPL);
  EXPECT_TRUE(pages.empty());
}

TEST_F(PropertyPage, ARefusedPageIsDestroyedWithEverythingItHeld) {
  select({L"Report.qelf"});
  const Pages offered = addPages(refusePage);
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_NE(offered.front(), nullptr);
  releaseExtension();
  EXPECT_EQ(module.canUnloadNow(), S_OK) << "the refused page or its item is still alive";
}

TEST_F(PropertyPage, APageKeepsTheModuleLoadedUntilItIsDestroyed) {
  select({L"Report.qelf"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  releaseExtension();
  EXPECT_EQ(module.canUnloadNow(), S_FALSE) << "the page's dialog procedure lives in the module";
  {
    ModelessSheet sheet(pages);
    EXPECT_EQ(sheet.tabTitle(), L"eFile");
    EXPECT_EQ(module.canUnloadNow(), S_FALSE);
  }
  EXPECT_EQ(module.canUnloadNow(), S_OK) << "the sheet destroyed the page";
}

TEST_F(PropertyPage, AnUnshownPageFreesItsItemWhenDestroyed) {
  select({L"Report.qelf"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  releaseExtension();
  EXPECT_EQ(module.canUnloadNow(), S_FALSE);
  EXPECT_TRUE(DestroyPropertySheetPage(pages.front()));
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

TEST_F(PropertyPage, EachPressOfTheButtonHandsOffAKeyChangeOfTheItem) {
  select({L"Report & notes \U0001D11E.qelf"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  sheet.press(kButton);
  sheet.press(kButton);
  const std::vector<testing::JournalEntry> entries = testing::waitForJournal(product.journalPath(), 2);
  ASSERT_EQ(entries.size(), 2u);
  for (const testing::JournalEntry& entry : entries) {
    EXPECT_TRUE(entry.wellFormed);
    EXPECT_EQ(entry.request, L"password_change");
    EXPECT_EQ(entry.document, expectedKeyChange(docs + L"\\Report & notes \U0001D11E.qelf"));
  }
  EXPECT_NE(entries[0].parameters, entries[1].parameters) << "both presses wrote one hand-off file";
}

TEST_F(PropertyPage, TheButtonStillWorksAfterTheExtensionIsGone) {
  select({L"Vault.qeld"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  releaseExtension();
  ModelessSheet sheet(pages);
  sheet.press(kButton);
  const std::vector<testing::JournalEntry> entries = testing::waitForJournal(product.journalPath());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries.front().document, expectedKeyChange(docs + L"\\Vault.qeld"));
}

TEST_F(PropertyPage, TheKeyChangeCarriesAPathLongerThanAnyControlBuffer) {
  const std::wstring path = L"C:\\long\\" + std::wstring(700, L'n') + L".qelf";
  data = std::make_unique<CountingDataObject>(wideDropBlock({path}));
  ASSERT_EQ(extension->Initialize(nullptr, data.get(), nullptr), S_OK);
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  sheet.press(kButton);
  const std::vector<testing::JournalEntry> entries = testing::waitForJournal(product.journalPath());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries.front().document, expectedKeyChange(path));
}

TEST_F(PropertyPage, WithoutLabelsThePageKeepsItsTemplateTextsAndTheButtonActsOnItsItem) {
  useScriptedCore();  // no application beside it: the hand-off file stays where it was written
  script.failAt(0, -5);
  select({L"Report.qelf"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  EXPECT_EQ(sheet.tabTitle(), L"eFile");
  EXPECT_EQ(sheet.controlText(kTextControl), L"This is a test ");
  EXPECT_EQ(sheet.controlText(kButton), L"Change Password ...");
  EXPECT_EQ(sheet.controlText(kPathControl), L"Static");
  sheet.press(kButton);
  const std::vector<std::wstring> documents = handOffDocuments(1);
  ASSERT_EQ(documents.size(), 1u);
  EXPECT_EQ(documents.front(), expectedKeyChange(docs + L"\\Report.qelf"));
}

TEST_F(PropertyPage, AnEmptyLabelLeavesTheTemplateTexts) {
  useScriptedCore();
  script.emptyAt(2);
  select({L"Vault.qeld"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  EXPECT_EQ(sheet.controlText(kTextControl), L"This is a test ");
  EXPECT_EQ(sheet.controlText(kButton), L"Change Password ...");
}

TEST_F(PropertyPage, WithoutTheCoreLibraryTheButtonDoesNothing) {
  const testing::TemporaryFolder noProduct;
  product.moduleFolderSetting().setString(noProduct.path());
  select({L"Report.qelf"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  EXPECT_EQ(sheet.controlText(kTextControl), L"This is a test ");
  sheet.press(kButton);
  EXPECT_FALSE(testing::waitUntil([&] { return !product.handOffFiles().empty(); }, 1500));
}

TEST_F(PropertyPage, WithoutTheEntryPointTheButtonDoesNothing) {
  product.moduleFolderSetting().setString(BRIVANE_CORE_WITHOUT_ENTRY_DIR);
  select({L"Report.qelf"});
  Pages pages = addPages();
  ASSERT_EQ(pages.size(), 1u);
  ModelessSheet sheet(pages);
  sheet.press(kButton);
  EXPECT_FALSE(testing::waitUntil([&] { return !product.handOffFiles().empty(); }, 1500));
}

}  // namespace
}  // namespace brivane::test
