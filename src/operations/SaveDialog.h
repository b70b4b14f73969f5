#pragma once
#include <string>

namespace brivane {

// The save dialog for the file of a secured folder: filter "Secured Folder (*.qeld)", no default
// extension (a name typed without one comes back without one), no overwrite prompt (an existing secured
// folder may be chosen), no parent window. `startFolder` empty (or not a folder) lets the dialog choose.
// The host's current directory stays as it is throughout. True when the user confirmed: `chosen` then
// holds the full path name.
bool askSecuredFolderFile(const std::wstring& title, const std::wstring& startFolder, const std::wstring& initialName,
                          std::wstring& chosen);

}  // namespace brivane
