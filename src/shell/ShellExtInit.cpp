#include "shell/DroppedFiles.h"
#include "shell/ShellExtension.h"
#include "support/GuardedCall.h"

namespace brivane {

// The folder and the program key are not needed: the selection says everything.
HRESULT ShellExtension::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) {
  builtMenu = {};  // a menu built for an earlier selection offers nothing for this one
  dataObject.reset();
  if (!data) return E_FAIL;
  dataObject = ComPtr<IDataObject>(data);
  return guardedCall([this] { return captureSelection(); });
}

// Reads the CF_HDROP names into selection; on failure selection stays empty and dataObject stays held.
HRESULT ShellExtension::captureSelection() {
  selection.clear();
  const ComPtr<IDataObject> source = dataObject;  // held for the duration of the capture
  std::optional<std::vector<std::wstring>> names = readDroppedNamesFrom(source.get());
  if (!names) return E_FAIL;
  selection = std::move(*names);
  return S_OK;
}

}  // namespace brivane
