#include <gtest/gtest.h>

#include <shlobj.h>
#include <ocidl.h>

#include <array>
#include <string>

#include "module/ExtensionModule.h"

namespace brivane::test {
namespace {

constexpr IID kUnknownInterface = {0x0BADC0DE, 0x1234, 0x4321, {0x80, 0, 0, 0, 0, 0, 0, 0x01}};

// The object's five interface pointers, each holding one reference.
struct Interfaces {
  ComPtr<IShellExtInit> init;
  ComPtr<IContextMenu> menu;
  ComPtr<IPersistFile> file;
  ComPtr<IDropTarget> drop;
  ComPtr<IShellPropSheetExt> sheet;

  std::array<IUnknown*, 5> all() const { return {init.get(), menu.get(), file.get(), drop.get(), sheet.get()}; }
};

class ExtensionObject : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.loaded());
    ASSERT_EQ(module.canUnloadNow(), S_OK);
    object.init = module.create<IShellExtInit>();
    ASSERT_TRUE(object.init);
    ASSERT_EQ(object.init->QueryInterface(__uuidof(IContextMenu), object.menu.outVoid()), S_OK);
    ASSERT_EQ(object.init->QueryInterface(__uuidof(IPersistFile), object.file.outVoid()), S_OK);
    ASSERT_EQ(object.init->QueryInterface(__uuidof(IDropTarget), object.drop.outVoid()), S_OK);
    ASSERT_EQ(object.init->QueryInterface(__uuidof(IShellPropSheetExt), object.sheet.outVoid()), S_OK);
  }
  void TearDown() override {
    object = Interfaces{};
    EXPECT_EQ(module.canUnloadNow(), S_OK) << "the object outlived its last reference";
  }

  // The pointer QueryInterface must answer for an identifier.
  void* expectedFor(const IID& id) const {
    if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(IShellExtInit))) return object.init.get();
    if (IsEqualIID(id, __uuidof(IContextMenu))) return object.menu.get();
    if (IsEqualIID(id, __uuidof(IPersistFile))) return object.file.get();
    if (IsEqualIID(id, __uuidof(IDropTarget))) return object.drop.get();
    return object.sheet.get();
  }

  ExtensionModule& module = ExtensionModule::get();
  Interfaces object;
};

TEST_F(ExtensionObject, EveryInterfaceIsItsOwnPointerAndTheIdentityIsTheInitialiser) {
  const std::array<IUnknown*, 5> pointers = object.all();
  for (std::size_t i = 0; i < pointers.size(); ++i) {
    for (std::size_t j = i + 1; j < pointers.size(); ++j) EXPECT_NE(pointers[i], pointers[j]);
  }
  void* identity = nullptr;
  ASSERT_EQ(object.menu->QueryInterface(__uuidof(IUnknown), &identity), S_OK);
  EXPECT_EQ(identity, object.init.get());
  EXPECT_NE(identity, object.menu.get()) << "the first base is not the identity";
  static_cast<IUnknown*>(identity)->Release();
}

TEST_F(ExtensionObject, EachInterfaceAnswersTheSixIdentifiersAlikeWithOneReferenceEach) {
  const IID offered[] = {__uuidof(IShellExtInit), __uuidof(IUnknown),    __uuidof(IContextMenu),
                         __uuidof(IPersistFile),  __uuidof(IDropTarget), __uuidof(IShellPropSheetExt)};
  const ULONG held = referenceCount(object.init.get());
  for (IUnknown* through : object.all()) {
    for (const IID& id : offered) {
      void* out = garbagePointer();
      ASSERT_EQ(through->QueryInterface(id, &out), S_OK);
      EXPECT_EQ(out, expectedFor(id));
      EXPECT_EQ(referenceCount(object.init.get()), held + 1);
      static_cast<IUnknown*>(out)->Release();
    }
  }
  EXPECT_EQ(referenceCount(object.init.get()), held);
}

TEST_F(ExtensionObject, OtherIdentifiersAreRefusedThroughEveryInterface) {
  const IID refused[] = {__uuidof(IClassFactory), __uuidof(IPersist),     __uuidof(IContextMenu2),
                         __uuidof(IContextMenu3), __uuidof(IObjectWithSite), __uuidof(IDataObject),
                         __uuidof(IMarshal),      __uuidof(IDispatch),    kUnknownInterface};
  const ULONG held = referenceCount(object.init.get());
  for (IUnknown* through : object.all()) {
    for (const IID& id : refused) {
      void* out = garbagePointer();
      EXPECT_EQ(through->QueryInterface(id, &out), E_NOINTERFACE);
      EXPECT_EQ(out, nullptr);
    }
  }
  EXPECT_EQ(referenceCount(object.init.get()), held);
}

TEST_F(ExtensionObject, NullOutPointerIsRefusedWithoutAReference) {
  const ULONG held = referenceCount(object.init.get());
  for (IUnknown* through : object.all()) EXPECT_EQ(through->QueryInterface(__uuidof(IUnknown), nullptr), E_POINTER);
  EXPECT_EQ(referenceCount(object.init.get()), held);
}

TEST_F(ExtensionObject, ReferencesAreSharedByAllInterfacesAndTheLastReleaseFreesTheObject) {
  EXPECT_EQ(object.menu->AddRef(), 6u);
  EXPECT_EQ(object.drop->Release(), 5u);
  object.sheet.reset();
  object.drop.reset();
  object.file.reset();
  object.menu.reset();
  EXPECT_EQ(module.canUnloadNow(), S_FALSE);
  IShellExtInit* last = object.init.get();
  last->AddRef();
  object.init.reset();
  EXPECT_EQ(last->Release(), 0u);
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

TEST_F(ExtensionObject, PersistFileOnlyLoadsAndLeavesOutputsAlone) {
  CLSID classId = kUnknownInterface;
  EXPECT_EQ(object.file->GetClassID(&classId), E_NOTIMPL);
  EXPECT_TRUE(IsEqualGUID(classId, kUnknownInterface));
  EXPECT_EQ(object.file->IsDirty(), E_NOTIMPL);
  EXPECT_EQ(object.file->Save(L"C:\\x.qeld", TRUE), E_NOTIMPL);
  EXPECT_EQ(object.file->SaveCompleted(L"C:\\x.qeld"), E_NOTIMPL);
  LPOLESTR current = static_cast<LPOLESTR>(garbagePointer());
  EXPECT_EQ(object.file->GetCurFile(&current), E_NOTIMPL);
  EXPECT_EQ(current, garbagePointer());
}

TEST_F(ExtensionObject, LoadTakesAnyNameAndRefusesNone) {
  EXPECT_EQ(object.file->Load(L"C:\\Docs\\box & more.qeld", STGM_READ), S_OK);
  EXPECT_EQ(object.file->Load(L"C:\\Docs\\second \U0001F512.qeld", STGM_READWRITE), S_OK);
  std::wstring longName(40000, L'x');
  EXPECT_EQ(object.file->Load(longName.c_str(), 0), S_OK);
  EXPECT_EQ(object.file->Load(nullptr, 0), E_INVALIDARG);
}

}  // namespace
}  // namespace brivane::test
