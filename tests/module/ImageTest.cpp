#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "module/ExtensionModule.h"

namespace brivane::test {
namespace {

struct Resource {
  const void* data = nullptr;
  DWORD size = 0;
};

Resource findResource(int id, LPCWSTR type) {
  HMODULE module = ExtensionModule::get().handle();
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) return {};
  return {LockResource(LoadResource(module, found)), SizeofResource(module, found)};
}

class ModuleImage : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ExtensionModule::get().loaded()); }
};

TEST_F(ModuleImage, MenuBitmapsAreSixteenPixelsSquareInTheirColourDepths) {
  const struct {
    int id;
    WORD bits;
  } expected[] = {{150, 24}, {152, 24}, {163, 8}};
  for (const auto& bitmap : expected) {
    const Resource resource = findResource(bitmap.id, RT_BITMAP);
    ASSERT_NE(resource.data, nullptr) << "bitmap " << bitmap.id;
    ASSERT_GE(resource.size, sizeof(BITMAPINFOHEADER));
    const auto* header = static_cast<const BITMAPINFOHEADER*>(resource.data);
    EXPECT_EQ(header->biWidth, 16) << "bitmap " << bitmap.id;
    EXPECT_EQ(header->biHeight, 16) << "bitmap " << bitmap.id;
    EXPECT_EQ(header->biBitCount, bitmap.bits) << "bitmap " << bitmap.id;

    UniqueBitmap loaded(LoadBitmapW(ExtensionModule::get().handle(), MAKEINTRESOURCEW(bitmap.id)));
    ASSERT_TRUE(loaded) << "bitmap " << bitmap.id;
    BITMAP info{};
    ASSERT_EQ(GetObjectW(loaded.get(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 16);
    EXPECT_EQ(info.bmHeight, 16);
  }
}

// The three pictures must differ, and each must draw something on the white menu background.
TEST_F(ModuleImage, MenuBitmapsAreThreeDistinctPictures) {
  std::set<std::string> pictures;
  for (int id : {150, 152, 163}) {
    const Resource resource = findResource(id, RT_BITMAP);
    ASSERT_NE(resource.data, nullptr);
    const std::string bytes(static_cast<const char*>(resource.data), resource.size);
    pictures.insert(bytes);
  }
  EXPECT_EQ(pictures.size(), 3u);
  for (const std::string& picture : pictures) {
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(picture.data());
    const std::size_t pixels = header->biSize + (header->biBitCount == 8 ? 256 * 4 : 0);
    const std::string body = picture.substr(pixels);
    EXPECT_NE(body.find_first_not_of(body.front()), std::string::npos) << "a bitmap of one colour";
  }
}

TEST_F(ModuleImage, ManifestNamesTheModuleAndTheOptionalCommonControls) {
  const Resource resource = findResource(123, RT_MANIFEST);
  ASSERT_NE(resource.data, nullptr);
  const std::string text(static_cast<const char*>(resource.data), resource.size);
  EXPECT_NE(text.find(R"(name="QELShellContextMenu" version="1.0.0.0")"), std::string::npos) << text;
  EXPECT_NE(text.find(R"(<dependency optional="yes">)"), std::string::npos) << text;
  EXPECT_NE(text.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.1.0")"), std::string::npos) << text;
}

// A manifest under identifier 2 or 3 would be activated for the module by the loader or by the
// activation-context wrappers; the module's own manifest must stay inactive.
TEST_F(ModuleImage, NoManifestUnderTheIdentifiersTheLoaderActivates) {
  for (int id : {1, 2, 3}) EXPECT_EQ(findResource(id, RT_MANIFEST).data, nullptr) << "manifest " << id;
}

}  // namespace
}  // namespace brivane::test
