#include "menu/Labels.h"

#include "menu/LabelsCatalogue.h"
#include "menu/LabelsQuery.h"
#include "menu/LabelsSet.h"
#include "protocol/CoreLibrary.h"

namespace brivane {

Status fetchFileLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kFileLabelKeys, out); }

Status fetchFolderLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kFolderLabelKeys, out); }

Status fetchMixedLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kMixedLabelKeys, out); }

Status fetchConvertLabels(std::vector<std::wstring>& out) { return fetchLabelSet(kConvertLabelKeys, out); }

Status fetchDefaultFolderName(std::wstring& out) {
  CoreLibrary library;
  CoreEntryPoint entryPoint = nullptr;
  if (Status status = openCoreLibrary(library, entryPoint); status < 0) return status;
  return queryLabel(entryPoint, kDefaultFolderNameKey, out);
}

}  // namespace brivane
