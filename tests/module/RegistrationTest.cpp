#include <gtest/gtest.h>

#include <objbase.h>
#include <olectl.h>
#include <shlobj.h>

#include <cwctype>
#include <optional>
#include <string>

#include "module/ExtensionModule.h"
#include "module/RegistrySnapshot.h"

namespace brivane::test {
namespace {

std::wstring classIdText() {
  wchar_t text[64];
  StringFromGUID2(kShellExtensionClassId, text, 64);
  return text;
}

const std::wstring kClassKey = L"CLSID\\" + classIdText();
const std::wstring kServerKey = kClassKey + L"\\InProcServer32";
const std::wstring kFileHandlerKey = L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor";
const std::wstring kFolderHandlerKey = L"Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor";
const wchar_t* const kOtherApproval = L"{0BADF00D-0000-4000-8000-B21A7E000001}";

struct StoredText {
  DWORD type = REG_NONE;
  DWORD bytes = 0;
  std::wstring text;
};

std::optional<StoredText> readValue(HKEY root, const std::wstring& key, const wchar_t* name) {
  RegKey opened;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, opened.out()) != ERROR_SUCCESS) return std::nullopt;
  StoredText value;
  wchar_t data[1024] = {};
  value.bytes = sizeof data - sizeof(wchar_t);
  if (RegQueryValueExW(opened.get(), name, nullptr, &value.type, reinterpret_cast<BYTE*>(data), &value.bytes) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.text = data;
  return value;
}

bool keyExists(HKEY root, const std::wstring& key) {
  RegKey opened;
  return RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, opened.out()) == ERROR_SUCCESS;
}

// Number of values and of sub-keys of a key.
std::pair<DWORD, DWORD> contentsOf(HKEY root, const std::wstring& key) {
  RegKey opened;
  DWORD subkeys = 0;
  DWORD values = 0;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, opened.out()) == ERROR_SUCCESS) {
    RegQueryInfoKeyW(opened.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
  }
  return {values, subkeys};
}

std::wstring loadedModulePath() {
  wchar_t path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(ExtensionModule::get().handle(), path, MAX_PATH * 4);
  return std::wstring(path, length);
}

// A REG_SZ value holding exactly the text, its terminating null included in the stored length.
void expectText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& expected) {
  const std::optional<StoredText> value = readValue(root, key, name);
  ASSERT_TRUE(value) << "missing: " << std::string(key.begin(), key.end());
  EXPECT_EQ(value->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(value->text, expected);
  EXPECT_EQ(value->bytes, (expected.size() + 1) * sizeof(wchar_t));
}

void expectEverythingRegistered() {
  const std::wstring classId = classIdText();
  expectText(HKEY_CLASSES_ROOT, kClassKey, nullptr, L"BRIVANE SHELLEXTENSION");
  expectText(HKEY_CLASSES_ROOT, kServerKey, nullptr, loadedModulePath());
  expectText(HKEY_CLASSES_ROOT, kServerKey, L"ThreadingModel", L"Apartment");
  expectText(HKEY_CLASSES_ROOT, kFileHandlerKey, nullptr, classId);
  expectText(HKEY_CLASSES_ROOT, kFolderHandlerKey, nullptr, classId);
  expectText(HKEY_LOCAL_MACHINE, kApprovedKey, classId.c_str(), L"BrivanePalisor");
  EXPECT_EQ(contentsOf(HKEY_CLASSES_ROOT, kClassKey), std::make_pair(DWORD{1}, DWORD{1}));
  EXPECT_EQ(contentsOf(HKEY_CLASSES_ROOT, kServerKey), std::make_pair(DWORD{2}, DWORD{0}));
  EXPECT_EQ(contentsOf(HKEY_CLASSES_ROOT, kFileHandlerKey), std::make_pair(DWORD{1}, DWORD{0}));
  EXPECT_EQ(contentsOf(HKEY_CLASSES_ROOT, kFolderHandlerKey), std::make_pair(DWORD{1}, DWORD{0}));
}

class Registration : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module.loaded());
    snapshot.emplace(std::vector<std::wstring>{kClassKey, kFileHandlerKey, kFolderHandlerKey}, classIdText());
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, kApprovedKey, kOtherApproval, REG_SZ, L"another extension", 36);
  }
  void TearDown() override {
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kApprovedKey, kOtherApproval);
    snapshot.reset();
  }

  ExtensionModule& module = ExtensionModule::get();
  std::optional<RegistrySnapshot> snapshot;
};

TEST_F(Registration, ClassIdTextIsTheRegistryFormOfTheClass) {
  const std::wstring text = classIdText();
  ASSERT_EQ(text.size(), 38u);
  EXPECT_EQ(text.front(), L'{');
  EXPECT_EQ(text.back(), L'}');
  for (wchar_t c : text) EXPECT_FALSE(std::iswlower(c)) << "lower case in the CLSID string";
}

