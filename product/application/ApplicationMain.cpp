#include <windows.h>

#include "application/HandOffReceipt.h"
#include "application/Journal.h"

namespace brivane::application {
namespace {

// Exit code 0: a well-formed request was received; 1: the file was missing, unreadable or malformed;
// 2: the program itself failed (out of memory).
int run() {
  const Receipt receipt = receiveHandOff(GetCommandLineW());
  std::wstring journal;
  if (journalFilePath(journal)) appendToJournal(journal, journalEntry(receipt));
  // The hand-off file is this program's once it has been started on it.
  if (receipt.file == HandOffFileState::Read) DeleteFileW(receipt.parameters.c_str());
  return receipt.wellFormed ? 0 : 1;
}

}  // namespace
}  // namespace brivane::application

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    return brivane::application::run();
  } catch (...) {
    return 2;
  }
}
