#include <gtest/gtest.h>

#include <shlobj.h>
#include <shellapi.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "module/ExtensionModule.h"
#include "shell/CountingDataObject.h"
#include "shell/DropBlock.h"
#include "shell/ShellDataObject.h"

namespace brivane::test {
namespace {

// A folder of real files in the temporary area, removed with everything in it afterwards.
class TemporaryFolder {
 public:
  explicit TemporaryFolder(const std::vector<std::wstring>& files, const std::vector<std::wstring>& folders) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"brivane-selection-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(path_.c_str(), nullptr);
    for (const std::wstring& folder : folders) {
      CreateDirectoryW((path_ + L"\\" + folder).c_str(), nullptr);
      entries_.push_back({folder, true});
    }
    for (const std::wstring& file : files) {
      UniqueFile made(CreateFileW((path_ + L"\\" + file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
      entries_.push_back({file, false});
    }
  }
  ~TemporaryFolder() {
    for (const Entry& entry : entries_) {
      const std::wstring full = path_ + L"\\" + entry.name;
      entry.folder ? RemoveDirectoryW(full.c_str()) : DeleteFileW(full.c_str());
    }
    RemoveDirectoryW(path_.c_str());
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::wstring& path() const { return path_; }

 private:
  struct Entry {
    std::wstring name;
    bool folder;
  };
  std::wstring path_;
  std::vector<Entry> entries_;
};

std::vector<std::wstring> hdropNamesOf(IDataObject* data) {
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  StorageMedium medium;
  std::vector<std::wstring> names;
  if (FAILED(medium.fill(data, format))) return names;
  const auto drop = static_cast<HDROP>(medium.get().hGlobal);
  for (UINT i = 0, count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0); i < count; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    names.push_back(name);
  }
  return names;
}

class SelectionCapture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.loaded());
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    extension = module.create<IShellExtInit>();
    ASSERT_TRUE(extension);
  }
  void TearDown() override {
    extension.reset();
    EXPECT_EQ(module.canUnloadNow(), S_OK);
    CoUninitialize();
  }

  HRESULT initialize(IDataObject* data) { return extension->Initialize(nullptr, data, nullptr); }

  // Initialises with a double over the block and checks what every capture must do with it: one
  // CF_HDROP request for global memory, the medium given back, the data object held once.
  HRESULT initializeWithBlock(HGLOBAL block, DWORD medium = TYMED_HGLOBAL) {
    doubles.push_back(std::make_unique<CountingDataObject>(block, medium));
    CountingDataObject& data = *doubles.back();
    const HRESULT result = initialize(&data);
    EXPECT_EQ(data.references(), 1u);
    EXPECT_EQ(data.mediaHeld(), 0u) << "a storage medium was not released";
    EXPECT_EQ(data.requests().size(), 1u);
    if (!data.requests().empty()) {
      const FORMATETC& format = data.requests().front();
      EXPECT_EQ(format.cfFormat, CF_HDROP);
      EXPECT_EQ(format.ptd, nullptr);
      EXPECT_EQ(format.dwAspect, static_cast<DWORD>(DVASPECT_CONTENT));
      EXPECT_EQ(format.lindex, -1);
      EXPECT_EQ(format.tymed, static_cast<DWORD>(TYMED_HGLOBAL));
    }
    return result;
  }

