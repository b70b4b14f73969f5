#include "menu/LabelsSet.h"

#include "menu/LabelsQuery.h"
#include "protocol/CoreLibrary.h"

namespace brivane {

Status fetchLabelSet(LabelKeys keys, std::vector<std::wstring>& out) {
  CoreLibrary library;
  CoreEntryPoint entryPoint = nullptr;
  if (Status status = openCoreLibrary(library, entryPoint); status < 0) return status;
  out.assign(keys.size(), std::wstring());
  for (std::size_t index = 0; index < keys.size(); ++index) {
    Status status = queryLabel(entryPoint, keys[index], out[index]);
    if (status < 0) return status;
  }
  return STATUS_OK;
}

}  // namespace brivane
