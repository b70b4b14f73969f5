#pragma once
#include <string>
#include <vector>

#include "protocol/Status.h"

namespace brivane {

// The menu's label sets (see LabelsCatalogue.h for their keys); each costs one load of the core
// library. 0 on success, else the failure status of fetchLabelSet.
Status fetchFileLabels(std::vector<std::wstring>& out);
Status fetchFolderLabels(std::vector<std::wstring>& out);
Status fetchMixedLabels(std::vector<std::wstring>& out);
Status fetchConvertLabels(std::vector<std::wstring>& out);

// The suggested name of a new secured folder, with a load of its own. On success the entry point's
// (non-negative) status; on failure `out` is unchanged.
Status fetchDefaultFolderName(std::wstring& out);

}  // namespace brivane
