#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "doubles/CoreTestSetup.h"
#include "protocol/CoreLibrary.h"
#include "protocol/Labels.h"
#include "protocol/ProtocolNode.h"
#include "support/Handles.h"

namespace brivane {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using Labels = std::vector<std::wstring>;

constexpr wchar_t kPlaceholder[] = L"%%1%%";

// The keys of the property page and of the destination dialogs, which the extension asks for as well.
const wchar_t* const kPageAndDialogKeys[] = {
    L"contextmenu.property_sheet.efile_text",
    L"contextmenu.property_sheet.efolder_text",
    L"contextmenu.property_sheet.chg_pass_btn",
    L"contextmenu.pathdialog.secure",
    L"contextmenu.pathdialog.unsecure",
    L"contextmenu.pathdialog.unsecure_to_dialog.ok",
    L"contextmenu.pathdialog.unsecure_to_dialog.cancel",
    L"contextmenu.pathdialog.unsecure_to_dialog.caption",
    L"contextmenu.pathdialog.unsecure_to_dialog.newfolder",
};

std::wstring shippedCore() { return std::wstring(BRIVANE_MODULE_DIR) + L"\\Brivane_Core.dll"; }

class CoreProductTest : public ::testing::Test {
 protected:
  testing::ModuleFolderSetting moduleFolder{BRIVANE_MODULE_DIR};
};

TEST_F(CoreProductTest, EveryMenuSetHasTextsForAllItsKeys) {
  Labels file;
  Labels folder;
  Labels mixed;
  Labels convert;
  ASSERT_EQ(fetchFileLabels(file), STATUS_OK);
  ASSERT_EQ(fetchFolderLabels(folder), STATUS_OK);
  ASSERT_EQ(fetchMixedLabels(mixed), STATUS_OK);
  ASSERT_EQ(fetchConvertLabels(convert), STATUS_OK);
  for (const Labels* set : {&file, &folder, &mixed, &convert}) EXPECT_THAT(*set, Each(Not(IsEmpty())));
  EXPECT_EQ(GetModuleHandleW(shippedCore().c_str()), nullptr);
}

TEST_F(CoreProductTest, TheLabelsThatShowANameHaveAPlaceForIt) {
  Labels file;
  Labels folder;
  Labels convert;
  ASSERT_EQ(fetchFileLabels(file), STATUS_OK);
  ASSERT_EQ(fetchFolderLabels(folder), STATUS_OK);
  ASSERT_EQ(fetchConvertLabels(convert), STATUS_OK);
  for (int index : {0, 1, 2, 3, 8, 10}) EXPECT_THAT(file[index], HasSubstr(kPlaceholder)) << index;
  for (int index : {0, 1, 2, 3}) EXPECT_THAT(folder[index], HasSubstr(kPlaceholder)) << index;
  EXPECT_THAT(convert[0], HasSubstr(kPlaceholder));
  for (int index : {4, 5, 6, 7, 9, 11}) EXPECT_THAT(file[index], Not(HasSubstr(kPlaceholder))) << index;
}

TEST_F(CoreProductTest, ThePageAndDialogKeysAndTheDefaultFolderNameHaveTexts) {
  Labels labels;
  ASSERT_EQ(fetchLabelSet(kPageAndDialogKeys, labels), STATUS_OK);
  EXPECT_THAT(labels, Each(Not(IsEmpty())));
  std::wstring name;
  EXPECT_EQ(fetchDefaultFolderName(name), STATUS_OK);
  EXPECT_THAT(name, Not(IsEmpty()));
}

TEST_F(CoreProductTest, AnUnknownKeyGetsNoValue) {
  CoreLibrary library;
  CoreEntryPoint entryPoint = nullptr;
  ASSERT_EQ(openCoreLibrary(library, entryPoint), STATUS_OK);
  std::wstring label = L"old";
  EXPECT_EQ(queryLabel(entryPoint, L"contextmenu.no_such_key", label), STATUS_LABEL_EMPTY);
  EXPECT_EQ(queryLabel(entryPoint, L"", label), STATUS_LABEL_EMPTY);
  EXPECT_EQ(label, L"old");
}

// Builds category > request > arguments and returns the entry point's status, the answer in `value`.
Status ask(CoreEntryPoint entryPoint, const std::wstring& category, const std::wstring& request,
           const std::wstring& file, std::wstring& value) {
  ProtocolNode root(category, L"");
  ProtocolNode* node = ProtocolNode::addChild(&root, request);
  node->findPath(L"file", true)->setString(file);
  node->findPath(L"path", true)->setString(L"contextmenu.defaultfoldername");
  ProtocolNode response;
  Status status = entryPoint(&root, &response);
  value = response.findPath(request + L"_response.value", true)->getString();
  return status;
}

TEST_F(CoreProductTest, UnknownRequestsCategoriesAndFilesAreRefused) {
  CoreLibrary library;
  CoreEntryPoint entryPoint = nullptr;
  ASSERT_EQ(openCoreLibrary(library, entryPoint), STATUS_OK);
  std::wstring value;
  EXPECT_EQ(ask(entryPoint, L"system", L"read_resource_string", L"palisorv3", value), STATUS_OK);
  EXPECT_THAT(value, Not(IsEmpty()));
  EXPECT_LT(ask(entryPoint, L"system", L"write_resource_string", L"palisorv3", value), 0);
  EXPECT_LT(ask(entryPoint, L"files", L"read_resource_string", L"palisorv3", value), 0);
  EXPECT_LT(ask(entryPoint, L"system", L"read_resource_string", L"..\\palisorv3", value), 0);
  EXPECT_LT(ask(entryPoint, L"system", L"read_resource_string", L"other", value), 0);
  ProtocolNode response;
  EXPECT_LT(entryPoint(nullptr, &response), 0);
}

TEST_F(CoreProductTest, TheLibraryExportsTheEntryPointAlone) {
  HMODULE module = LoadLibraryExW(shippedCore().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(module, nullptr);
  auto base = reinterpret_cast<const BYTE*>(module);
  auto dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  auto nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  auto exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
  std::vector<std::string> names;
  auto nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) names.emplace_back(reinterpret_cast<const char*>(base + nameOffsets[i]));
  FreeLibrary(module);
  EXPECT_THAT(names, ElementsAre(kCoreEntryPointName));
}

// A copy of the shipped library in a folder of its own, beside a resource file the test writes.
class CoreCopy {
 public:
  CoreCopy() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"brivane-core-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(GetTickCount64());
    CreateDirectoryW(folder_.c_str(), nullptr);
    CopyFileW(shippedCore().c_str(), library().c_str(), FALSE);
  }
  ~CoreCopy() {
    DeleteFileW(library().c_str());
    DeleteFileW(texts().c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  CoreCopy(const CoreCopy&) = delete;
  CoreCopy& operator=(const CoreCopy&) = delete;

  const std::wstring& folder() const { return folder_; }
  void writeTexts(const std::string& bytes) const {
    HANDLE file = CreateFileW(texts().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
  }

 private:
  std::wstring library() const { return folder_ + L"\\Brivane_Core.dll"; }
  std::wstring texts() const { return folder_ + L"\\palisorv3.txt"; }
  std::wstring folder_;
};

TEST_F(CoreProductTest, TheResourceFileIsReadAsUtf8LinesOfKeyAndText) {
  CoreCopy copy;
  copy.writeTexts(
      "\xEF\xBB\xBF"
      "# a comment=not a text\r\n"
      "\r\n"
      "first=Erste \xC3\xA9t\xC3\xA9 \xF0\x9F\x94\x92\r\n"
      "second= a=b \r\n"
      "first=later duplicate\n"
      "blank=\n"
      "last=no line end");
  moduleFolder.set(copy.folder());
  const wchar_t* const keys[] = {L"first", L"second", L"last"};
  Labels labels;
  ASSERT_EQ(fetchLabelSet(keys, labels), STATUS_OK);
  EXPECT_THAT(labels, ElementsAre(L"Erste \u00e9t\u00e9 \U0001F512", L" a=b ", L"no line end"));
  const wchar_t* const empty[] = {L"blank"};
  EXPECT_EQ(fetchLabelSet(empty, labels), STATUS_LABEL_EMPTY);
  const wchar_t* const comment[] = {L"# a comment"};
  EXPECT_EQ(fetchLabelSet(comment, labels), STATUS_LABEL_EMPTY);
}

CoreEntryPoint entryPointOf(const UniqueModule& library) {
  auto generic = reinterpret_cast<void (*)()>(GetProcAddress(library.get(), kCoreEntryPointName));
  return reinterpret_cast<CoreEntryPoint>(generic);
}

// Each load reads the resource file once, at its first request: a load answers from the file as it
// was then, missing or not, and the next load sees the file as it is now. Loaded by path, without the
// registry, so that other tests may run beside it.
TEST_F(CoreProductTest, EachLoadReadsTheResourceFileOnce) {
  CoreCopy copy;
  const std::wstring path = copy.folder() + L"\\Brivane_Core.dll";
  std::wstring label;
  {
    UniqueModule core(LoadLibraryW(path.c_str()));
    ASSERT_TRUE(core);
    const Status missing = queryLabel(entryPointOf(core), L"key", label);
    EXPECT_LT(missing, 0);
    copy.writeTexts("key=first\n");
    EXPECT_EQ(queryLabel(entryPointOf(core), L"key", label), missing);
  }
  {
    UniqueModule core(LoadLibraryW(path.c_str()));
    ASSERT_EQ(queryLabel(entryPointOf(core), L"key", label), STATUS_OK);
    EXPECT_EQ(label, L"first");
    copy.writeTexts("key=second\n");
    ASSERT_EQ(queryLabel(entryPointOf(core), L"key", label), STATUS_OK);
    EXPECT_EQ(label, L"first");
  }
  UniqueModule core(LoadLibraryW(path.c_str()));
  ASSERT_EQ(queryLabel(entryPointOf(core), L"key", label), STATUS_OK);
  EXPECT_EQ(label, L"second");
}

TEST_F(CoreProductTest, AMissingResourceFileIsTheLibrarysOwnFailure) {
  CoreCopy copy;
  moduleFolder.set(copy.folder());
  Labels labels;
  Status status = fetchFileLabels(labels);
  EXPECT_LT(status, 0);
  EXPECT_NE(status, STATUS_CORE_UNAVAILABLE);
  EXPECT_NE(status, STATUS_LABEL_EMPTY);
}

}  // namespace
}  // namespace brivane
