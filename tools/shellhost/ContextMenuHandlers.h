#pragma once
#include <windows.h>
#include <shobjidl.h>

#include <optional>
#include <string>
#include <vector>

#include "HandlerDiscovery.h"
#include "Output.h"
#include "ShellSelection.h"
#include "support/Handles.h"

namespace brivane {

// One context menu handler that took part in building the menu, with the identifiers it used.
struct LoadedHandler {
  RegisteredHandler registration;
  ComPtr<IContextMenu> menu;
  UINT firstId = 0;
  UINT count = 0;
};

// The handlers of a selection, created and asked for their entries as Explorer does: one after the
// other into the same menu, each from the identifier after the previous handler's last.
class ContextMenuHandlers {
 public:
  // Creates, initialises and queries every handler with the shell's data object of the selection;
  // reports each on out ("handler ..." lines). Fails only when the data object cannot be had.
  HRESULT build(const std::vector<RegisteredHandler>& registered, const ShellSelection& selection, HMENU menu,
                UINT firstId, UINT lastId, UINT flags, Output& out);

  // The handler whose range holds the identifier firstId + offset, and the offset within it.
  const LoadedHandler* owner(UINT offset, UINT& handlerOffset) const;

 private:
  std::vector<LoadedHandler> handlers_;
  UINT firstId_ = 0;
};

}  // namespace brivane
