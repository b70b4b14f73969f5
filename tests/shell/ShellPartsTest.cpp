#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "doubles/CoreTestSetup.h"
#include "operations/DropWorker.h"
#include "operations/KeyChange.h"
#include "operations/RequestTestSupport.h"
#include "protocol/Labels.h"
#include "resources/ResourceIds.h"
#include "shell/PageKinds.h"
#include "support/GuardedCall.h"

namespace brivane {
namespace {

using Labels = std::vector<std::wstring>;

const Labels kKeys = {L"contextmenu.property_sheet.efile_text", L"contextmenu.property_sheet.efolder_text",
                      L"contextmenu.property_sheet.chg_pass_btn"};

class PageLabels : public ::testing::Test {
 protected:
  testing::ModuleFolderSetting moduleFolder{BRIVANE_SCRIPTED_CORE_DIR};
  testing::ScriptedCore script;
  Labels labels{L"earlier"};
};

TEST_F(PageLabels, AllThreeArriveInKeyOrderFromOneLoad) {
  EXPECT_EQ(fetchPageLabels(labels), STATUS_OK);
  EXPECT_EQ(labels, kKeys) << "the scripted core answers each key with itself";
  EXPECT_EQ(script.keysAsked(), kKeys);
  EXPECT_EQ(script.loads(), 1u);
  EXPECT_EQ(script.frees(), 1u);
}

TEST_F(PageLabels, TheCoresTextIsTaken) {
  script.answerText(L"Ändern & mehr \U0001D11E");
  EXPECT_EQ(fetchPageLabels(labels), STATUS_OK);
  EXPECT_EQ(labels, Labels(3, L"Ändern & mehr \U0001D11E"));
}

TEST_F(PageLabels, WithoutTheCoreLibraryNothingChanges) {
  const std::wstring nowhere = L"C:\\no\\such\\folder";
  moduleFolder.set(nowhere);
  EXPECT_EQ(fetchPageLabels(labels), STATUS_CORE_UNAVAILABLE);
  moduleFolder.set(BRIVANE_CORE_WITHOUT_ENTRY_DIR);
  EXPECT_EQ(fetchPageLabels(labels), STATUS_CORE_UNAVAILABLE);
  EXPECT_EQ(labels, Labels{L"earlier"});
}

TEST_F(PageLabels, AFailingQueryEndsTheFetchWithItsStatus) {
  script.failAt(1, -4711);
  EXPECT_EQ(fetchPageLabels(labels), -4711);
  EXPECT_EQ(script.keysAsked().size(), 2u) << "nothing is asked after the failure";
}

TEST_F(PageLabels, AnEmptyLabelIsAFailure) {
  script.emptyAt(2);
  EXPECT_EQ(fetchPageLabels(labels), STATUS_LABEL_EMPTY);
}

TEST(PageKinds, SecuredItemsByTheirEndingInAnyLetterCase) {
  struct Case {
    const wchar_t* path;
    const wchar_t* title;
    WORD icon;
    std::size_t textLabel;
  };
  const Case cases[] = {
      {L"C:\\Docs\\a.qelf", L"eFile", IDI_SECURED_FILE, PageLabel::FileText},
      {L"C:\\Docs\\A.QELF", L"eFile", IDI_SECURED_FILE, PageLabel::FileText},
      {L"C:\\Docs\\Vault.qeld", L"eFolder", IDI_SECURED_FOLDER, PageLabel::FolderText},
      {L"C:\\Docs\\Vault.QelD", L"eFolder", IDI_SECURED_FOLDER, PageLabel::FolderText},
  };
  for (const Case& c : cases) {
    const PageKind* kind = pageKindOf(c.path);
    ASSERT_NE(kind, nullptr);
    EXPECT_STREQ(kind->title, c.title);
    EXPECT_EQ(kind->icon, c.icon);
    EXPECT_EQ(kind->textLabel, c.textLabel);
  }
}

TEST(PageKinds, OtherItemsHaveNoPage) {
  for (const wchar_t* path : {L"C:\\Docs\\a.txt", L"C:\\Docs\\a.qelf.txt", L"C:\\Docs.qelf\\a", L"C:\\Docs\\qelf",
                              L"C:\\Docs\\a.qel", L""})
    EXPECT_EQ(pageKindOf(path), nullptr) << std::wstring(path).size();
}

TEST(KeyChangeRequest, NamesTheItemAsTheSourceOfOneTarget) {
  ProtocolNode request;
  buildKeyChangeRequest(request, L"C:\\Docs\\a & b.qelf");
  EXPECT_EQ(testing::rendered(request),
            L"<password_change>\n    <change_qelx_keys>\n        <target>\n"
            L"            <source type=\"string\">C:\\Docs\\a &amp; b.qelf</source>\n"
            L"        </target>\n    </change_qelx_keys>\n</password_change>\n");
}

TEST(GuardedCall, NoExceptionLeavesAComMethod) {
  EXPECT_EQ(guardedCall([] { return S_FALSE; }), S_FALSE);
  EXPECT_EQ(guardedCall([]() -> HRESULT { throw std::bad_alloc(); }), E_OUTOFMEMORY);
  EXPECT_EQ(guardedCall([]() -> HRESULT { throw std::length_error("too long"); }), E_FAIL);
  EXPECT_EQ(guardedCall([]() -> HRESULT { throw 42; }), E_FAIL);
}

TEST(DropRule, CtrlMakesACopyThatKeepsTheOriginals) {
  struct Case {
    DWORD keyState;
    DWORD effect;
    std::uint16_t options;
  };
  const Case cases[] = {
      {0, DROPEFFECT_MOVE, CommandOption::AppendDestination},
      {MK_LBUTTON, DROPEFFECT_MOVE, CommandOption::AppendDestination},
      {MK_RBUTTON | MK_SHIFT, DROPEFFECT_MOVE, CommandOption::AppendDestination},
      {MK_CONTROL, DROPEFFECT_COPY, CommandOption::AppendDestination | CommandOption::KeepOriginal},
      {MK_LBUTTON | MK_CONTROL | MK_SHIFT, DROPEFFECT_COPY,
       CommandOption::AppendDestination | CommandOption::KeepOriginal},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(dropEffectFor(c.keyState), c.effect) << c.keyState;
    EXPECT_EQ(dropOptionsFor(c.keyState), c.options) << c.keyState;
  }
}

}  // namespace
}  // namespace brivane
