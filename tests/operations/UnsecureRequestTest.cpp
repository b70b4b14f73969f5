#include <gtest/gtest.h>

#include <string>

#include "operations/RequestTestSupport.h"
#include "operations/UnsecureOperation.h"

namespace brivane {
namespace {

using testing::rendered;

TEST(UnsecureRequest, OneSecuredFileInPlaceNeedsNoConfirmation) {
  ProtocolNode request;
  buildUnsecureRequest(request, {L"D:\\Box\\a.txt.qelf"}, {L"D:\\Box\\", 0});
  EXPECT_EQ(rendered(request), LR"(<unsecuring_files>
    <open_secure_folder>
        <qelx_cab>
            <qelx>
                <path type="string">D:\Box\a.txt.qelf</path>
                <destination type="string">D:\Box\</destination>
                <options>
                    <no_confirm></no_confirm>
                    <no_report></no_report>
                </options>
            </qelx>
        </qelx_cab>
    </open_secure_folder>
</unsecuring_files>
)");
}

TEST(UnsecureRequest, SecuredFoldersGoIntoFoldersOfTheirNames) {
  ProtocolNode request;
  buildUnsecureRequest(request, {L"D:\\Box\\First.qeld", L"D:\\Box\\Second.qeld"}, {L"C:\\Out", 0});
  EXPECT_EQ(rendered(request), LR"(<unsecuring_files>
    <open_secure_folder>
        <qelx_cab>
            <qelx>
                <path type="string">D:\Box\First.qeld</path>
                <destination type="string">C:\Out\First</destination>
                <options>
                    <unsecure_all></unsecure_all>
                    <no_report></no_report>
                </options>
            </qelx>
            <qelx>
                <path type="string">D:\Box\Second.qeld</path>
                <destination type="string">C:\Out\Second</destination>
                <options>
                    <unsecure_all></unsecure_all>
                    <no_report></no_report>
                </options>
            </qelx>
        </qelx_cab>
    </open_secure_folder>
</unsecuring_files>
)");
}

TEST(UnsecureRequest, OneSecuredFolderGetsBothFlagsInOrder) {
  ProtocolNode request;
  buildUnsecureRequest(request, {L"D:\\Box\\Photos.qeld"}, {L"C:\\Restore", 0});
  EXPECT_NE(rendered(request).find(L"                <destination type=\"string\">C:\\Restore\\Photos</destination>\n"
                                   L"                <options>\n"
                                   L"                    <unsecure_all></unsecure_all>\n"
                                   L"                    <no_confirm></no_confirm>\n"
                                   L"                    <no_report></no_report>\n"),
            std::wstring::npos);
}

TEST(UnsecureRequest, MixedSelectionKeepsItsOrder) {
  ProtocolNode request;
  buildUnsecureRequest(request, {L"D:\\Box\\a.qelf", L"D:\\Box\\F.qeld", L"D:\\Box\\b.qelf"},
                       {L"C:\\Out", CommandOption::KeepOriginal});
  const std::wstring text = rendered(request);
  const std::size_t first = text.find(L">D:\\Box\\a.qelf<");
  const std::size_t second = text.find(L">D:\\Box\\F.qeld<");
  const std::size_t third = text.find(L">D:\\Box\\b.qelf<");
  ASSERT_NE(third, std::wstring::npos);
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  EXPECT_EQ(text.find(L"keep_original"), std::wstring::npos);
  EXPECT_EQ(text.find(L"no_confirm"), std::wstring::npos);
}

TEST(UnsecureDestination, SecuredFolderNamesLoseOnlyTheirLastExtension) {
  EXPECT_EQ(unsecureDestination(L"D:\\Box\\plan.2024.qeld", L"C:\\Out"), L"C:\\Out\\plan.2024");
  EXPECT_EQ(unsecureDestination(L"D:\\Box\\PHOTOS.QELD", L"C:\\Out"), L"C:\\Out\\PHOTOS");
  EXPECT_EQ(unsecureDestination(L"D:\\Box\\Photos.qeld", L"C:\\Out\\"), L"C:\\Out\\Photos");
}

TEST(UnsecureDestination, SecuredFilesGoToTheDestinationAsGiven) {
  EXPECT_EQ(unsecureDestination(L"D:\\Box\\report.doc.qelf", L"C:\\Restore"), L"C:\\Restore");
  EXPECT_EQ(unsecureDestination(L"D:\\Box\\report.doc.qelf", L"D:\\Box\\"), L"D:\\Box\\");
  EXPECT_EQ(unsecureDestination(L"D:\\Box.qeld\\report.qelf", L"C:\\Out"), L"C:\\Out");
}

TEST(UnsecureDestination, ADriveRootGetsNoDoubledBackslash) {
  EXPECT_EQ(unsecureDestination(L"D:\\Box\\Photos.qeld", L"C:\\"), L"C:\\Photos");
  EXPECT_EQ(unsecureDestination(L"D:\\Box\\a.qelf", L"C:\\"), L"C:\\");
}

}  // namespace
}  // namespace brivane
