#include <gtest/gtest.h>

#include <shlobj.h>

#include <set>
#include <string>
#include <vector>

#include "module/ExtensionModule.h"
#include "protocol/ProtocolText.h"
#include "shell/CountingDataObject.h"
#include "shell/DropBlock.h"
#include "shell/ShellDataObject.h"
#include "support/ApplicationJournal.h"
#include "support/CurrentDirectorySampler.h"
#include "support/TestSupport.h"

namespace brivane::test {
namespace {

using Paths = std::vector<std::wstring>;

constexpr DWORD kLeftButton = MK_LBUTTON;
constexpr DWORD kCtrlHeld = MK_LBUTTON | MK_CONTROL;

std::wstring quoted(const std::wstring& path) { return escapeText(path, false); }

// The request a drop hands to the application: the sources in the order dragged, added to the secured
// folder dropped onto, moved or copied.
std::wstring expectedSend(const std::wstring& securedFolder, const Paths& sources, bool copy) {
  std::wstring text = L"<securing_files>\n    <secure_folder>\n        <targets>\n            <target>\n"
                      L"                <options>\n";
  if (copy) text += L"                    <keep_original></keep_original>\n";
  text += L"                    <append_destination></append_destination>\n                </options>\n"
          L"                <destination type=\"string\">" + quoted(securedFolder) + L"</destination>\n"
          L"                <targets>\n";
  for (const std::wstring& source : sources)
    text += L"                    <target>\n                        <source type=\"string\">" + quoted(source) +
            L"</source>\n                    </target>\n";
  return text + L"                </targets>\n            </target>\n        </targets>\n        <options>\n"
                L"            <no_report></no_report>\n        </options>\n    </secure_folder>\n</securing_files>\n";
}

struct Effects {
  HRESULT enter = E_UNEXPECTED;
  DWORD entered = 0;
  HRESULT drop = E_UNEXPECTED;
  DWORD dropped = 0;
};

// The extension as Explorer's drop target on a secured folder, with the real product behind it.
class DropHandler : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.loaded());
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    target = module.create<IDropTarget>();
    ASSERT_TRUE(target);
  }
  void TearDown() override {
    target.reset();
    EXPECT_EQ(module.canUnloadNow(), S_OK);
    CoUninitialize();
  }

  void load(const std::wstring& path) {
    ComPtr<IPersistFile> file;
    ASSERT_EQ(target->QueryInterface(__uuidof(IPersistFile), file.outVoid()), S_OK);
    ASSERT_EQ(file->Load(path.c_str(), STGM_READ), S_OK);
  }

  // Real files in the folder "Docs", as the shell's data object names them.
  ComPtr<IDataObject> dragged(const Paths& names) {
    for (const std::wstring& name : names) product.files().file(L"Docs\\" + name, "content");
    return shellDataObject(docs, names);
  }
  std::wstring pathOf(const std::wstring& name) const { return docs + L"\\" + name; }
  // A file below folders of 150 characters each in "Docs", its full path at least `length` characters long.
  std::wstring deepFile(std::size_t length) const {
    std::wstring relative = L"Docs";
    while (product.files().pathOf(relative).size() + 6 < length) relative += L"\\" + std::wstring(150, L'd');
    product.files().folder(relative);
    return product.files().file(relative + L"\\f.txt", "content");
  }

  Effects dragAndDrop(IDataObject* data, DWORD enterKeys, DWORD dropKeys) {
    Effects effects;
    effects.entered = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    effects.enter = target->DragEnter(data, enterKeys, POINTL{10, 10}, &effects.entered);
    effects.dropped = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    effects.drop = target->Drop(data, dropKeys, POINTL{10, 10}, &effects.dropped);
    return effects;
  }

  // The one request the application received.
  testing::JournalEntry handedOff() {
    const auto entries = testing::waitForJournal(product.journalPath());
    EXPECT_EQ(entries.size(), 1u);
    EXPECT_TRUE(testing::waitUntil([&] { return product.handOffFiles().empty(); }));
    return entries.empty() ? testing::JournalEntry() : entries.front();
  }

  void expectNothingHandedOff() {
    EXPECT_FALSE(testing::waitUntil([&] { return testing::fileExists(product.journalPath()); }, 1500));
    EXPECT_TRUE(product.handOffFiles().empty());
  }

  ExtensionModule& module = ExtensionModule::get();
  testing::InstalledProduct product{BRIVANE_MODULE_DIR};
  std::wstring docs = product.files().folder(L"Docs");
  std::wstring vault = product.files().file(L"Docs\\Vault.qeld", "secured");
  ComPtr<IDropTarget> target;
};

