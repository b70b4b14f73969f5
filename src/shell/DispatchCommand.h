#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "menu/MenuBuilder.h"
#include "operations/FailureNotice.h"

namespace brivane {

// Runs the command at `offset` of the menu last built, `menu`, on the filtered `selection`: fills the
// CommandContext, asks for a destination where the entry needs one and starts the entry's operation.
// E_INVALIDARG, nothing run, for an offset that menu does not have or an empty selection; E_FAIL,
// nothing run, when the core library cannot be loaded; the hand-off's failure (an HRESULT of the system's
// error, told to the user through `notice`) when the request never reached the application; otherwise
// S_OK, also when the user cancelled a picker or the operation had nothing to do.
HRESULT dispatchCommand(std::size_t offset, const BuiltMenu& menu, const std::vector<std::wstring>& selection,
                        const FailureNotice& notice);

}  // namespace brivane
