#include <gtest/gtest.h>

#include <string>

#include "doubles/CoreTestSetup.h"
#include "protocol/CoreLibrary.h"
#include "protocol/ProtocolNode.h"
#include "support/CurrentDirectorySampler.h"
#include "support/TestSupport.h"
#include "support/Text.h"

namespace brivane {
namespace {

std::wstring scriptedCorePath() { return std::wstring(BRIVANE_SCRIPTED_CORE_DIR) + L"\\Brivane_Core.dll"; }

class CoreLibraryTest : public ::testing::Test {
 protected:
  testing::ModuleFolderSetting moduleFolder;
  testing::ScriptedCore script;
};

TEST_F(CoreLibraryTest, LoadsTheLibraryTheModuleFolderNamesAndFreesItAgain) {
  moduleFolder.set(BRIVANE_SCRIPTED_CORE_DIR);
  CoreLibrary library;
  library.load();
  ASSERT_TRUE(library.loaded());
  EXPECT_NE(GetModuleHandleW(scriptedCorePath().c_str()), nullptr);
  EXPECT_EQ(script.loads(), 1u);
  EXPECT_NE(library.free(), 0);
  EXPECT_FALSE(library.loaded());
  EXPECT_EQ(GetModuleHandleW(scriptedCorePath().c_str()), nullptr);
  EXPECT_EQ(script.frees(), 1u);
}

// The file a loaded module of this process was loaded from.
std::wstring loadedFrom(const wchar_t* module) {
  wchar_t path[MAX_PATH] = {};
  HMODULE handle = GetModuleHandleW(module);
  return handle && GetModuleFileNameW(handle, path, MAX_PATH) ? path : L"(not loaded)";
}

TEST_F(CoreLibraryTest, TheCoresOwnImportsComeFromItsFolderNotFromPlantedCopies) {
  testing::TemporaryFolder onPath;
  testing::TemporaryFolder current;
  const std::wstring helper = std::wstring(BRIVANE_HELPER_CORE_DIR) + L"\\corehelper.dll";
  for (const testing::TemporaryFolder* planted : {&onPath, &current})
    ASSERT_TRUE(CopyFileW(helper.c_str(), planted->pathOf(L"corehelper.dll").c_str(), FALSE));
  wchar_t savedPath[32768] = {};
  GetEnvironmentVariableW(L"PATH", savedPath, 32768);
  const std::wstring savedDirectory = testing::currentDirectory();
  SetEnvironmentVariableW(L"PATH", (onPath.path() + L";" + savedPath).c_str());
  SetCurrentDirectoryW(current.path().c_str());

  moduleFolder.set(BRIVANE_HELPER_CORE_DIR);
  CoreLibrary library;
  library.load();
  const bool loaded = library.loaded();
  const std::wstring from = loadedFrom(L"corehelper.dll");
  library.free();
  SetCurrentDirectoryW(savedDirectory.c_str());
  SetEnvironmentVariableW(L"PATH", savedPath);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(lowerCased(from), lowerCased(helper));
}

TEST_F(CoreLibraryTest, ARelativeModuleFolderIsNeverSearchedFor) {
  moduleFolder.set(L"doubles\\scripted");
  CoreLibrary library;
  library.load();
  EXPECT_FALSE(library.loaded());
  EXPECT_EQ(script.loads(), 0u);
}

TEST_F(CoreLibraryTest, AModuleFolderWithATrailingSeparatorWorksAlike) {
  moduleFolder.set(std::wstring(BRIVANE_SCRIPTED_CORE_DIR) + L"\\");
  CoreLibrary library;
  library.load();
  EXPECT_TRUE(library.loaded());
}

TEST_F(CoreLibraryTest, FreeWithNothingLoadedReturnsZero) {
  CoreLibrary library;
  EXPECT_EQ(library.free(), 0);
  EXPECT_EQ(library.entryPoint(), nullptr);
}

TEST_F(CoreLibraryTest, WithoutModuleFolderNothingIsLoaded) {
  moduleFolder.remove();
  CoreLibrary library;
  library.load();
  EXPECT_FALSE(library.loaded());
  CoreEntryPoint entryPoint = nullptr;
  EXPECT_EQ(openCoreLibrary(library, entryPoint), STATUS_CORE_UNAVAILABLE);
  EXPECT_EQ(script.loads(), 0u);
}

TEST_F(CoreLibraryTest, AFolderWithoutTheLibraryLeavesItUnloaded) {
  wchar_t temp[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  moduleFolder.set(temp);
  CoreLibrary library;
  library.load();
  EXPECT_FALSE(library.loaded());
}

TEST_F(CoreLibraryTest, ALibraryWithoutTheEntryPointIsLoadedFoundWantingAndFreed) {
  moduleFolder.set(BRIVANE_CORE_WITHOUT_ENTRY_DIR);
  CoreLibrary library;
  library.load();
  ASSERT_TRUE(library.loaded());
  EXPECT_EQ(library.entryPoint(), nullptr);
  CoreEntryPoint entryPoint = nullptr;
  EXPECT_EQ(openCoreLibrary(library, entryPoint), STATUS_CORE_UNAVAILABLE);
  EXPECT_FALSE(library.loaded());
  EXPECT_EQ(entryPoint, nullptr);
  EXPECT_EQ(script.loads(), 2u);
  EXPECT_EQ(script.frees(), 2u);
}

TEST_F(CoreLibraryTest, LoadingAgainReleasesTheFirstLoad) {
  moduleFolder.set(BRIVANE_SCRIPTED_CORE_DIR);
  CoreLibrary library;
  library.load();
  library.load();
  library.free();
  EXPECT_EQ(GetModuleHandleW(scriptedCorePath().c_str()), nullptr);
}

TEST_F(CoreLibraryTest, TheHolderFreesTheLibraryWhenItsScopeEnds) {
  moduleFolder.set(BRIVANE_SCRIPTED_CORE_DIR);
  {
    CoreLibrary library;
    CoreEntryPoint entryPoint = nullptr;
    ASSERT_EQ(openCoreLibrary(library, entryPoint), STATUS_OK);
    EXPECT_NE(entryPoint, nullptr);
  }
  EXPECT_EQ(GetModuleHandleW(scriptedCorePath().c_str()), nullptr);
  EXPECT_EQ(script.frees(), 1u);
}

TEST_F(CoreLibraryTest, TheEntryPointAppendsItsAnswerBelowTheResponseRoot) {
  moduleFolder.set(BRIVANE_SCRIPTED_CORE_DIR);
  script.answerText(L"answer");
  script.answerStatus(3);
  CoreLibrary library;
  CoreEntryPoint entryPoint = nullptr;
  ASSERT_EQ(openCoreLibrary(library, entryPoint), STATUS_OK);
  {
    ProtocolNode request(L"system", L"");
    ProtocolNode* query = ProtocolNode::addChild(&request, L"read_resource_string");
    query->findPath(L"file", true)->setString(L"palisorv3");
    query->findPath(L"path", true)->setString(L"some.key");
    ProtocolNode response;
    EXPECT_EQ(entryPoint(&request, &response), 3);
    EXPECT_EQ(response.childCount(), 1u);
    EXPECT_EQ(response.findPath(L"read_resource_string_response.value", true)->getString(), L"answer");
  }
  EXPECT_NE(library.free(), 0);
}

}  // namespace
}  // namespace brivane
