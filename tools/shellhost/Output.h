#pragma once
#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

namespace brivane {

// Writes whole lines of UTF-8 to standard output, or keeps them (for a caller that reads the report
// itself); the dialog watcher and the main thread share it.
class Output {
 public:
  enum class Mode { Print, Keep };
  explicit Output(Mode mode = Mode::Print) : keep_(mode == Mode::Keep) {}

  void line(const std::wstring& text);
  std::vector<std::wstring> lines() const;

 private:
  const bool keep_;
  mutable std::mutex mutex_;
  std::vector<std::wstring> kept_;
};

// A text in double quotes; a '"' inside is doubled and a control character is written as {U+XXXX}.
std::wstring quoted(const std::wstring& text);

// 0x followed by eight upper-case hexadecimal digits.
std::wstring hresultText(HRESULT hr);

std::string toUtf8(const std::wstring& text);

void writeStandardError(const std::wstring& text);

// One line "shellhost: MESSAGE" on standard error.
void reportError(const std::wstring& message);

}  // namespace brivane
