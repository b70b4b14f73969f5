#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "module/ExtensionModule.h"

namespace brivane::test {
namespace {

constexpr int kPageDialog = 164;
constexpr int kSecuredFolderIcon = 165;
constexpr int kSecuredFileIcon = 166;

struct Resource {
  const BYTE* data = nullptr;
  DWORD size = 0;
};

Resource findResource(int id, LPCWSTR type) {
  HMODULE module = ExtensionModule::get().handle();
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) return {};
  return {static_cast<const BYTE*>(LockResource(LoadResource(module, found))), SizeofResource(module, found)};
}

// Reads an extended dialog template field by field; every read past the end yields zeros.
class TemplateReader {
 public:
  explicit TemplateReader(Resource resource) : resource_(resource) {}

  template <typename T>
  T read() {
    T value{};
    if (at_ + sizeof(T) <= resource_.size) std::memcpy(&value, resource_.data + at_, sizeof(T));
    at_ += sizeof(T);
    return value;
  }
  std::wstring text() {
    std::wstring result;
    for (wchar_t c = read<wchar_t>(); c != 0 && at_ <= resource_.size; c = read<wchar_t>()) result += c;
    return result;
  }
  // A name or, after 0xFFFF, an ordinal (given as "#n").
  std::wstring nameOrOrdinal() {
    if (peekWord() == 0xFFFF) {
      read<WORD>();
      return L"#" + std::to_wstring(read<WORD>());
    }
    return text();
  }
  void alignToDword() { at_ = (at_ + 3) & ~static_cast<std::size_t>(3); }
  bool atEnd() const { return at_ >= resource_.size; }

 private:
  WORD peekWord() const {
    WORD value = 0;
    if (at_ + sizeof value <= resource_.size) std::memcpy(&value, resource_.data + at_, sizeof value);
    return value;
  }

  Resource resource_;
  std::size_t at_ = 0;
};

struct Control {
  DWORD id;
  std::wstring windowClass;
  std::wstring text;
  DWORD style;
  short x, y, width, height;

  bool operator==(const Control&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Control& c) {
  const std::string text(c.text.begin(), c.text.end());
  const std::string windowClass(c.windowClass.begin(), c.windowClass.end());
  return out << c.id << " " << windowClass << " \"" << text << "\" 0x" << std::hex << c.style << std::dec << " "
             << c.x << "," << c.y << "," << c.width << "," << c.height;
}

Control readControl(TemplateReader& reader) {
  reader.alignToDword();
  Control control{};
  reader.read<DWORD>();  // help id
  EXPECT_EQ(reader.read<DWORD>(), 0u) << "extended style";
  control.style = reader.read<DWORD>();
  control.x = reader.read<short>();
  control.y = reader.read<short>();
  control.width = reader.read<short>();
  control.height = reader.read<short>();
  control.id = reader.read<DWORD>();
  control.windowClass = reader.nameOrOrdinal();
  control.text = reader.nameOrOrdinal();
  EXPECT_EQ(reader.read<WORD>(), 0u) << "creation data";
  return control;
}

class PageResources : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(ExtensionModule::get().loaded()); }
};

