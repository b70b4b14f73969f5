#pragma once
#include <string>

namespace brivane::application {

enum class HandOffFileState { Read, Missing, Unreadable };

// What the application received with one start.
struct Receipt {
  std::wstring commandLine;    // the whole command line, the program's path included
  std::wstring parameters;     // the whole parameter text: the hand-off file's path
  std::wstring workingFolder;  // the current directory it was started in
  std::wstring show;           // the show command its starter gave: "hidden", "normal", a number or "not given"
  HandOffFileState file = HandOffFileState::Missing;
  bool wellFormed = false;  // valid UTF-8 holding well-formed protocol text
  std::wstring request;     // the root element's name, when one could be read
  std::wstring document;    // the file's text as read (invalid UTF-8 sequences replaced)
};

// Records how this process was started with `commandLine` and reads and checks the hand-off file its
// parameters name; leaves the file where it is.
Receipt receiveHandOff(const std::wstring& commandLine);

}  // namespace brivane::application
