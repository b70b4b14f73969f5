#pragma once
#include <string>
#include <vector>

#include "protocol/Status.h"

namespace brivane {

// The destinations a command can ask the user for.
enum PickMode : int {
  PICK_MODE_UNSECURE_TO = 16,         // an existing folder, in the folder browse dialog
  PICK_MODE_NEW_SECURED_FOLDER = 32,  // the file of a secured folder, in the save dialog
};

// Shows the mode's dialog with texts from the core library and, on 0, replaces `destination` by the
// choice. On input `destination` is the default (the first item's folder); the save dialog starts
// there, the folder dialog does not use it. Failures, all before a dialog is shown unless the user
// cancelled: STATUS_CORE_UNAVAILABLE; the label request's negative status or STATUS_LABEL_EMPTY;
// STATUS_FOLDER_NOT_CHOSEN (folder dialog cancelled, or no file-system folder chosen, or an unknown
// mode); STATUS_PICK_CANCELLED (save dialog cancelled). `destination` is unchanged on failure.
Status pickDestination(std::wstring& destination, PickMode mode);

// Every label key the dialogs ask for: the titles of all modes, then the folder dialog's texts.
std::vector<const wchar_t*> pickerLabelKeys();

}  // namespace brivane
