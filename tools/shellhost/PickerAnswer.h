#pragma once
#include <windows.h>

#include "Options.h"
#include "Output.h"

namespace brivane {

// Control identifiers of the two destination dialogs, as the common dialogs define them.
constexpr int kFileNameCombo = 0x047C;  // cmb13, the explorer-style save dialog's file name
constexpr int kFileNameEdit = 0x0480;   // edt1, the file name of the older save dialog and of Wine's
                                        // file dialog object
constexpr int kMessageText = 0xFFFF;    // the text of a message box, on Windows and Wine alike

enum class PickerKind { FolderDialog, SaveDialog, Message, Other };

PickerKind pickerKind(HWND dialog);

// Answers one dialog opened by an invoked command and reports on out:
//   dialog opened title="..." kind=folder|save|message|other
//   dialog message owner="OWNER TITLE"|none text="..." for a message box
//   control ... lines with report, again after a folder is selected ("dialog selected PATH")
//   dialog screenshot "FILE" hr=...
//   dialog answered folder "PATH" | save "NAME" | cancel
//   dialog closed | dialog still-open
// The first dialog gets the requested answer; later ones (and a dialog of the wrong kind) are cancelled.
void answerPicker(HWND dialog, size_t index, const DialogAnswer& answer, Output& out);

}  // namespace brivane
