#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "support/PathSet.h"

namespace brivane {

// Lists the files ending in `extension` (".qeld") in the folder of `firstPath`, in the order the file
// system returns them: each one's name goes to `names` and its full path to `paths`. A file in `selected`
// is never named, only its path is kept, so a selected secured folder is not offered as a target and the
// caller can keep it out of the recent list too. At most `limit` names (none for 0 or below), however
// many selected files come first; folders and paths without a folder part are left out.
void listNearSecuredFolders(const std::wstring& firstPath, const std::wstring& extension, std::int32_t limit,
                            const PathSet& selected, std::vector<std::wstring>& names,
                            std::vector<std::wstring>& paths);

}  // namespace brivane
