#pragma once
#include <string>

namespace brivane {

// The save dialog for the file of a secured folder: filter "Secured Folder (*.qeld)", no default
// extension (a name typed without one comes back without one), no overwrite prompt (an existing secured
// folder may be chosen), no parent window. `startFolder` empty lets the dialog choose. The process's
// current directory, which the dialog changes while browsing, is put back afterwards. True when the
// user confirmed: `chosen` then holds the full path name.
bool askSecuredFolderFile(const std::wstring& title, const std::wstring& startFolder, const std::wstring& initialName,
                          std::wstring& chosen);

}  // namespace brivane
