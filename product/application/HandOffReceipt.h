#pragma once
#include <string>

namespace brivane::application {

enum class HandOffFileState { Read, Missing, Unreadable };

// What the application received with one start.
struct Receipt {
  std::wstring parameters;     // the whole parameter text: the hand-off file's path
  std::wstring workingFolder;  // the current directory it was started in
  HandOffFileState file = HandOffFileState::Missing;
  bool wellFormed = false;  // valid UTF-8 holding well-formed protocol text
  std::wstring request;     // the root element's name, when one could be read
  std::wstring document;    // the file's text as read (invalid UTF-8 sequences replaced)
};

// Reads and checks the hand-off file named by `parameters`; leaves the file where it is.
Receipt receiveHandOff(const std::wstring& parameters);

}  // namespace brivane::application