TEST_F(Registration, WritesTheClassTheHandlersAndTheApprovalWithExactValues) {
  ASSERT_EQ(module.registerServer(), S_OK);
  expectEverythingRegistered();
}

TEST_F(Registration, RepeatedRegistrationRewritesTheSameEntries) {
  ASSERT_EQ(module.registerServer(), S_OK);
  ASSERT_EQ(module.registerServer(), S_OK);
  expectEverythingRegistered();
}

TEST_F(Registration, UnregistrationRemovesWhatRegistrationWroteAndOnlyThat) {
  ASSERT_EQ(module.registerServer(), S_OK);
  EXPECT_EQ(module.unregisterServer(), S_OK);
  for (const std::wstring& key : {kServerKey, kClassKey, kFileHandlerKey, kFolderHandlerKey}) {
    EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, key)) << "left: " << std::string(key.begin(), key.end());
  }
  EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, L"*\\shellex\\ContextMenuHandlers"));
  EXPECT_FALSE(readValue(HKEY_LOCAL_MACHINE, kApprovedKey, classIdText().c_str()));
  expectText(HKEY_LOCAL_MACHINE, kApprovedKey, kOtherApproval, L"another extension");
}

TEST_F(Registration, UnregistrationAlsoDeletesAKeyNamedAfterTheHandlerBelowTheApprovedKey) {
  const std::wstring handlerKey = std::wstring(kApprovedKey) + L"\\BrivanePalisor";
  RegKey created;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, handlerKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                            nullptr, created.out(), nullptr),
            ERROR_SUCCESS);
  created.reset();
  EXPECT_EQ(module.registerServer(), S_OK);  // the key is deleted below whatever happens
  EXPECT_EQ(module.unregisterServer(), S_OK);
  EXPECT_FALSE(keyExists(HKEY_LOCAL_MACHINE, handlerKey));
  EXPECT_FALSE(readValue(HKEY_LOCAL_MACHINE, kApprovedKey, classIdText().c_str()));
  expectText(HKEY_LOCAL_MACHINE, kApprovedKey, kOtherApproval, L"another extension");
  RegDeleteKeyW(HKEY_LOCAL_MACHINE, handlerKey.c_str());
}

// A key that cannot be created: a lasting key cannot be made below a volatile one.
TEST_F(Registration, RegistrationStopsAtTheFirstKeyItCannotCreate) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kClassKey.c_str());
  RegDeleteKeyW(HKEY_CLASSES_ROOT, kClassKey.c_str());
  RegKey volatileClass;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, kClassKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, volatileClass.out(), nullptr),
            ERROR_SUCCESS);
  volatileClass.reset();
  EXPECT_EQ(module.registerServer(), SELFREG_E_CLASS);
  expectText(HKEY_CLASSES_ROOT, kClassKey, nullptr, L"BRIVANE SHELLEXTENSION");
  EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, kServerKey));
  EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, kFileHandlerKey));
  EXPECT_FALSE(keyExists(HKEY_CLASSES_ROOT, kFolderHandlerKey));
  EXPECT_FALSE(readValue(HKEY_LOCAL_MACHINE, kApprovedKey, classIdText().c_str()));
  RegDeleteKeyW(HKEY_CLASSES_ROOT, kClassKey.c_str());
}

TEST_F(Registration, SecondUnregistrationReportsTheMissingClass) {
  ASSERT_EQ(module.registerServer(), S_OK);
  EXPECT_EQ(module.unregisterServer(), S_OK);
  EXPECT_EQ(module.unregisterServer(), SELFREG_E_CLASS);
  EXPECT_EQ(module.registerServer(), S_OK);
  expectEverythingRegistered();
}

TEST_F(Registration, UnregistrationStopsAtTheFirstKeyItCannotDelete) {
  ASSERT_EQ(module.registerServer(), S_OK);
  ASSERT_EQ(RegDeleteKeyW(HKEY_CLASSES_ROOT, kServerKey.c_str()), ERROR_SUCCESS);
  EXPECT_EQ(module.unregisterServer(), SELFREG_E_CLASS);
  EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, kFileHandlerKey));
  EXPECT_TRUE(keyExists(HKEY_CLASSES_ROOT, kFolderHandlerKey));
}

// The entries are what COM itself reads to create the class in process, as Explorer does.
TEST_F(Registration, RegisteredClassIsCreatedByCom) {
  ASSERT_EQ(module.registerServer(), S_OK);
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    ComPtr<IShellExtInit> object;
    EXPECT_EQ(CoCreateInstance(kShellExtensionClassId, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IShellExtInit),
                               object.outVoid()),
              S_OK);
    EXPECT_TRUE(object);
    EXPECT_EQ(module.canUnloadNow(), S_FALSE);
  }
  EXPECT_EQ(module.canUnloadNow(), S_OK);
  CoUninitialize();
}

}  // namespace
}  // namespace brivane::test
