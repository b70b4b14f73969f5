#include <gtest/gtest.h>

#include <string>

#include "application/Journal.h"
#include "support/ApplicationJournal.h"
#include "support/TestSupport.h"

namespace brivane::application {
namespace {

Receipt receiptWith(const std::wstring& document) {
  Receipt receipt;
  receipt.commandLine = L"\"Z:\\module\\app.exe\" Z:\\tmp\\with blanks\\qel_0000000007.psa";
  receipt.parameters = L"Z:\\tmp\\with blanks\\qel_0000000007.psa";
  receipt.workingFolder = L"Z:\\module";
  receipt.show = L"hidden";
  receipt.file = HandOffFileState::Read;
  receipt.wellFormed = true;
  receipt.request = L"securing_files";
  receipt.document = document;
  return receipt;
}

TEST(JournalEntry, RecordsEveryFieldAndTheDocumentLineByLine) {
  const std::string expected =
      "hand-off\n"
      "command line: \"Z:\\module\\app.exe\" Z:\\tmp\\with blanks\\qel_0000000007.psa\n"
      "parameters: Z:\\tmp\\with blanks\\qel_0000000007.psa\n"
      "working folder: Z:\\module\n"
      "show: hidden\n"
      "file: read\n"
      "well-formed: yes\n"
      "request: securing_files\n"
      "document lines: 2\n"
      "final line feed: yes\n"
      "|<a>\n"
      "|    <b type=\"string\">\xC3\xA9</b>\n"
      "end\n";
  EXPECT_EQ(journalEntry(receiptWith(L"<a>\n    <b type=\"string\">\u00e9</b>\n")), expected);
}

TEST(JournalEntry, AMissingFileHasNoDocument) {
  Receipt receipt;
  receipt.parameters = L"Z:\\nowhere\\qel_0000000001.psa";
  receipt.file = HandOffFileState::Missing;
  const std::string entry = journalEntry(receipt);
  EXPECT_NE(entry.find("file: missing\nwell-formed: no\nrequest: \ndocument lines: 0\nfinal line feed: no\nend\n"),
            std::string::npos)
      << entry;
}

TEST(JournalEntry, LineBreaksInAFieldStayOnItsLine) {
  Receipt receipt = receiptWith(L"");
  receipt.parameters = L"first\r\nsecond";
  const std::string entry = journalEntry(receipt);
  EXPECT_NE(entry.find("parameters: first\xEF\xBF\xBD\xEF\xBF\xBDsecond\n"), std::string::npos) << entry;
}

TEST(JournalEntry, TheTestsReaderGetsBackWhatWasRecorded) {
  testing::TemporaryFolder folder;
  const std::wstring path = folder.pathOf(L"journal.txt");
  const std::wstring documents[] = {L"<a></a>\n", L"no final line feed", L"end\n|\n\nhand-off\n", L""};
  for (const std::wstring& document : documents) ASSERT_TRUE(appendToJournal(path, journalEntry(receiptWith(document))));
  const auto entries = testing::readJournal(path);
  ASSERT_EQ(entries.size(), 4u);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].document, documents[i]);
    EXPECT_EQ(entries[i].parameters, L"Z:\\tmp\\with blanks\\qel_0000000007.psa");
    EXPECT_EQ(entries[i].workingFolder, L"Z:\\module");
    EXPECT_EQ(entries[i].commandLine, L"\"Z:\\module\\app.exe\" Z:\\tmp\\with blanks\\qel_0000000007.psa");
    EXPECT_EQ(entries[i].show, L"hidden");
    EXPECT_EQ(entries[i].file, L"read");
    EXPECT_TRUE(entries[i].wellFormed);
    EXPECT_EQ(entries[i].request, L"securing_files");
  }
}

TEST(JournalEntry, AJournalInAMissingFolderIsNotWritten) {
  testing::TemporaryFolder folder;
  EXPECT_FALSE(appendToJournal(folder.pathOf(L"absent\\journal.txt"), journalEntry(receiptWith(L"<a></a>\n"))));
}

}  // namespace
}  // namespace brivane::application