  ExtensionModule& module = ExtensionModule::get();
  std::vector<std::unique_ptr<CountingDataObject>> doubles;  // outlive the extension: declared first
  ComPtr<IShellExtInit> extension;
};

TEST_F(SelectionCapture, ShellDataObjectOfRealItemsIsCapturedAndHeldOnce) {
  const std::vector<std::wstring> names = {L"plain.txt", L"a & b.txt", L"with  blanks .txt", L"clef \U0001D11E.txt",
                                           L"folder"};
  TemporaryFolder folder({names[0], names[1], names[2], names[3]}, {names[4]});
  ComPtr<IDataObject> data = test::shellDataObject(folder.path(), names);
  ASSERT_TRUE(data);
  const std::vector<std::wstring> shellNames = hdropNamesOf(data.get());
  ASSERT_EQ(shellNames.size(), names.size()) << "the shell's data object carries the items";
  EXPECT_EQ(shellNames[1], folder.path() + L"\\a & b.txt");

  const ULONG before = referenceCount(data.get());
  EXPECT_EQ(initialize(data.get()), S_OK);
  EXPECT_EQ(referenceCount(data.get()), before + 1);
  extension.reset();
  EXPECT_EQ(referenceCount(data.get()), before);
}

TEST_F(SelectionCapture, ZeroNamesAreAnEmptySelection) { EXPECT_EQ(initializeWithBlock(wideDropBlock({})), S_OK); }

TEST_F(SelectionCapture, NamesOfEveryKindAndLengthAreCaptured) {
  const std::vector<std::wstring> names = {L"C:\\docs\\a.txt", longPath(300), L"C:\\docs\\& and  blanks",
                                           L"C:\\docs\\\U0001F512 secured.qelf", longPath(32000)};
  EXPECT_EQ(initializeWithBlock(wideDropBlock(names)), S_OK);
}

TEST_F(SelectionCapture, NamesInTheSystemCodePageAreCaptured) {
  EXPECT_EQ(initializeWithBlock(ansiDropBlock({"C:\\docs\\a.txt", "C:\\docs\\b & c"})), S_OK);
}

TEST_F(SelectionCapture, DataObjectWithoutFileNamesFailsButStaysHeld) {
  EXPECT_EQ(initializeWithBlock(nullptr), E_FAIL);
  EXPECT_EQ(doubles.back()->mediaReleased(), 0u);
  extension.reset();
  EXPECT_EQ(doubles.back()->references(), 0u);
}

// A data object that answers with an empty medium instead of the names.
TEST_F(SelectionCapture, MediumWithoutGlobalMemoryIsRefused) {
  EXPECT_EQ(initializeWithBlock(wideDropBlock({L"C:\\docs\\a.txt"}), TYMED_NULL), E_FAIL);
  EXPECT_EQ(doubles.back()->mediaReleased(), 1u);
}

TEST_F(SelectionCapture, MalformedBlocksFailWithoutReadingPastThem) {
  const std::string names = wideList({L"C:\\docs\\a.txt", L"C:\\docs\\b.txt"});
  const std::string unterminated = dropHeader(sizeof(DROPFILES), true) + names.substr(0, names.size() - 4);
  EXPECT_EQ(initializeWithBlock(blockOf(unterminated)), E_FAIL);
  EXPECT_EQ(initializeWithBlock(blockOf(dropHeader(4096, true) + names)), E_FAIL);
  EXPECT_EQ(initializeWithBlock(blockOf(dropHeader(4, true) + names)), E_FAIL);
  EXPECT_EQ(initializeWithBlock(blockOf(dropHeader(sizeof(DROPFILES) + 1, true) + " " + names)), E_FAIL);
  EXPECT_EQ(initializeWithBlock(blockOf(std::string(8, '\0'))), E_FAIL);
  EXPECT_EQ(initializeWithBlock(blockOf(dropHeader(sizeof(DROPFILES), false) + "C:\\no end")), E_FAIL);
}

TEST_F(SelectionCapture, SecondInitializeReleasesTheFirstDataObject) {
  ASSERT_EQ(initializeWithBlock(wideDropBlock({L"C:\\docs\\first.txt"})), S_OK);
  CountingDataObject& first = *doubles.back();
  ASSERT_EQ(initializeWithBlock(wideDropBlock({L"C:\\docs\\second.txt", L"C:\\docs\\third.txt"})), S_OK);
  EXPECT_EQ(first.references(), 0u);
  EXPECT_EQ(first.requests().size(), 1u) << "the first data object was read again";
  extension.reset();
  EXPECT_EQ(doubles.back()->references(), 0u);
}

TEST_F(SelectionCapture, SameDataObjectTwiceIsHeldOnce) {
  CountingDataObject data(wideDropBlock({L"C:\\docs\\a.txt"}));
  EXPECT_EQ(initialize(&data), S_OK);
  EXPECT_EQ(initialize(&data), S_OK);
  EXPECT_EQ(data.references(), 1u);
  EXPECT_EQ(data.requests().size(), 2u);
  extension.reset();
  EXPECT_EQ(data.references(), 0u);
}

TEST_F(SelectionCapture, NullDataObjectFailsAndLetsGoOfTheEarlierOne) {
  ASSERT_EQ(initializeWithBlock(wideDropBlock({L"C:\\docs\\a.txt"})), S_OK);
  EXPECT_EQ(initialize(nullptr), E_FAIL);
  EXPECT_EQ(doubles.back()->references(), 0u);
  EXPECT_EQ(initialize(nullptr), E_FAIL);
}

// Explorer lets a user select a whole large folder; the capture must stay linear in the selection.
TEST_F(SelectionCapture, HundredThousandNamesAreCapturedQuickly) {
  std::vector<std::wstring> names;
  for (int i = 0; i < 100000; ++i) names.push_back(L"C:\\a rather large folder\\item number " + std::to_wstring(i));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(initializeWithBlock(wideDropBlock(names)), S_OK);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

}  // namespace
}  // namespace brivane::test
