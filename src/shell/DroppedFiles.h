#pragma once
#include <windows.h>
#include <objidl.h>

#include <optional>
#include <string>
#include <vector>

namespace brivane {

// The names of a CF_HDROP block in the shell's order, each read whole, in one pass over the block
// (asking the shell name by name rescans the list from its start each time, which a large selection
// cannot afford). No value when the block is not a well-formed name list.
std::optional<std::vector<std::wstring>> readDroppedNames(HGLOBAL block);

// The names of the CF_HDROP block that `data` gives in global memory, read as above. None without a
// data object, without such a block, or when the block is not well formed.
std::optional<std::vector<std::wstring>> readDroppedNamesFrom(IDataObject* data);

}  // namespace brivane