TEST_F(DropHandler, TwoFilesDroppedWithoutCtrlAreMovedIntoTheSecuredFolderInTheirOrder) {
  load(vault);
  const ComPtr<IDataObject> data = dragged({L"b.txt", L"a.txt"});
  ASSERT_TRUE(data);
  const Effects effects = dragAndDrop(data.get(), kLeftButton, kLeftButton);
  EXPECT_EQ(effects.enter, S_OK);
  EXPECT_EQ(effects.entered, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_EQ(effects.drop, S_OK);
  EXPECT_EQ(effects.dropped, static_cast<DWORD>(DROPEFFECT_MOVE));
  const testing::JournalEntry entry = handedOff();
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(entry.request, L"securing_files");
  EXPECT_EQ(entry.document, expectedSend(vault, {pathOf(L"b.txt"), pathOf(L"a.txt")}, false));
}

TEST_F(DropHandler, TheHostsCurrentDirectoryNeverMovesWhileTheApplicationStartsInTheModuleFolder) {
  const std::wstring before = testing::currentDirectory();
  testing::CurrentDirectorySampler sampler;
  load(vault);
  const ComPtr<IDataObject> data = dragged({L"a.txt"});
  ASSERT_TRUE(data);
  EXPECT_EQ(dragAndDrop(data.get(), kLeftButton, kLeftButton).drop, S_OK);
  const testing::JournalEntry entry = handedOff();
  EXPECT_EQ(sampler.stop(), std::set<std::wstring>{before});
  EXPECT_GT(sampler.samples(), 1u);
  EXPECT_EQ(entry.workingFolder, BRIVANE_MODULE_DIR);
  EXPECT_EQ(entry.show, L"hidden");
  EXPECT_EQ(entry.commandLine,
            L"\"" + std::wstring(BRIVANE_MODULE_DIR) + L"\\Brivane_Application_Palisor_Against_Lib.exe\" " +
                entry.parameters);
}

TEST_F(DropHandler, CtrlHeldAtTheDropCopiesAndKeepsTheOriginals) {
  load(vault);
  const ComPtr<IDataObject> data = dragged({L"a.txt", L"b.txt"});
  ASSERT_TRUE(data);
  const Effects effects = dragAndDrop(data.get(), kLeftButton, kCtrlHeld);
  EXPECT_EQ(effects.entered, static_cast<DWORD>(DROPEFFECT_MOVE)) << "Ctrl was not held yet";
  EXPECT_EQ(effects.drop, S_OK);
  EXPECT_EQ(effects.dropped, static_cast<DWORD>(DROPEFFECT_COPY));
  const testing::JournalEntry entry = handedOff();
  EXPECT_TRUE(entry.wellFormed);
  EXPECT_EQ(entry.document, expectedSend(vault, {pathOf(L"a.txt"), pathOf(L"b.txt")}, true));
}

TEST_F(DropHandler, CtrlHeldAtEnteringShowsACopy) {
  const ComPtr<IDataObject> data = dragged({L"a.txt"});
  DWORD effect = DROPEFFECT_MOVE;
  EXPECT_EQ(target->DragEnter(data.get(), kCtrlHeld, POINTL{0, 0}, &effect), S_OK);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
  EXPECT_EQ(target->DragLeave(), S_OK);
}

TEST_F(DropHandler, DataWithoutFileNamesIsRefusedAndItsDropDoesNothing) {
  load(vault);
  CountingDataObject text(nullptr);
  const Effects effects = dragAndDrop(&text, kLeftButton, kLeftButton);
  EXPECT_EQ(effects.enter, E_INVALIDARG);
  EXPECT_EQ(effects.entered, static_cast<DWORD>(DROPEFFECT_NONE));
  EXPECT_EQ(effects.drop, S_OK);
  EXPECT_EQ(text.references(), 0u) << "the data object was kept";
  expectNothingHandedOff();
}

TEST_F(DropHandler, DragOverLeavesTheEffectAsItWas) {
  DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
  EXPECT_EQ(target->DragOver(kCtrlHeld, POINTL{5, 5}, &effect), E_NOTIMPL);
  EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY | DROPEFFECT_LINK));
}

