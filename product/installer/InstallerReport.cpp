#include "InstallerReport.h"

#include <cwchar>
#include <string>

namespace brivane {
namespace {

void writeUtf8(DWORD stream, const std::wstring& text) {
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (size <= 0) return;
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

void reportStep(const std::wstring& line) { writeUtf8(STD_OUTPUT_HANDLE, line + L"\n"); }

void reportFailure(const std::wstring& message) { writeErrorText(L"brivane-install: " + message + L"\n"); }

void writeErrorText(const std::wstring& text) { writeUtf8(STD_ERROR_HANDLE, text); }

std::wstring hresultText(HRESULT hr) {
  wchar_t text[16];
  swprintf(text, 16, L"0x%08X", static_cast<unsigned>(hr));
  return text;
}

}  // namespace brivane
