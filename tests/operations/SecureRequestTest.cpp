#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operations/RequestTestSupport.h"
#include "operations/SecureRequests.h"

namespace brivane {
namespace {

using testing::rendered;
using Paths = std::vector<std::wstring>;

const CommandContext kInDocs{L"C:\\Docs\\", 0};
const CommandContext kInDocsKeeping{L"C:\\Docs\\", CommandOption::KeepOriginal};

TEST(SecureFilesRequest, OneFileGivesTheWorkedExample) {
  ProtocolNode request;
  buildSecureFilesRequest(request, {L"C:\\Docs\\a.txt"}, kInDocs);
  EXPECT_EQ(rendered(request), testing::kWorkedExample);
}

TEST(SecureFilesRequest, KeepOriginalComesBeforeNoReportInEachTarget) {
  ProtocolNode request;
  buildSecureFilesRequest(request, {L"C:\\Docs\\a.txt", L"C:\\Docs\\b.doc"}, kInDocsKeeping);
  const std::wstring text = rendered(request);
  const std::wstring targetOptions = L"                <options>\n"
                                     L"                    <keep_original></keep_original>\n"
                                     L"                    <no_report></no_report>\n"
                                     L"                </options>\n"
                                     L"            </target>\n";
  const std::size_t first = text.find(targetOptions);
  ASSERT_NE(first, std::wstring::npos);
  EXPECT_NE(text.find(targetOptions, first + 1), std::wstring::npos);
  EXPECT_NE(text.find(L"        <options>\n            <no_report></no_report>\n        </options>\n    </secure_file>"),
            std::wstring::npos);
}

TEST(SecureFilesRequest, SecuredItemsAmongTheFilesGetTheFileExtensionOnTop) {
  ProtocolNode request;
  buildSecureFilesRequest(request, {L"C:\\Docs\\old.qelf", L"C:\\Docs\\Box.qeld"}, kInDocs);
  const std::wstring text = rendered(request);
  EXPECT_NE(text.find(L"<destination type=\"string\">C:\\Docs\\old.qelf.qelf</destination>"), std::wstring::npos);
  EXPECT_NE(text.find(L"<destination type=\"string\">C:\\Docs\\Box.qeld.qelf</destination>"), std::wstring::npos);
}

TEST(SecureFoldersRequest, EachFolderIsAVirtualFolderTargetInSelectionOrder) {
  ProtocolNode request;
  buildSecureFoldersRequest(request, {L"C:\\Docs\\Photos", L"C:\\Docs\\Notes"}, kInDocs);
  EXPECT_EQ(rendered(request), LR"(<securing_files>
    <secure_folder>
        <targets>
            <target>
                <is_virtual_folder></is_virtual_folder>
                <targets>
                    <target>
                        <source type="string">C:\Docs\Photos</source>
                    </target>
                </targets>
                <destination type="string">C:\Docs\Photos.qeld</destination>
                <options>
                    <no_report></no_report>
                </options>
            </target>
            <target>
                <is_virtual_folder></is_virtual_folder>
                <targets>
                    <target>
                        <source type="string">C:\Docs\Notes</source>
                    </target>
                </targets>
                <destination type="string">C:\Docs\Notes.qeld</destination>
                <options>
                    <no_report></no_report>
                </options>
            </target>
        </targets>
        <options>
            <no_report></no_report>
        </options>
    </secure_folder>
</securing_files>
)");
}

TEST(SecureFoldersRequest, KeepOriginalJoinsNoReport) {
  ProtocolNode request;
  buildSecureFoldersRequest(request, {L"C:\\Docs\\Photos"}, kInDocsKeeping);
  EXPECT_NE(rendered(request).find(L"                <options>\n"
                                   L"                    <keep_original></keep_original>\n"
                                   L"                    <no_report></no_report>\n"
                                   L"                </options>\n"),
            std::wstring::npos);
}

TEST(SecureMixedRequest, FilesComeFirstWithoutTheirOwnNoReport) {
  ProtocolNode request;
  buildSecureMixedRequest(request, {L"C:\\Docs\\a.txt"}, {L"C:\\Docs\\Photos"}, kInDocs);
  EXPECT_EQ(rendered(request), LR"(<securing_files>
    <secure_folder>
        <targets>
            <target>
                <targets>
                    <target>
                        <source type="string">C:\Docs\a.txt</source>
                    </target>
                </targets>
                <destination type="string">C:\Docs\a.txt.qelf</destination>
            </target>
            <target>
                <is_virtual_folder></is_virtual_folder>
                <targets>
                    <target>
                        <source type="string">C:\Docs\Photos</source>
                    </target>
                </targets>
                <destination type="string">C:\Docs\Photos.qeld</destination>
            </target>
        </targets>
        <options>
            <no_report></no_report>
        </options>
    </secure_folder>
</securing_files>
)");
}

TEST(SecureMixedRequest, KeepOriginalOpensEachTarget) {
  ProtocolNode request;
  buildSecureMixedRequest(request, {L"C:\\Docs\\a.txt"}, {L"C:\\Docs\\Photos"}, kInDocsKeeping);
  const std::wstring text = rendered(request);
  const std::wstring keep = L"                <options>\n"
                            L"                    <keep_original></keep_original>\n"
                            L"                </options>\n"
                            L"                <targets>\n";
  EXPECT_NE(text.find(L"            <target>\n" + keep), std::wstring::npos);
  EXPECT_NE(text.find(L"                <is_virtual_folder></is_virtual_folder>\n" + keep), std::wstring::npos);
  EXPECT_EQ(text.find(L"<no_report>"), text.rfind(L"<no_report>"));
}

TEST(SendRequest, AllSourcesGoIntoOneTarget) {
  ProtocolNode request;
  buildSendRequest(request, {L"C:\\Docs\\a.txt", L"C:\\Docs\\Photos", L"C:\\Docs\\old.qelf"},
                   {L"D:\\Vault\\Archive", CommandOption::AppendDestination});
  EXPECT_EQ(rendered(request), LR"(<securing_files>
    <secure_folder>
        <targets>
            <target>
                <options>
                    <append_destination></append_destination>
                </options>
                <destination type="string">D:\Vault\Archive.qeld</destination>
                <targets>
                    <target>
                        <source type="string">C:\Docs\a.txt</source>
                    </target>
                    <target>
                        <source type="string">C:\Docs\Photos</source>
                    </target>
                    <target>
                        <source type="string">C:\Docs\old.qelf</source>
                    </target>
                </targets>
            </target>
        </targets>
        <options>
            <no_report></no_report>
        </options>
    </secure_folder>
</securing_files>
)");
}

TEST(SendRequest, OptionsFollowTheFlags) {
  const std::wstring both = L"                <options>\n"
                            L"                    <keep_original></keep_original>\n"
                            L"                    <append_destination></append_destination>\n"
                            L"                </options>\n"
                            L"                <destination";
  ProtocolNode copying;
  buildSendRequest(copying, {L"C:\\a"},
                   {L"D:\\Vault\\Archive.qeld", CommandOption::KeepOriginal | CommandOption::AppendDestination});
  EXPECT_NE(rendered(copying).find(both), std::wstring::npos);

  ProtocolNode plain;
  buildSendRequest(plain, {L"C:\\a"}, {L"D:\\Vault\\Archive.qeld", 0});
  const std::wstring text = rendered(plain);
  EXPECT_EQ(text.find(L"<options>"), text.rfind(L"<options>"));  // only the request's own
  EXPECT_NE(text.find(L"            <target>\n                <destination"), std::wstring::npos);
}

TEST(SecuredFolderPath, BlanksGoAndTheExtensionIsAddedOnce) {
  EXPECT_EQ(securedFolderPath(L"  D:\\Vault\\Backup  "), L"D:\\Vault\\Backup.qeld");
  EXPECT_EQ(securedFolderPath(L"D:\\Vault\\Archive"), L"D:\\Vault\\Archive.qeld");
  EXPECT_EQ(securedFolderPath(L"D:\\Vault\\Archive.qeld"), L"D:\\Vault\\Archive.qeld");
  EXPECT_EQ(securedFolderPath(L"D:\\My Vault\\Archive.qeld "), L"D:\\My Vault\\Archive.qeld");
  EXPECT_EQ(securedFolderPath(L"\tD:\\Vault\\x"), L"\tD:\\Vault\\x.qeld");
  EXPECT_EQ(securedFolderPath(L"   "), L".qeld");
}

TEST(SecuredFolderPath, TheExtensionIsRecognisedInAnyLetterCase) {
  EXPECT_EQ(securedFolderPath(L"D:\\Vault\\Archive.QELD"), L"D:\\Vault\\Archive.QELD");
  EXPECT_EQ(securedFolderPath(L"D:\\Vault\\Archive.QeLd"), L"D:\\Vault\\Archive.QeLd");
  EXPECT_EQ(securedFolderPath(L"D:\\Vault.qeld\\Archive"), L"D:\\Vault.qeld\\Archive.qeld");
  EXPECT_EQ(securedFolderPath(L"D:\\Vault\\qeld"), L"D:\\Vault\\qeld.qeld");
}

TEST(SecureRequests, PathsPassThroughWhole) {
  const std::wstring longFolder = L"C:\\" + std::wstring(300, L'x') + L"\\";
  const std::wstring name = L"R&D \U0001F600 \u00e9.txt";
  ProtocolNode request;
  buildSecureFilesRequest(request, {longFolder + name}, {longFolder, 0});
  const std::wstring text = rendered(request);
  const std::wstring escapedName = L"R&amp;D &#xd83d;&#xde00; \u00e9.txt";
  EXPECT_NE(text.find(L"<source type=\"string\">" + longFolder + escapedName + L"</source>"), std::wstring::npos);
  EXPECT_NE(text.find(L"<destination type=\"string\">" + longFolder + escapedName + L".qelf</destination>"),
            std::wstring::npos);
}

TEST(SecureRequests, AHundredThousandFilesGiveAHundredThousandTargets) {
  Paths files;
  for (int i = 0; i < 100000; ++i) files.push_back(L"C:\\Many\\file" + std::to_wstring(i) + L".txt");
  ProtocolNode request;
  buildSecureFilesRequest(request, files, {L"C:\\Many\\", 0});
  ProtocolNode* targets = request.findPath(L"secure_file.targets", false);
  ASSERT_NE(targets, nullptr);
  EXPECT_EQ(targets->childCount(), files.size());
  const std::wstring text = rendered(request);
  EXPECT_NE(text.find(L"C:\\Many\\file99999.txt.qelf"), std::wstring::npos);
  EXPECT_LT(text.find(L"file99998.txt</source>"), text.find(L"file99999.txt</source>"));
}

}  // namespace
}  // namespace brivane
