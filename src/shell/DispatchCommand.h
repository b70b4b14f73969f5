#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "menu/MenuBuilder.h"

namespace brivane {

// Runs the command at `offset` of the menu last built, `menu`, on the filtered `selection`: fills the
// CommandContext, asks for a destination where the entry needs one and starts the entry's operation.
// E_INVALIDARG, nothing run, for an offset that menu does not have or an empty selection; E_FAIL,
// nothing run, when the core library cannot be loaded; otherwise S_OK, whether the user cancelled a
// picker or the operation failed.
HRESULT dispatchCommand(std::size_t offset, const BuiltMenu& menu, const std::vector<std::wstring>& selection);

}  // namespace brivane
