#include <gtest/gtest.h>

#include <shlobj.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "module/ExtensionModule.h"

namespace brivane::test {
namespace {

// {C0FFEE00-...}: a class this module does not serve.
constexpr CLSID kOtherClassId = {0xC0FFEE00, 0x1111, 0x2222, {0x33, 0x33, 0x44, 0x44, 0x55, 0x55, 0x66, 0x66}};

class Server : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.loaded());
    ASSERT_EQ(module.canUnloadNow(), S_OK) << "an earlier test left an object alive";
  }
  void TearDown() override { EXPECT_EQ(module.canUnloadNow(), S_OK); }

  ExtensionModule& module = ExtensionModule::get();
};

TEST_F(Server, UnloadIsRefusedExactlyWhileAFactoryIsHeld) {
  ComPtr<IClassFactory> factory = module.factory();
  ASSERT_TRUE(factory);
  EXPECT_EQ(module.canUnloadNow(), S_FALSE);
  factory.reset();
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

TEST_F(Server, UnloadIsRefusedWhileAnObjectOutlivesItsFactory) {
  ComPtr<IShellExtInit> object = module.create<IShellExtInit>();
  ASSERT_TRUE(object);
  EXPECT_EQ(module.canUnloadNow(), S_FALSE);
  IShellExtInit* last = object.get();
  last->AddRef();
  object.reset();
  EXPECT_EQ(last->Release(), 0u);
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

TEST_F(Server, ServerLocksDoNotKeepTheModuleLoaded) {
  ComPtr<IClassFactory> factory = module.factory();
  ASSERT_TRUE(factory);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  factory.reset();
  EXPECT_EQ(module.canUnloadNow(), S_OK);
  factory = module.factory();
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(module.canUnloadNow(), S_FALSE);
}

TEST_F(Server, OtherClassesAreNotAvailable) {
  void* out = garbagePointer();
  EXPECT_EQ(module.getClassObject(kOtherClassId, __uuidof(IClassFactory), &out), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

TEST_F(Server, FactoryComesWithOneReferenceAsClassFactoryOrUnknown) {
  for (const IID& id : {__uuidof(IClassFactory), __uuidof(IUnknown)}) {
    IUnknown* factory = nullptr;
    ASSERT_EQ(module.getClassObject(kShellExtensionClassId, id, reinterpret_cast<void**>(&factory)), S_OK);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->AddRef(), 2u);
    EXPECT_EQ(factory->Release(), 1u);
    EXPECT_EQ(factory->Release(), 0u);
  }
}

TEST_F(Server, FactoryAskedForAnotherInterfaceIsFreedAtOnce) {
  for (const IID& id : {__uuidof(IShellExtInit), __uuidof(IContextMenu), __uuidof(IClassFactory2)}) {
    void* out = garbagePointer();
    EXPECT_EQ(module.getClassObject(kShellExtensionClassId, id, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(module.canUnloadNow(), S_OK);
  }
}

TEST_F(Server, NullOutPointersAreRefused) {
  EXPECT_EQ(module.getClassObject(kShellExtensionClassId, __uuidof(IClassFactory), nullptr), E_POINTER);
  ComPtr<IClassFactory> factory = module.factory();
  ASSERT_TRUE(factory);
  EXPECT_EQ(factory->QueryInterface(__uuidof(IUnknown), nullptr), E_POINTER);
  EXPECT_EQ(factory->CreateInstance(nullptr, __uuidof(IShellExtInit), nullptr), E_POINTER);
  EXPECT_EQ(referenceCount(factory.get()), 1u);
  factory.reset();
}

TEST_F(Server, FactoryAnswersItsTwoInterfacesWithItsOwnPointer) {
  ComPtr<IClassFactory> factory = module.factory();
  ASSERT_TRUE(factory);
  for (const IID& id : {__uuidof(IUnknown), __uuidof(IClassFactory)}) {
    void* out = nullptr;
    ASSERT_EQ(factory->QueryInterface(id, &out), S_OK);
    EXPECT_EQ(out, factory.get());
    EXPECT_EQ(referenceCount(factory.get()), 2u);
    factory->Release();
  }
}

TEST_F(Server, FactoryRefusesEveryOtherInterface) {
  ComPtr<IClassFactory> factory = module.factory();
  ASSERT_TRUE(factory);
  for (const IID& id : {__uuidof(IClassFactory2), __uuidof(IShellExtInit), __uuidof(IMarshal), __uuidof(IDispatch),
                        __uuidof(IPersistFile), kOtherClassId}) {
    void* out = garbagePointer();
    EXPECT_EQ(factory->QueryInterface(id, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(referenceCount(factory.get()), 1u);
  }
}

TEST_F(Server, AggregationIsRefusedAndCreatesNothing) {
  ComPtr<IClassFactory> factory = module.factory();
  ASSERT_TRUE(factory);
  void* out = garbagePointer();
  EXPECT_EQ(factory->CreateInstance(factory.get(), __uuidof(IUnknown), &out), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(referenceCount(factory.get()), 1u);
  factory.reset();
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

TEST_F(Server, ObjectAskedForAnInterfaceItLacksIsFreedAtOnce) {
  ComPtr<IClassFactory> factory = module.factory();
  ASSERT_TRUE(factory);
  for (const IID& id : {__uuidof(IClassFactory), __uuidof(IContextMenu2), __uuidof(IPersist)}) {
    void* out = garbagePointer();
    EXPECT_EQ(factory->CreateInstance(nullptr, id, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
  }
  factory.reset();
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

TEST_F(Server, ObjectComesWithOneReferenceThroughEachOfItsInterfaces) {
  ComPtr<IClassFactory> factory = module.factory();
  ASSERT_TRUE(factory);
  for (const IID& id : {__uuidof(IUnknown), __uuidof(IShellExtInit), __uuidof(IContextMenu), __uuidof(IPersistFile),
                        __uuidof(IDropTarget), __uuidof(IShellPropSheetExt)}) {
    IUnknown* object = nullptr;
    ASSERT_EQ(factory->CreateInstance(nullptr, id, reinterpret_cast<void**>(&object)), S_OK);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->AddRef(), 2u);
    EXPECT_EQ(object->Release(), 1u);
    EXPECT_EQ(object->Release(), 0u);
  }
  factory.reset();
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

// Explorer creates and releases objects on one thread per window; no count may be lost. The threads
// contend for a fixed time rather than a fixed number of rounds, so that they surely overlap.
TEST_F(Server, CountsStayExactWhenThreadsCreateAndReleaseAtOnce) {
  ComPtr<IClassFactory> factory = module.factory();
  ComPtr<IShellExtInit> shared = module.create<IShellExtInit>();
  ASSERT_TRUE(factory && shared);
  constexpr int kThreads = 4;
  constexpr int kRoundsPerCreation = 20000;
  std::atomic<bool> started{false};
  std::atomic<bool> stopped{false};
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&] {
      while (!started) std::this_thread::yield();
      for (int round = 0; !stopped; ++round) {
        shared->AddRef();
        factory->AddRef();
        if (round % kRoundsPerCreation == 0) {
          IUnknown* object = nullptr;
          if (SUCCEEDED(factory->CreateInstance(nullptr, __uuidof(IUnknown), reinterpret_cast<void**>(&object)))) {
            object->Release();
          }
        }
        factory->Release();
        shared->Release();
      }
    });
  }
  started = true;
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  stopped = true;
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(referenceCount(shared.get()), 1u);
  EXPECT_EQ(referenceCount(factory.get()), 1u);
  factory.reset();
  EXPECT_EQ(module.canUnloadNow(), S_FALSE);
  shared.reset();
  EXPECT_EQ(module.canUnloadNow(), S_OK);
}

}  // namespace
}  // namespace brivane::test
