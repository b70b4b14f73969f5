#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "settings/RegistryHelpers.h"
#include "support/Handles.h"

namespace brivane {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\BrivaneTests\\RegistryHelpers";

// A key of its own under HKEY_CURRENT_USER, created empty and removed with everything in it.
class RegistryHelpersTest : public ::testing::Test {
 protected:
  RegistryHelpersTest() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.out(), nullptr);
  }
  ~RegistryHelpersTest() override {
    key_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
  }

  void setRaw(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    ASSERT_EQ(RegSetValueExW(key_.get(), name, 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
  }
  void setString(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
    setRaw(name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  void setDword(const wchar_t* name, DWORD value) { setRaw(name, REG_DWORD, &value, sizeof value); }
  // "abc" stored without its NUL. The registry adds a NUL the caller left out of the count when one follows
  // in memory, so the stored bytes are followed by another letter.
  void setUnterminated(const wchar_t* name) { setRaw(name, REG_SZ, L"abcd", 3 * sizeof(wchar_t)); }
  HKEY key() const { return key_.get(); }

 private:
  RegKey key_;
};

// queryStringValue

TEST_F(RegistryHelpersTest, AStringIsQueriedWithItsTerminatingNulCounted) {
  setString(L"v", L"C:\\Program Files\\Brivane");
  wchar_t buffer[64] = {};
  DWORD chars = 64;
  EXPECT_EQ(queryStringValue(key(), L"v", buffer, chars), ERROR_SUCCESS);
  EXPECT_EQ(chars, 25u);
  EXPECT_STREQ(buffer, L"C:\\Program Files\\Brivane");
}

TEST_F(RegistryHelpersTest, AnExpandableStringIsQueriedAsStored) {
  setString(L"v", L"%TEMP%", REG_EXPAND_SZ);
  wchar_t buffer[64] = {};
  DWORD chars = 64;
  EXPECT_EQ(queryStringValue(key(), L"v", buffer, chars), ERROR_SUCCESS);
  EXPECT_STREQ(buffer, L"%TEMP%");
  EXPECT_EQ(chars, 7u);
}

TEST_F(RegistryHelpersTest, AFailedQueryReportsTheRegistryErrorAndACountOfZero) {
  setString(L"v", L"longer than four");
  wchar_t buffer[4] = {};
  DWORD chars = 4;
  EXPECT_EQ(queryStringValue(key(), L"v", buffer, chars), ERROR_MORE_DATA);
  EXPECT_EQ(chars, 0u);
  chars = 4;
  EXPECT_EQ(queryStringValue(key(), L"missing", buffer, chars), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(chars, 0u);
}

TEST_F(RegistryHelpersTest, AValueOfAnotherTypeIsInvalidData) {
  setDword(L"dword", 7);
  const BYTE bytes[] = {'a', 0, 'b', 0, 0, 0};
  setRaw(L"binary", REG_BINARY, bytes, sizeof bytes);
  setRaw(L"multi", REG_MULTI_SZ, L"a\0b\0", 10);
  for (const wchar_t* name : {L"dword", L"binary", L"multi"}) {
    wchar_t buffer[16] = {};
    DWORD chars = 16;
    EXPECT_EQ(queryStringValue(key(), name, buffer, chars), ERROR_INVALID_DATA) << name;
    EXPECT_EQ(chars, 0u) << name;
  }
}

TEST_F(RegistryHelpersTest, AStringWithoutTerminatingNulIsInvalidData) {
  setUnterminated(L"v");
  wchar_t buffer[16];
  std::fill(std::begin(buffer), std::end(buffer), L'x');
  DWORD chars = 16;
  EXPECT_EQ(queryStringValue(key(), L"v", buffer, chars), ERROR_INVALID_DATA);
  EXPECT_EQ(chars, 0u);
}

TEST_F(RegistryHelpersTest, AnEmptyValueOrAnOddByteCountIsInvalidData) {
  setRaw(L"empty", REG_SZ, L"", 0);
  const BYTE odd[] = {'a', 0, 0};
  setRaw(L"odd", REG_SZ, odd, sizeof odd);
  for (const wchar_t* name : {L"empty", L"odd"}) {
    wchar_t buffer[16] = {};
    DWORD chars = 16;
    EXPECT_EQ(queryStringValue(key(), name, buffer, chars), ERROR_INVALID_DATA) << name;
  }
}

TEST_F(RegistryHelpersTest, WithoutABufferTheNeededCountIsReported) {
  setString(L"v", L"twelve chars");
  DWORD chars = 0;
  EXPECT_EQ(queryStringValue(key(), L"v", nullptr, chars), ERROR_SUCCESS);
  EXPECT_EQ(chars, 13u);
  setDword(L"d", 1);
  chars = 0;
  EXPECT_EQ(queryStringValue(key(), L"d", nullptr, chars), ERROR_INVALID_DATA);
}

// readRegString

TEST_F(RegistryHelpersTest, AStringIsReadWhole) {
  const std::wstring text = L"D:\\R&D files \U0001F512\\caf\u00e9";
  setString(L"v", text);
  std::wstring out = L"old";
  EXPECT_TRUE(readRegString(HKEY_CURRENT_USER, kTestKey, L"v", out));
  EXPECT_EQ(out, text);
}

TEST_F(RegistryHelpersTest, AnEmptyStringIsReadAsEmpty) {
  setString(L"v", L"");
  std::wstring out = L"old";
  EXPECT_TRUE(readRegString(HKEY_CURRENT_USER, kTestKey, L"v", out));
  EXPECT_EQ(out, L"");
}

TEST_F(RegistryHelpersTest, TheTextEndsAtItsFirstNul) {
  setRaw(L"v", REG_SZ, L"first\0second", 13 * sizeof(wchar_t));
  std::wstring out;
  EXPECT_TRUE(readRegString(HKEY_CURRENT_USER, kTestKey, L"v", out));
  EXPECT_EQ(out, L"first");
}

TEST_F(RegistryHelpersTest, FourThousandNineHundredNinetyNineCharactersAreTheLongestString) {
  const std::wstring longest(4999, L'a');
  setString(L"longest", longest);
  setString(L"tooLong", longest + L"b");
  std::wstring out;
  EXPECT_TRUE(readRegString(HKEY_CURRENT_USER, kTestKey, L"longest", out));
  EXPECT_EQ(out, longest);
  out = L"old";
  EXPECT_FALSE(readRegString(HKEY_CURRENT_USER, kTestKey, L"tooLong", out));
  EXPECT_EQ(out, L"old");
}

TEST_F(RegistryHelpersTest, AnAbsentStringLeavesTheOutputAsItWas) {
  setDword(L"dword", 5);
  setUnterminated(L"unterminated");
  for (const wchar_t* name : {L"missing", L"dword", L"unterminated"}) {
    std::wstring out = L"old";
    EXPECT_FALSE(readRegString(HKEY_CURRENT_USER, kTestKey, name, out)) << name;
    EXPECT_EQ(out, L"old") << name;
  }
  std::wstring out = L"old";
  EXPECT_FALSE(readRegString(HKEY_CURRENT_USER, std::wstring(kTestKey) + L"\\Missing", L"v", out));
  EXPECT_EQ(out, L"old");
}

// readRegDword

TEST_F(RegistryHelpersTest, ADwordIsRead) {
  setDword(L"v", 0xFFFFFFFF);
  DWORD out = 0;
  EXPECT_TRUE(readRegDword(HKEY_CURRENT_USER, kTestKey, L"v", out));
  EXPECT_EQ(out, 0xFFFFFFFFu);
}

TEST_F(RegistryHelpersTest, OnlyAFourByteDwordCounts) {
  setString(L"string", L"7");
  const BYTE four[] = {7, 0, 0, 0};
  setRaw(L"binary", REG_BINARY, four, sizeof four);
  const ULONGLONG wide = 7;
  setRaw(L"qword", REG_QWORD, &wide, sizeof wide);
  const BYTE two[] = {7, 0};
  setRaw(L"short", REG_DWORD, two, sizeof two);
  for (const wchar_t* name : {L"missing", L"string", L"binary", L"qword", L"short"}) {
    DWORD out = 42;
    EXPECT_FALSE(readRegDword(HKEY_CURRENT_USER, kTestKey, name, out)) << name;
    EXPECT_EQ(out, 42u) << name;
  }
}

// writeRegDword

TEST_F(RegistryHelpersTest, ADwordIsWrittenAsFourBytes) {
  setString(L"v", L"replaced");
  EXPECT_TRUE(writeRegDword(HKEY_CURRENT_USER, kTestKey, L"v", 0x01020304));
  DWORD type = REG_NONE;
  DWORD value = 0;
  DWORD bytes = sizeof value;
  ASSERT_EQ(RegQueryValueExW(key(), L"v", nullptr, &type, reinterpret_cast<BYTE*>(&value), &bytes), ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(bytes, 4u);
  EXPECT_EQ(value, 0x01020304u);
}

TEST_F(RegistryHelpersTest, WritingIntoAMissingKeyFailsAndCreatesNothing) {
  const std::wstring missing = std::wstring(kTestKey) + L"\\Missing";
  EXPECT_FALSE(writeRegDword(HKEY_CURRENT_USER, missing, L"v", 1));
  HKEY opened = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, missing.c_str(), 0, KEY_READ, &opened), ERROR_FILE_NOT_FOUND);
}

}  // namespace
}  // namespace brivane
