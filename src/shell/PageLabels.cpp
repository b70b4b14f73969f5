#include "shell/PageLabels.h"

#include "menu/LabelsSet.h"

namespace brivane {

Status fetchPageLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kPageLabelKeys, out); }

}  // namespace brivane
