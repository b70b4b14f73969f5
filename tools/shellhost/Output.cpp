#include "Output.h"

#include <cwchar>

namespace brivane {
namespace {

void writeAll(HANDLE handle, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &written, nullptr) ||
        written == 0) {
      return;
    }
    done += written;
  }
}

}  // namespace

void Output::line(const std::wstring& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (keep_) {
    kept_.push_back(text);
  } else {
    writeAll(GetStdHandle(STD_OUTPUT_HANDLE), toUtf8(text + L"\n"));
  }
}

std::vector<std::wstring> Output::lines() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return kept_;
}

std::wstring quoted(const std::wstring& text) {
  std::wstring out = L"\"";
  for (wchar_t c : text) {
    if (c == L'"') {
      out += L"\"\"";
    } else if (c < 0x20) {
      wchar_t escape[12];
      swprintf(escape, 12, L"{U+%04X}", static_cast<unsigned>(c));
      out += escape;
    } else {
      out += c;
    }
  }
  return out + L"\"";
}

std::wstring hresultText(HRESULT hr) {
  wchar_t text[16];
  swprintf(text, 16, L"0x%08X", static_cast<unsigned>(hr));
  return text;
}

std::string toUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(size > 0 ? size : 0, '\0');
  if (size > 0) {
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
  }
  return bytes;
}

void writeStandardError(const std::wstring& text) { writeAll(GetStdHandle(STD_ERROR_HANDLE), toUtf8(text)); }

void reportError(const std::wstring& message) { writeStandardError(L"shellhost: " + message + L"\n"); }

}  // namespace brivane
