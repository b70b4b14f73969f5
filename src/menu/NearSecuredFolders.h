#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace brivane {

// Lists the files ending in `extension` (".qeld") in the folder of `firstPath`, in the order the file
// system returns them: each one's name goes to `names` and its full path to `paths`. The file
// `firstPath` itself is never named, only its path is kept, so a selected secured folder is not offered
// as its own target and stays out of the recent list. At most `limit` names (none for 0 or below);
// folders and paths without a folder part are left out.
void listNearSecuredFolders(const std::wstring& firstPath, const std::wstring& extension, std::int32_t limit,
                            std::vector<std::wstring>& names, std::vector<std::wstring>& paths);

}  // namespace brivane
