#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <thread>
#include <vector>

#include "operations/HandOff.h"
#include "operations/SecureRequests.h"
#include "support/ApplicationJournal.h"
#include "support/CurrentDirectorySampler.h"
#include "support/Paths.h"
#include "support/TestSupport.h"

namespace brivane {
namespace {

// The worked example: one file secured in place, as UTF-8 bytes.
const std::string kWorkedExample =
    "<securing_files>\n"
    "    <secure_file>\n"
    "        <targets>\n"
    "            <target>\n"
    "                <targets>\n"
    "                    <target>\n"
    "                        <source type=\"string\">C:\\Docs\\a.txt</source>\n"
    "                    </target>\n"
    "                </targets>\n"
    "                <destination type=\"string\">C:\\Docs\\a.txt.qelf</destination>\n"
    "                <options>\n"
    "                    <no_report></no_report>\n"
    "                </options>\n"
    "            </target>\n"
    "        </targets>\n"
    "        <options>\n"
    "            <no_report></no_report>\n"
    "        </options>\n"
    "    </secure_file>\n"
    "</securing_files>\n";

bool isHandOffName(const std::wstring& name) {
  if (name.size() != 18 || name.rfind(L"qel_", 0) != 0 || name.substr(14) != L".psa") return false;
  return name.substr(4, 10).find_first_not_of(L"0123456789") == std::wstring::npos;
}

// The product installed with an application that leaves hand-off files where they are written, so they
// can be read back.
class HandOff : public ::testing::Test {
 protected:
  testing::InstalledProduct product{BRIVANE_SCRIPTED_CORE_DIR};