TEST_F(PageResources, DialogTemplateIsTheExtendedPageWithItsThreeControls) {
  const Resource resource = findResource(kPageDialog, RT_DIALOG);
  ASSERT_NE(resource.data, nullptr);
  TemplateReader reader(resource);
  EXPECT_EQ(reader.read<WORD>(), 1u) << "version";
  EXPECT_EQ(reader.read<WORD>(), 0xFFFFu) << "extended template";
  reader.read<DWORD>();  // help id
  EXPECT_EQ(reader.read<DWORD>(), 0u) << "extended style";
  EXPECT_EQ(reader.read<DWORD>(), 0x80080048u) << "WS_POPUP | WS_SYSMENU | DS_SHELLFONT";
  const WORD controls = reader.read<WORD>();
  EXPECT_EQ(reader.read<short>(), 0);
  EXPECT_EQ(reader.read<short>(), 0);
  EXPECT_EQ(reader.read<short>(), 228) << "width";
  EXPECT_EQ(reader.read<short>(), 264) << "height";
  EXPECT_EQ(reader.nameOrOrdinal(), L"") << "menu";
  EXPECT_EQ(reader.nameOrOrdinal(), L"") << "window class";
  EXPECT_EQ(reader.text(), L"") << "caption";
  EXPECT_EQ(reader.read<WORD>(), 8u) << "points";
  reader.read<WORD>();  // weight
  reader.read<BYTE>();  // italic
  reader.read<BYTE>();  // character set
  EXPECT_EQ(reader.text(), L"MS Shell Dlg");
  ASSERT_EQ(controls, 3u);
  std::vector<Control> found;
  for (WORD i = 0; i < controls; ++i) found.push_back(readControl(reader));
  const std::vector<Control> expected = {
      {1003, L"#130", L"This is a test ", 0x50020000, 22, 39, 179, 115},
      {1002, L"#128", L"Change Password ...", 0x50010000, 130, 238, 84, 15},
      {1004, L"#130", L"Static", 0x50020000, 19, 20, 176, 10},
  };
  EXPECT_EQ(found, expected);
  EXPECT_TRUE(reader.atEnd());
}

// The images of an icon resource: width and colour depth of each, as the group lists them and as the
// image itself says.
std::vector<std::pair<int, int>> iconImages(int id) {
  const Resource group = findResource(id, RT_GROUP_ICON);
  std::vector<std::pair<int, int>> images;
  if (!group.data || group.size < 6) return images;
  WORD count = 0;
  std::memcpy(&count, group.data + 4, sizeof count);
  for (WORD i = 0; i < count && 6u + 14u * (i + 1u) <= group.size; ++i) {
    const BYTE* entry = group.data + 6 + 14 * i;
    WORD bits = 0;
    WORD imageId = 0;
    std::memcpy(&bits, entry + 6, sizeof bits);
    std::memcpy(&imageId, entry + 12, sizeof imageId);
    const Resource image = findResource(imageId, RT_ICON);
    BITMAPINFOHEADER header{};
    if (image.size >= sizeof header) std::memcpy(&header, image.data, sizeof header);
    EXPECT_EQ(header.biWidth, entry[0] == 0 ? 256 : entry[0]);
    EXPECT_EQ(header.biHeight, 2 * header.biWidth) << "colour image and mask";
    EXPECT_EQ(header.biBitCount, bits);
    images.emplace_back(header.biWidth, header.biBitCount);
  }
  std::sort(images.begin(), images.end());
  return images;
}

TEST_F(PageResources, SecuredFileIconHoldsFourSizesInEightBitAndFullColour) {
  const std::vector<std::pair<int, int>> expected = {{16, 8}, {16, 32}, {24, 8}, {24, 32},
                                                     {32, 8}, {32, 24}, {48, 8}, {48, 32}};
  EXPECT_EQ(iconImages(kSecuredFileIcon), expected);
}

TEST_F(PageResources, SecuredFolderIconHoldsFourSizesInFullColour) {
  const std::vector<std::pair<int, int>> expected = {{16, 32}, {24, 32}, {32, 24}, {48, 32}};
  EXPECT_EQ(iconImages(kSecuredFolderIcon), expected);
}

TEST_F(PageResources, BothIconsLoadAtEveryPageSize) {
  HMODULE module = ExtensionModule::get().handle();
  for (int size : {16, 24, 32, 48}) {
    HICON file = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(kSecuredFileIcon), IMAGE_ICON, size, size, 0));
    HICON folder =
        static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(kSecuredFolderIcon), IMAGE_ICON, size, size, 0));
    EXPECT_NE(file, nullptr) << size;
    EXPECT_NE(folder, nullptr) << size;
    if (file) DestroyIcon(file);
    if (folder) DestroyIcon(folder);
  }
}

}  // namespace
}  // namespace brivane::test
