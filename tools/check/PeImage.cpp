#include "PeImage.h"

#include <windows.h>

#include <cstring>

#include "support/Handles.h"

namespace brivane {
namespace {

bool readAt(HANDLE file, LONG offset, void* buffer, DWORD size) {
  DWORD read = 0;
  return SetFilePointer(file, offset, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
         ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

}  // namespace

const wchar_t* widthName(WORD machine) { return machine == IMAGE_FILE_MACHINE_I386 ? L"32-bit" : L"64-bit"; }

std::wstring imageProblem(const std::wstring& path, WORD machine) {
  UniqueFile file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return L"a file that cannot be read (error " + std::to_wstring(GetLastError()) + L")";
  IMAGE_DOS_HEADER dos{};
  if (!readAt(file.get(), 0, &dos, sizeof dos) || dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew <= 0)
    return L"not a Windows program file";
  DWORD signature = 0;
  IMAGE_FILE_HEADER header{};
  if (!readAt(file.get(), dos.e_lfanew, &signature, sizeof signature) || signature != IMAGE_NT_SIGNATURE ||
      !readAt(file.get(), dos.e_lfanew + static_cast<LONG>(sizeof signature), &header, sizeof header))
    return L"not a Windows program file";
  const bool dll = (header.Characteristics & IMAGE_FILE_DLL) != 0;
  if (header.Machine != machine) {
    if (header.Machine != IMAGE_FILE_MACHINE_AMD64 && header.Machine != IMAGE_FILE_MACHINE_I386)
      return L"a module for another processor";
    return std::wstring(L"a ") + widthName(header.Machine) + (dll ? L" DLL" : L" program");
  }
  return dll ? L"" : L"a program, not a DLL";
}

}  // namespace brivane