  std::vector<std::string> handOffContents() const {
    std::vector<std::string> contents;
    for (const std::wstring& name : product.handOffFiles())
      contents.push_back(testing::readFileBytes(product.handOffFolder() + L"\\" + name).value_or(""));
    return contents;
  }
};

TEST_F(HandOff, TheWorkedExampleReachesTheFileByteForByte) {
  ProtocolNode request;
  buildSecureFilesRequest(request, {L"C:\\Docs\\a.txt"}, {L"C:\\Docs\\", 0});
  EXPECT_EQ(handOffRequest(request, {}), STATUS_OK);
  const auto names = product.handOffFiles();
  ASSERT_EQ(names.size(), 1u);
  EXPECT_TRUE(isHandOffName(names[0])) << testing::toUtf8(names[0]);
  EXPECT_EQ(handOffContents()[0], kWorkedExample);
}

TEST_F(HandOff, Latin1LettersAreTwoUtf8BytesAndLaterCharactersReferences) {
  ProtocolNode request(L"r", L"");
  ProtocolNode::addChild(&request, L"source")->setString(L"C:\\caf\u00e9 \u20ac\U0001F600.txt");
  EXPECT_EQ(handOffRequest(request, {}), STATUS_OK);
  const auto contents = handOffContents();
  ASSERT_EQ(contents.size(), 1u);
  EXPECT_EQ(contents[0],
            "<r>\n    <source type=\"string\">C:\\caf\xC3\xA9 &#x20ac;&#xd83d;&#xde00;.txt</source>\n</r>\n");
  EXPECT_EQ(contents[0].front(), '<');
}

TEST_F(HandOff, EveryHandOffGetsAFileOfItsOwn) {
  ProtocolNode request;
  buildSecureFilesRequest(request, {L"C:\\Docs\\a.txt"}, {L"C:\\Docs\\", 0});
  const std::wstring before = testing::currentDirectory();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(handOffRequest(request, {}), STATUS_OK);
  EXPECT_EQ(product.handOffFiles().size(), 3u);
  for (const std::string& content : handOffContents()) EXPECT_EQ(content, kWorkedExample);
  EXPECT_EQ(testing::currentDirectory(), before);
}

TEST_F(HandOff, ConcurrentHandOffsNeitherCollideNorLoseTheCurrentDirectory) {
  constexpr int kThreads = 8;
  constexpr int kEach = 4;
  const std::wstring before = testing::currentDirectory();
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([t] {
      for (int i = 0; i < kEach; ++i) {
        ProtocolNode request(L"request" + std::to_wstring(t * kEach + i), L"");
        handOffRequest(request, {});
      }
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(testing::currentDirectory(), before);
  std::set<std::string> contents;
  for (const std::string& content : handOffContents()) contents.insert(content);
  EXPECT_EQ(contents.size(), static_cast<std::size_t>(kThreads * kEach));
  EXPECT_EQ(contents.count("<request0></request0>\n"), 1u);
}

TEST_F(HandOff, AMissingTemporaryFolderIsMadeAndAPlaceBelowAFileFails) {
  const std::wstring made = product.files().pathOf(L"roamed") + L"\\from another machine";
  product.tempFolderSetting().setString(made);
  ProtocolNode request(L"r", L"");
  EXPECT_EQ(handOffRequest(request, {}), STATUS_OK);
  EXPECT_EQ(testing::namesMatching(made, L"qel_*.psa").size(), 1u);

  const std::wstring file = product.files().file(L"a file");
  product.tempFolderSetting().setString(file + L"\\temp");
  EXPECT_EQ(handOffRequest(request, {}), handOffFailure(ERROR_PATH_NOT_FOUND));
  EXPECT_TRUE(isExistingFile(file));
  EXPECT_TRUE(testing::namesMatching(product.files().path(), L"*.psa").empty());
}

TEST_F(HandOff, AnApplicationThatCannotStartTakesItsHandOffFileWithIt) {
  product.moduleFolderSetting().setString(product.files().folder(L"no application"));
  ProtocolNode request(L"r", L"");
  EXPECT_EQ(handOffRequest(request, {}), handOffFailure(ERROR_FILE_NOT_FOUND));
  EXPECT_TRUE(product.handOffFiles().empty());
}

TEST_F(HandOff, WithoutAModuleFolderNothingIsWritten) {
  ProtocolNode request(L"r", L"");
  product.moduleFolderSetting().remove();
  EXPECT_EQ(handOffRequest(request, {}), STATUS_PRODUCT_SETTINGS_MISSING);
  product.moduleFolderSetting().setString(L"");
  EXPECT_EQ(handOffRequest(request, {}), STATUS_PRODUCT_SETTINGS_MISSING);
  product.moduleFolderSetting().setDword(1);
  EXPECT_EQ(handOffRequest(request, {}), STATUS_PRODUCT_SETTINGS_MISSING);
  EXPECT_TRUE(product.handOffFiles().empty());
}

TEST_F(HandOff, WithoutAnyTemporaryFolderNothingIsWritten) {
  const wchar_t* const shellFolders = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  testing::RegistryValue localSettings(HKEY_CURRENT_USER, shellFolders, L"Local Settings");
  testing::RegistryValue localAppData(HKEY_CURRENT_USER, shellFolders, L"Local AppData");
  testing::RegistryValue appData(HKEY_CURRENT_USER, shellFolders, L"AppData");
  localSettings.remove();
  localAppData.remove();
  appData.remove();
  product.tempFolderSetting().remove();
  const auto rootFilesBefore = testing::namesMatching(L"\\", L"qel_*.psa");
  ProtocolNode request(L"r", L"");
  EXPECT_EQ(handOffRequest(request, {}), handOffFailure(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(testing::namesMatching(L"\\", L"qel_*.psa"), rootFilesBefore);
}

TEST_F(HandOff, AUserTemporaryFolderWinsOverTheMachineOne) {
  testing::RegistryValue userTemp(HKEY_CURRENT_USER, L"Software\\Brivane", L"TempFolder");
  const std::wstring userFolder = product.files().folder(L"user temp");
  userTemp.setString(userFolder);
  ProtocolNode request(L"r", L"");
  EXPECT_EQ(handOffRequest(request, {}), STATUS_OK);
  EXPECT_EQ(testing::namesMatching(userFolder, L"qel_*.psa").size(), 1u);
  EXPECT_TRUE(product.handOffFiles().empty());
}

}  // namespace
}  // namespace brivane
