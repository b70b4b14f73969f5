#pragma once
// A module's file read as bytes: its headers, exports and imports, for modules of either width, which this
// process need not be able to load.
#include <windows.h>

#include <string>
#include <vector>

namespace brivane::test {

class PeFile {
 public:
  explicit PeFile(const std::wstring& path);

  // False when the file is missing or is no PE image.
  bool valid() const { return header_ != nullptr; }
  WORD machine() const { return header_->Machine; }
  bool isDll() const { return (header_->Characteristics & IMAGE_FILE_DLL) != 0; }
  // Exported names in the order the table keeps them; imported library names.
  std::vector<std::string> exportedNames() const;
  std::vector<std::string> importedLibraries() const;
  // Exported entries that carry no name.
  DWORD unnamedExports() const;

 private:
  const IMAGE_DATA_DIRECTORY* directory(int which) const;
  // The bytes at a relative virtual address, or null when no section holds it.
  const BYTE* at(DWORD rva) const;

  std::vector<BYTE> bytes_;
  const IMAGE_FILE_HEADER* header_ = nullptr;
  const IMAGE_SECTION_HEADER* sections_ = nullptr;
  const IMAGE_DATA_DIRECTORY* directories_ = nullptr;
  DWORD directoryCount_ = 0;
};

}  // namespace brivane::test
