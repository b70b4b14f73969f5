#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <string>

#include "module/ExtensionModule.h"

namespace brivane::test {
namespace {

constexpr UINT kBufferChars = 64;
constexpr wchar_t kUntouched = L'#';

// GetCommandString of a fresh object into a buffer of `size` characters (of a larger, marked block, so
// that every character written is seen).
class CommandString : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(menu); }

  HRESULT ask(UINT_PTR offset, UINT type, UINT size = kBufferChars) {
    std::fill(std::begin(buffer), std::end(buffer), kUntouched);
    return menu->GetCommandString(offset, type, nullptr, reinterpret_cast<CHAR*>(buffer), size);
  }
  std::wstring text() const { return std::wstring(buffer, std::find(buffer, buffer + kBufferChars + 8, L'\0')); }
  std::size_t untouched() const {
    return static_cast<std::size_t>(std::count(std::begin(buffer), std::end(buffer), kUntouched));
  }

  ComPtr<IContextMenu> menu = ExtensionModule::get().create<IContextMenu>();
  wchar_t buffer[kBufferChars + 8];
};

TEST_F(CommandString, VerbsNumberTheFirstEightOffsets) {
  const std::pair<UINT_PTR, const wchar_t*> verbs[] = {
      {0, L"Operation1"}, {5, L"Operation6"}, {7, L"Operation8"}, {8, L"BrivanePalisor"}, {9, L"BrivanePalisor"},
      {0xFFFF, L"BrivanePalisor"}};
  for (const auto& [offset, verb] : verbs) {
    EXPECT_EQ(ask(offset, GCS_VERBW), S_OK);
    EXPECT_EQ(text(), verb) << "offset " << offset;
  }
}

TEST_F(CommandString, HelpTextsDescribeTheFirstTwoOffsets) {
  EXPECT_EQ(ask(0, GCS_HELPTEXTW), S_OK);
  EXPECT_EQ(text(), L"Do something to the selected file(s)");
  EXPECT_EQ(ask(1, GCS_HELPTEXTW), S_OK);
  EXPECT_EQ(text(), L"Do something else to the selected file(s)");
  EXPECT_EQ(ask(2, GCS_HELPTEXTW), S_OK);
  EXPECT_EQ(text(), L"BrivanePalisor");
}

TEST_F(CommandString, OtherRequestTypesWriteNothing) {
  for (UINT type : std::initializer_list<UINT>{GCS_VERBA, GCS_HELPTEXTA, GCS_VALIDATEA, GCS_VALIDATEW, 7, 0xFFFFFFFF}) {
    EXPECT_EQ(ask(0, type), S_OK);
    EXPECT_EQ(untouched(), std::size(buffer)) << "type " << type;
  }
}

TEST_F(CommandString, AShortBufferGetsTheTextCutAndTerminated) {
  EXPECT_EQ(ask(5, GCS_VERBW, 4), S_OK);
  EXPECT_EQ(text(), L"Ope");
  EXPECT_EQ(untouched(), std::size(buffer) - 4);
  EXPECT_EQ(ask(5, GCS_VERBW, 11), S_OK);  // exactly the text and its terminator
  EXPECT_EQ(text(), L"Operation6");
  EXPECT_EQ(untouched(), std::size(buffer) - 11);
  EXPECT_EQ(ask(0, GCS_HELPTEXTW, 1), S_OK);
  EXPECT_EQ(text(), L"");
  EXPECT_EQ(untouched(), std::size(buffer) - 1);
}

TEST_F(CommandString, AZeroSizeOrMissingBufferGetsNothing) {
  EXPECT_EQ(ask(0, GCS_VERBW, 0), S_OK);
  EXPECT_EQ(untouched(), std::size(buffer));
  EXPECT_EQ(menu->GetCommandString(0, GCS_VERBW, nullptr, nullptr, kBufferChars), S_OK);
}

}  // namespace
}  // namespace brivane::test
