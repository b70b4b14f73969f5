#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "support/TestSupport.h"

// The substitute application as the tests see it: the product settings that make a hand-off reach it,
// and the journal in which it records every start.
namespace brivane::testing {

// One start of the application, as its journal records it.
struct JournalEntry {
  std::wstring commandLine;
  std::wstring parameters;
  std::wstring workingFolder;
  std::wstring show;  // "hidden", "normal", a number or "not given"
  std::wstring file;  // "read", "missing" or "unreadable"
  bool wellFormed = false;
  std::wstring request;
  std::wstring document;  // the hand-off file's text, rebuilt from the journal's lines
};

namespace journal_detail {

inline std::vector<std::wstring> splitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t start = 0;
  for (std::size_t lineFeed = text.find(L'\n'); lineFeed != std::wstring::npos; lineFeed = text.find(L'\n', start)) {
    lines.push_back(text.substr(start, lineFeed - start));
    start = lineFeed + 1;
  }
  return lines;
}

// The value of "name: value" at `line`, advancing past it; false when the line is another field.
inline bool readField(const std::vector<std::wstring>& lines, std::size_t& line, const std::wstring& name,
                      std::wstring& value) {
  const std::wstring prefix = name + L": ";
  if (line >= lines.size() || lines[line].rfind(prefix, 0) != 0) return false;
  value = lines[line++].substr(prefix.size());
  return true;
}

inline bool readEntry(const std::vector<std::wstring>& lines, std::size_t& line, JournalEntry& entry) {
  std::wstring wellFormed;
  std::wstring count;
  std::wstring finalLineFeed;
  if (line >= lines.size() || lines[line++] != L"hand-off" ||
      !readField(lines, line, L"command line", entry.commandLine) ||
      !readField(lines, line, L"parameters", entry.parameters) ||
      !readField(lines, line, L"working folder", entry.workingFolder) || !readField(lines, line, L"show", entry.show) ||
      !readField(lines, line, L"file", entry.file) ||
      !readField(lines, line, L"well-formed", wellFormed) || !readField(lines, line, L"request", entry.request) ||
      !readField(lines, line, L"document lines", count) || !readField(lines, line, L"final line feed", finalLineFeed))
    return false;
  if (count.empty() || count.find_first_not_of(L"0123456789") != std::wstring::npos) return false;
  entry.wellFormed = wellFormed == L"yes";
  const std::size_t documentLines = std::stoul(count);
  for (std::size_t i = 0; i < documentLines; ++i, ++line) {
    if (line >= lines.size() || lines[line].empty() || lines[line][0] != L'|') return false;
    if (i > 0) entry.document += L'\n';
    entry.document += lines[line].substr(1);
  }
  if (finalLineFeed == L"yes") entry.document += L'\n';
  return line < lines.size() && lines[line++] == L"end";
}

}  // namespace journal_detail

// The complete entries of the journal, in the order written; empty when there is no journal yet.
inline std::vector<JournalEntry> readJournal(const std::wstring& path) {
  std::vector<JournalEntry> entries;
  const auto bytes = readFileBytes(path);
  if (!bytes) return entries;
  const std::vector<std::wstring> lines = journal_detail::splitLines(fromUtf8(*bytes));
  std::size_t line = 0;
  JournalEntry entry;
  while (journal_detail::readEntry(lines, line, entry)) {
    entries.push_back(entry);
    entry = JournalEntry();
  }
  return entries;
}

// Waits until the journal holds at least `count` entries (the application runs on its own) and returns
// what it holds then.
inline std::vector<JournalEntry> waitForJournal(const std::wstring& path, std::size_t count = 1,
                                                DWORD timeoutMs = 30000) {
  std::vector<JournalEntry> entries;
  waitUntil([&] {
    entries = readJournal(path);
    return entries.size() >= count;
  }, timeoutMs);
  return entries;
}

// The substitute product installed for one scope: "ModuleFolder" names `moduleFolder` (where the
// application is), hand-off files go to a temporary folder of the test's own ("TempFolder" under
// HKEY_LOCAL_MACHINE, none under HKEY_CURRENT_USER to shadow it), and the application's journal
// ("JournalFile") lies beside them. Everything is put back at scope end.
class InstalledProduct {
 public:
  explicit InstalledProduct(const std::wstring& moduleFolder)
      : handOffFolder_(files_.folder(L"handoff")), journalPath_(files_.pathOf(L"journal.txt")) {
    moduleFolder_.setString(moduleFolder);
    tempFolder_.setString(handOffFolder_);
    userTempFolder_.remove();
    journalFile_.setString(journalPath_);
  }

  // A folder for the test's own files, beside the hand-off folder and the journal.
  const TemporaryFolder& files() const { return files_; }
  const std::wstring& handOffFolder() const { return handOffFolder_; }
  const std::wstring& journalPath() const { return journalPath_; }
  RegistryValue& moduleFolderSetting() { return moduleFolder_; }
  RegistryValue& tempFolderSetting() { return tempFolder_; }
  // The hand-off files waiting in the hand-off folder.
  std::vector<std::wstring> handOffFiles() const { return namesMatching(handOffFolder_, L"qel_*.psa"); }

 private:
  TemporaryFolder files_;
  std::wstring handOffFolder_;
  std::wstring journalPath_;
  RegistryValue moduleFolder_{HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"ModuleFolder"};
  RegistryValue tempFolder_{HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"TempFolder"};
  RegistryValue userTempFolder_{HKEY_CURRENT_USER, L"Software\\Brivane", L"TempFolder"};
  RegistryValue journalFile_{HKEY_LOCAL_MACHINE, L"Software\\Brivane", L"JournalFile"};
};

}  // namespace brivane::testing