TEST_F(DropHandler, DropWithoutATargetDoesNothing) {
  const ComPtr<IDataObject> data = dragged({L"a.txt"});
  const Effects effects = dragAndDrop(data.get(), kLeftButton, kLeftButton);
  EXPECT_EQ(effects.enter, S_OK);
  EXPECT_EQ(effects.drop, S_OK);
  EXPECT_EQ(effects.dropped, static_cast<DWORD>(DROPEFFECT_MOVE));
  expectNothingHandedOff();
}

TEST_F(DropHandler, DropWithoutTheCoreLibraryDoesNothing) {
  const testing::TemporaryFolder noProduct;
  product.moduleFolderSetting().setString(noProduct.path());
  load(vault);
  const ComPtr<IDataObject> data = dragged({L"a.txt"});
  const Effects effects = dragAndDrop(data.get(), kLeftButton, kCtrlHeld);
  EXPECT_EQ(effects.drop, S_OK);
  EXPECT_EQ(effects.dropped, static_cast<DWORD>(DROPEFFECT_COPY));
  expectNothingHandedOff();
}

TEST_F(DropHandler, AnAbandonedDragLeavesNothingForTheNextDrop) {
  load(vault);
  const ComPtr<IDataObject> abandoned = dragged({L"not this.txt"});
  DWORD effect = DROPEFFECT_MOVE;
  ASSERT_EQ(target->DragEnter(abandoned.get(), kLeftButton, POINTL{0, 0}, &effect), S_OK);
  ASSERT_EQ(target->DragLeave(), S_OK);
  const ComPtr<IDataObject> data = dragged({L"a.txt", L"b.txt"});
  const Effects effects = dragAndDrop(data.get(), kLeftButton, kLeftButton);
  EXPECT_EQ(effects.drop, S_OK);
  EXPECT_EQ(handedOff().document, expectedSend(vault, {pathOf(L"a.txt"), pathOf(L"b.txt")}, false));
}

