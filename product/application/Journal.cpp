#include "application/Journal.h"

#include <windows.h>

#include <climits>

#include "protocol/CodePage.h"
#include "settings/RegistryHelpers.h"
#include "support/Handles.h"

namespace brivane::application {
namespace {

constexpr wchar_t kProductKey[] = L"Software\\Brivane";
constexpr wchar_t kJournalValue[] = L"JournalFile";
constexpr wchar_t kJournalMutex[] = L"Local\\BrivaneApplicationJournal";
constexpr DWORD kJournalWaitMs = 10000;

struct FileStateName {
  HandOffFileState state;
  const wchar_t* name;
};
constexpr FileStateName kFileStateNames[] = {
    {HandOffFileState::Read, L"read"},
    {HandOffFileState::Missing, L"missing"},
    {HandOffFileState::Unreadable, L"unreadable"},
};

std::wstring fileStateName(HandOffFileState state) {
  for (const FileStateName& entry : kFileStateNames)
    if (entry.state == state) return entry.name;
  return L"unreadable";
}

std::wstring yesNo(bool value) { return value ? L"yes" : L"no"; }

// A field stays on its line whatever the text holds.
std::wstring oneLine(std::wstring text) {
  for (wchar_t& c : text)
    if (c == L'\n' || c == L'\r') c = 0xFFFD;
  return text;
}

std::wstring field(const wchar_t* name, const std::wstring& value) { return name + (L": " + oneLine(value)) + L"\n"; }

std::wstring documentLines(const std::wstring& document, std::size_t& count) {
  std::wstring lines;
  count = 0;
  std::size_t start = 0;
  while (start < document.size()) {
    const std::size_t lineFeed = document.find(L'\n', start);
    const std::size_t end = lineFeed == std::wstring::npos ? document.size() : lineFeed;
    lines += L"|";
    lines.append(document, start, end - start);
    lines += L"\n";
    ++count;
    start = end + 1;
  }
  return lines;
}

}  // namespace

bool journalFilePath(std::wstring& path) {
  return readRegString(HKEY_LOCAL_MACHINE, kProductKey, kJournalValue, path) && !path.empty();
}

std::string journalEntry(const Receipt& receipt) {
  std::size_t count = 0;
  const std::wstring lines = documentLines(receipt.document, count);
  const bool finalLineFeed = !receipt.document.empty() && receipt.document.back() == L'\n';
  const std::wstring entry = L"hand-off\n" + field(L"command line", receipt.commandLine) +
                             field(L"parameters", receipt.parameters) +
                             field(L"working folder", receipt.workingFolder) + field(L"show", receipt.show) +
                             field(L"file", fileStateName(receipt.file)) +
                             field(L"well-formed", yesNo(receipt.wellFormed)) + field(L"request", receipt.request) +
                             field(L"document lines", std::to_wstring(count)) +
                             field(L"final line feed", yesNo(finalLineFeed)) + lines + L"end\n";
  return toCodePage(entry, CP_UTF8);
}

bool appendToJournal(const std::wstring& path, const std::string& entry) {
  if (entry.size() > ULONG_MAX) return false;
  UniqueKernelObject mutex(CreateMutexW(nullptr, FALSE, kJournalMutex));
  if (!mutex) return false;
  const DWORD wait = WaitForSingleObject(mutex.get(), kJournalWaitMs);
  if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return false;
  UniqueFile file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  const bool appended =
      file && WriteFile(file.get(), entry.data(), static_cast<DWORD>(entry.size()), &written, nullptr) &&
      written == entry.size();
  file.reset();
  ReleaseMutex(mutex.get());
  return appended;
}

}  // namespace brivane::application
