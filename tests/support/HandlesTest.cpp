#include <gtest/gtest.h>

#include <string>

#include "support/Handles.h"
#include "support/ModuleInstance.h"

namespace brivane {
namespace {

const wchar_t* const kTestKey = L"Software\\BrivaneTests\\Handles";

TEST(Handles, RegistryKeyIsClosedWhenItsOwnerEnds) {
  HKEY raw = nullptr;
  {
    RegKey key;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.out(), nullptr),
              ERROR_SUCCESS);
    ASSERT_TRUE(key);
    raw = key.get();
    RegKey moved = std::move(key);
    EXPECT_FALSE(key);
    EXPECT_EQ(moved.get(), raw);
    DWORD value = 7;
    EXPECT_EQ(RegSetValueExW(raw, L"v", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof value), ERROR_SUCCESS);
  }
  DWORD value = 7;
  EXPECT_NE(RegSetValueExW(raw, L"v", 0, REG_DWORD, reinterpret_cast<BYTE*>(&value), sizeof value), ERROR_SUCCESS);
  RegDeleteKeyW(HKEY_CURRENT_USER, kTestKey);
}

TEST(Handles, FindHandleIsEmptyWhenNothingIsFound) {
  WIN32_FIND_DATAW data;
  UniqueFind find(FindFirstFileW(L"C:\\no such folder here\\*", &data));
  EXPECT_FALSE(find);
}

TEST(Handles, ModuleInstanceIsTheExecutableThatHoldsTheCode) {
  EXPECT_EQ(moduleInstance(), GetModuleHandleW(nullptr));
}

}  // namespace
}  // namespace brivane