TEST_F(DropHandler, ABlockWhoseNameListRunsPastItsEndIsRefused) {
  load(vault);
  const std::string names = wideList({pathOf(L"a.txt")});
  for (const std::string& bytes : {dropHeader(4096, true) + names,
                                   dropHeader(sizeof(DROPFILES), true) + names.substr(0, names.size() - 4)}) {
    CountingDataObject data(blockOf(bytes));
    const Effects effects = dragAndDrop(&data, kLeftButton, kLeftButton);
    EXPECT_EQ(effects.enter, E_INVALIDARG);
    EXPECT_EQ(effects.entered, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(effects.drop, S_OK);
  }
  expectNothingHandedOff();
}

TEST_F(DropHandler, AnAbandonedDragFollowedByTextDropsNothing) {
  load(vault);
  const ComPtr<IDataObject> abandoned = dragged({L"not this.txt"});
  DWORD effect = DROPEFFECT_MOVE;
  ASSERT_EQ(target->DragEnter(abandoned.get(), kLeftButton, POINTL{0, 0}, &effect), S_OK);
  ASSERT_EQ(target->DragLeave(), S_OK);
  CountingDataObject text(nullptr);
  const Effects effects = dragAndDrop(&text, kLeftButton, kLeftButton);
  EXPECT_EQ(effects.enter, E_INVALIDARG);
  EXPECT_EQ(effects.drop, S_OK);
  expectNothingHandedOff();
}

TEST_F(DropHandler, NamesWithBlanksAmpersandsAndCharactersBeyondTheBmpArriveWhole) {
  const std::wstring securedFolder = product.files().file(L"Docs\\Safe & sound \U0001D11E.qeld", "secured");
  load(securedFolder);
  const Paths names = {L"a & b.txt", L" with  blanks .txt", L"clef \U0001D11E.txt"};
  const ComPtr<IDataObject> data = dragged(names);
  ASSERT_TRUE(data);
  EXPECT_EQ(dragAndDrop(data.get(), kLeftButton, kLeftButton).enter, S_OK);
  EXPECT_EQ(handedOff().document,
            expectedSend(securedFolder, {pathOf(names[0]), pathOf(names[1]), pathOf(names[2])}, false));
}

TEST_F(DropHandler, PathsLongerThanTheShellBufferArriveWhole) {
  load(vault);
  const Paths names = {deepFile(300), deepFile(1000)};
  ASSERT_GT(names[0].size(), 300u);
  ASSERT_GT(names[1].size(), 1000u);
  CountingDataObject data(wideDropBlock(names));
  const Effects effects = dragAndDrop(&data, kLeftButton, kCtrlHeld);
  EXPECT_EQ(effects.enter, S_OK);
  EXPECT_EQ(data.mediaHeld(), 0u) << "a storage medium was not released";
  EXPECT_EQ(handedOff().document, expectedSend(vault, names, true));
}

// Any program can start a drag with a CF_HDROP block of its own: its names pass the context menu's filter.
// Each refused name stands for a file that exists, reached otherwise than by its plain full path, or for
// one that cannot be a file's name.
Paths refusedNamesFor(const std::wstring& file) {
  const std::wstring folder = file.substr(0, file.rfind(L'\\'));
  return {L"\\\\.\\PhysicalDrive0",
          L"\\\\?\\GLOBALROOT\\Device\\HarddiskVolume1\\a.txt",
          L"\\\\.\\" + file,
          L"\\\\?\\GLOBALROOT\\??\\" + file,
          folder + L"\\*.txt",
          folder + L"\\?.txt",
          L"a.txt",
          L"Docs\\a.txt",
          file.substr(2),
          folder + L"\\..\\Docs\\a.txt",
          file + L".",
          file + L"::$DATA",
          folder + L"\\gone.txt",
          folder + L"\\a\x01.txt",
          folder + L"\\line\r\nbreak.txt",
          folder + L"\\" + std::wstring{wchar_t(0xD800)} + L".txt",
          folder + L"\\" + std::wstring{wchar_t(0xDC00), L'x'},
          L"C:\\NUL",
          L"C:\\Docs\\con.txt"};
}

TEST_F(DropHandler, OnlyThePlainFullPathsOfExistingItemsAreHandedOff) {
  load(vault);
  const std::wstring a = product.files().file(L"Docs\\a.txt", "a");
  const std::wstring b = product.files().file(L"Docs\\b.txt", "b");
  Paths names = refusedNamesFor(a);
  names.insert(names.begin() + 3, a);
  names.push_back(b);
  CountingDataObject data(wideDropBlock(names));
  const Effects effects = dragAndDrop(&data, kLeftButton, kLeftButton);
  EXPECT_EQ(effects.enter, S_OK);
  EXPECT_EQ(effects.entered, static_cast<DWORD>(DROPEFFECT_MOVE));
  EXPECT_EQ(handedOff().document, expectedSend(vault, {a, b}, false));
}

TEST_F(DropHandler, ADragOfRefusedNamesOnlyIsRefusedAndItsDropHandsOffNothing) {
  load(vault);
  const std::wstring a = product.files().file(L"Docs\\a.txt", "a");
  for (const std::wstring& name : refusedNamesFor(a)) {
    CountingDataObject data(wideDropBlock({name}));
    const Effects effects = dragAndDrop(&data, kLeftButton, kCtrlHeld);
    EXPECT_EQ(effects.enter, E_INVALIDARG) << ::testing::PrintToString(name);
    EXPECT_EQ(effects.entered, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(effects.drop, S_OK);
  }
  CountingDataObject all(wideDropBlock(refusedNamesFor(a)));
  EXPECT_EQ(dragAndDrop(&all, kLeftButton, kLeftButton).enter, E_INVALIDARG);
  expectNothingHandedOff();
}

}  // namespace
}  // namespace brivane::test
