#include <gtest/gtest.h>
#include <oleidl.h>

#include <string>

#include "shell/CountingDataObject.h"
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

TEST(Handles, ComPtrCopyAddsAReferenceAndMoveTakesIt) {
  test::CountingDataObject object(nullptr);
  {
    const ComPtr<IDataObject> first(&object);
    EXPECT_EQ(object.references(), 1u);
    {
      ComPtr<IDataObject> copy = first;
      EXPECT_EQ(copy.get(), first.get());
      EXPECT_EQ(object.references(), 2u);
      copy = copy;
      EXPECT_EQ(object.references(), 2u);
      ComPtr<IDataObject> moved = std::move(copy);
      EXPECT_FALSE(copy);
      EXPECT_EQ(object.references(), 2u);
    }
    EXPECT_EQ(object.references(), 1u);
  }
  EXPECT_EQ(object.references(), 0u);
}

TEST(Handles, ComPtrAttachAdoptsAndDetachGivesUp) {
  test::CountingDataObject object(nullptr);
  object.AddRef();
  ComPtr<IDataObject> adopted;
  adopted.attach(&object);
  EXPECT_EQ(object.references(), 1u);
  IDataObject* raw = adopted.detach();
  EXPECT_FALSE(adopted);
  EXPECT_EQ(object.references(), 1u);
  adopted.attach(raw);
  adopted.reset();
  EXPECT_EQ(object.references(), 0u);
}

TEST(Handles, ComPtrQueryAsksForAnotherInterface) {
  test::CountingDataObject object(nullptr);
  const ComPtr<IDataObject> data(&object);
  const ComPtr<IUnknown> identity = data.query<IUnknown>();
  EXPECT_EQ(identity.get(), static_cast<IUnknown*>(static_cast<IDataObject*>(&object)));
  EXPECT_EQ(object.references(), 2u);
  EXPECT_FALSE(data.query<IDropTarget>());
  EXPECT_FALSE(ComPtr<IDataObject>().query<IUnknown>());
  EXPECT_EQ(object.references(), 2u);
}

}  // namespace
}  // namespace brivane
