// The shipped modules of both builds, 64-bit and 32-bit, read from their files (a 64-bit process cannot
// load a 32-bit module, and a machine without 32-bit Wine runs none).
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "module/PeFile.h"
#include "support/Handles.h"

namespace brivane::test {
namespace {

struct Build {
  const char* name;
  WORD machine;
  std::wstring binFolder;
  std::wstring moduleFolder;
};

const Build kBuilds[] = {
    {"x64", IMAGE_FILE_MACHINE_AMD64, BRIVANE_BIN_DIR, BRIVANE_MODULE_DIR},
    {"x86", IMAGE_FILE_MACHINE_I386, BRIVANE_X86_BIN_DIR, BRIVANE_X86_MODULE_DIR},
};

std::vector<std::string> sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

class ModuleFiles : public ::testing::TestWithParam<Build> {
 protected:
  PeFile extension{GetParam().binFolder + L"\\BrivaneShell.dll"};
  PeFile core{GetParam().moduleFolder + L"\\Brivane_Core.dll"};
};

TEST_P(ModuleFiles, ExtensionIsADllOfItsBuildExportingExactlyTheFourServerFunctions) {
  ASSERT_TRUE(extension.valid());
  EXPECT_EQ(extension.machine(), GetParam().machine);
  EXPECT_TRUE(extension.isDll());
  // Undecorated, as the system looks them up: a 32-bit __stdcall name would otherwise read DllGetClassObject@12.
  EXPECT_EQ(sorted(extension.exportedNames()), (std::vector<std::string>{"DllCanUnloadNow", "DllGetClassObject",
                                                                         "DllRegisterServer", "DllUnregisterServer"}));
  EXPECT_EQ(extension.unnamedExports(), 0u);
}

TEST_P(ModuleFiles, CoreLibraryIsADllOfItsBuildExportingItsEntryPoint) {
  ASSERT_TRUE(core.valid());
  EXPECT_EQ(core.machine(), GetParam().machine);
  EXPECT_TRUE(core.isDll());
  EXPECT_EQ(core.exportedNames(), std::vector<std::string>{"QLSDK_ProcessProtocol_ByTag"});
}

TEST_P(ModuleFiles, ExtensionAndCoreNeedOnlyLibrariesOfTheSystem) {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  for (const PeFile* module : {&extension, &core}) {
    const std::vector<std::string> libraries = module->importedLibraries();
    ASSERT_FALSE(libraries.empty());
    for (const std::string& library : libraries) {
      const std::wstring path = std::wstring(system) + L"\\" + std::wstring(library.begin(), library.end());
      EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << library << " is not a system library";
      std::string lower = library;
      std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
      EXPECT_NE(lower.rfind("lib", 0), 0u) << library << " comes with the compiler";
    }
  }
}

TEST_P(ModuleFiles, TheExplorerStandInIsAProgramOfItsBuild) {
  const PeFile host(GetParam().binFolder + L"\\shellhost.exe");
  ASSERT_TRUE(host.valid());
  EXPECT_EQ(host.machine(), GetParam().machine);
  EXPECT_FALSE(host.isDll());
}

INSTANTIATE_TEST_SUITE_P(Builds, ModuleFiles, ::testing::ValuesIn(kBuilds),
                         [](const ::testing::TestParamInfo<Build>& info) { return std::string(info.param.name); });

// A resource's type or name: its number, or its text.
std::wstring resourceId(LPCWSTR id) { return IS_INTRESOURCE(id) ? L"#" + std::to_wstring(LOWORD(id)) : id; }

using Resources = std::map<std::wstring, std::string>;

BOOL CALLBACK addResource(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR found) {
  HRSRC resource = FindResourceW(module, name, type);
  const char* data = static_cast<const char*>(LockResource(LoadResource(module, resource)));
  reinterpret_cast<Resources*>(found)->emplace(resourceId(type) + L"/" + resourceId(name),
                                               std::string(data, data ? SizeofResource(module, resource) : 0));
  return TRUE;
}

BOOL CALLBACK addResourcesOfType(HMODULE module, LPWSTR type, LONG_PTR found) {
  EnumResourceNamesW(module, type, addResource, found);
  return TRUE;
}

// Every resource of a module's file, by type and name.
Resources resourcesOf(const std::wstring& path) {
  Resources found;
  UniqueModule module(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (module) EnumResourceTypesW(module.get(), addResourcesOfType, reinterpret_cast<LONG_PTR>(&found));
  return found;
}

// Both builds come from the same resources: the 32-bit extension shows the same bitmaps, icons, dialog,
// texts, manifest and version.
TEST(ModuleResources, The32BitExtensionCarriesTheResourcesOfThe64BitOne) {
  const Resources wide = resourcesOf(std::wstring(BRIVANE_BIN_DIR) + L"\\BrivaneShell.dll");
  const Resources narrow = resourcesOf(std::wstring(BRIVANE_X86_BIN_DIR) + L"\\BrivaneShell.dll");
  ASSERT_TRUE(wide.count(L"#24/#123")) << "the 64-bit extension's manifest is not found";
  EXPECT_GT(wide.size(), 10u);
  EXPECT_TRUE(narrow == wide);
}

}  // namespace
}  // namespace brivane::test
