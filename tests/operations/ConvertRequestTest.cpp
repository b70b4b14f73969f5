#include <gtest/gtest.h>

#include <string>

#include "operations/ConvertOperation.h"
#include "operations/RequestTestSupport.h"

namespace brivane {
namespace {

using testing::rendered;

TEST(ConvertRequest, OneSecuredFileHasItsSourceDirectlyInTheTarget) {
  ProtocolNode request;
  buildConvertRequest(request, {L"D:\\Box\\a.txt.qelf"}, {L"D:\\Box\\", 0});
  EXPECT_EQ(rendered(request), LR"(<convert_qelx_to_exe>
    <convert_qelf_to_exe>
        <targets>
            <target>
                <source type="string">D:\Box\a.txt.qelf</source>
            </target>
        </targets>
        <destination type="string">D:\Box\</destination>
        <options>
            <no_report></no_report>
        </options>
    </convert_qelf_to_exe>
</convert_qelx_to_exe>
)");
}

TEST(ConvertRequest, SecuredItemsInAnyCaseKeepTheirOrderAndOthersAreLeftOut) {
  ProtocolNode request;
  buildConvertRequest(request, {L"D:\\Box\\F.qeld", L"D:\\Box\\notes.txt", L"D:\\Box\\B.QELF", L"D:\\Box\\G.qeld"},
                      {L"D:\\Box\\", CommandOption::KeepOriginal});
  EXPECT_EQ(rendered(request), LR"(<convert_qelx_to_exe>
    <convert_qelf_to_exe>
        <targets>
            <target>
                <source type="string">D:\Box\F.qeld</source>
            </target>
            <target>
                <source type="string">D:\Box\B.QELF</source>
            </target>
            <target>
                <source type="string">D:\Box\G.qeld</source>
            </target>
        </targets>
        <destination type="string">D:\Box\</destination>
        <options>
            <keep_original></keep_original>
            <no_report></no_report>
        </options>
    </convert_qelf_to_exe>
</convert_qelx_to_exe>
)");
}

TEST(ConvertRequest, NoSecuredItemLeavesTheTargetsEmpty) {
  ProtocolNode request;
  buildConvertRequest(request, {L"D:\\Box\\notes.txt"}, {L"D:\\Box\\", 0});
  ProtocolNode* targets = request.findPath(L"convert_qelf_to_exe.targets", false);
  ASSERT_NE(targets, nullptr);
  EXPECT_EQ(targets->childCount(), 0u);
  EXPECT_EQ(request.getName(), L"convert_qelx_to_exe");
}

}  // namespace
}  // namespace brivane
