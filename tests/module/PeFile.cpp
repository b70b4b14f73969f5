#include "module/PeFile.h"

#include <fstream>
#include <iterator>

namespace brivane::test {
namespace {

template <typename Optional>
void readDirectories(const BYTE* optional, const IMAGE_DATA_DIRECTORY*& directories, DWORD& count) {
  const auto* header = reinterpret_cast<const Optional*>(optional);
  directories = header->DataDirectory;
  count = header->NumberOfRvaAndSizes;
}

}  // namespace

PeFile::PeFile(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  bytes_.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  if (bytes_.size() < sizeof(IMAGE_DOS_HEADER)) return;
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
  const std::size_t nt = static_cast<std::size_t>(dos->e_lfanew);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE || nt + sizeof(DWORD) + sizeof(IMAGE_FILE_HEADER) > bytes_.size()) return;
  if (*reinterpret_cast<const DWORD*>(&bytes_[nt]) != IMAGE_NT_SIGNATURE) return;
  const auto* header = reinterpret_cast<const IMAGE_FILE_HEADER*>(&bytes_[nt + sizeof(DWORD)]);
  const BYTE* optional = reinterpret_cast<const BYTE*>(header + 1);
  const std::size_t sections = nt + sizeof(DWORD) + sizeof(IMAGE_FILE_HEADER) + header->SizeOfOptionalHeader;
  if (sections + header->NumberOfSections * sizeof(IMAGE_SECTION_HEADER) > bytes_.size()) return;
  const WORD magic = *reinterpret_cast<const WORD*>(optional);
  if (magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
    readDirectories<IMAGE_OPTIONAL_HEADER32>(optional, directories_, directoryCount_);
  } else if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
    readDirectories<IMAGE_OPTIONAL_HEADER64>(optional, directories_, directoryCount_);
  } else {
    return;
  }
  sections_ = reinterpret_cast<const IMAGE_SECTION_HEADER*>(&bytes_[sections]);
  header_ = header;
}

const IMAGE_DATA_DIRECTORY* PeFile::directory(int which) const {
  if (static_cast<DWORD>(which) >= directoryCount_ || directories_[which].VirtualAddress == 0) return nullptr;
  return &directories_[which];
}

const BYTE* PeFile::at(DWORD rva) const {
  for (WORD i = 0; i < header_->NumberOfSections; ++i) {
    const IMAGE_SECTION_HEADER& section = sections_[i];
    if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData) {
      const std::size_t offset = section.PointerToRawData + (rva - section.VirtualAddress);
      return offset < bytes_.size() ? &bytes_[offset] : nullptr;
    }
  }
  return nullptr;
}

std::vector<std::string> PeFile::exportedNames() const {
  std::vector<std::string> names;
  const IMAGE_DATA_DIRECTORY* entry = directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
  const auto* exports = entry ? reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(at(entry->VirtualAddress)) : nullptr;
  if (!exports) return names;
  const auto* rvas = reinterpret_cast<const DWORD*>(at(exports->AddressOfNames));
  for (DWORD i = 0; rvas && i < exports->NumberOfNames; ++i) {
    const BYTE* name = at(rvas[i]);
    if (name) names.emplace_back(reinterpret_cast<const char*>(name));
  }
  return names;
}

DWORD PeFile::unnamedExports() const {
  const IMAGE_DATA_DIRECTORY* entry = directory(IMAGE_DIRECTORY_ENTRY_EXPORT);
  const auto* exports = entry ? reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(at(entry->VirtualAddress)) : nullptr;
  return exports ? exports->NumberOfFunctions - exports->NumberOfNames : 0;
}

std::vector<std::string> PeFile::importedLibraries() const {
  std::vector<std::string> libraries;
  const IMAGE_DATA_DIRECTORY* entry = directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
  const auto* import = entry ? reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(at(entry->VirtualAddress)) : nullptr;
  for (; import && import->Name != 0; ++import) {
    const BYTE* name = at(import->Name);
    if (name) libraries.emplace_back(reinterpret_cast<const char*>(name));
  }
  return libraries;
}

}  // namespace brivane::test
