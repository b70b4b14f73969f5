#pragma once
#include <string>

#include "application/HandOffReceipt.h"

// The journal: a UTF-8 text file to which every start of the application appends one entry:
//
//   hand-off
//   command line: <the whole command line>
//   parameters: <the whole parameter text>
//   working folder: <the current directory at start>
//   show: hidden | normal | <the show command's number> | not given
//   file: read | missing | unreadable
//   well-formed: yes | no
//   request: <the root element's name, or nothing>
//   document lines: <N>
//   final line feed: yes | no
//   |<document line 1>
//   ...                      (N lines, each the document's line after a "|", without its line feed)
//   end
//
// Every line ends in one line feed. Line feeds and carriage returns in the one-line fields are written as
// U+FFFD. Joining the N document lines with line feeds (and one more when "final line feed" is yes) gives
// the document back.
namespace brivane::application {

// Where the journal lives: HKLM\Software\Brivane "JournalFile", a full file path. False: keep none.
bool journalFilePath(std::wstring& path);

// The entry for one receipt, as UTF-8.
std::string journalEntry(const Receipt& receipt);

// Appends the entry in one write, serialised with other instances of the application.
bool appendToJournal(const std::wstring& path, const std::string& entry);

}  // namespace brivane::application
