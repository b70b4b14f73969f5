#include "RightClickCheck.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>

#include "CheckLinks.h"
#include "HandlerDiscovery.h"
#include "MenuPrinter.h"
#include "NoMenuReason.h"
#include "Output.h"
#include "ShellSelection.h"
#include "module/ClassId.h"
#include "support/Handles.h"
#include "support/Paths.h"

namespace brivane {
namespace {

// What Explorer's folder window passes for a right-click on selected items.
constexpr UINT kQueryFlags = CMF_EXPLORE | CMF_CANRENAME;

struct Rehearsal {
  const std::vector<std::wstring>& paths;
  UINT firstId;
  UINT lastId;
};

std::wstring selectionText(const std::vector<std::wstring>& paths) {
  if (paths.size() == 1) return paths.front();
  return std::to_wstring(paths.size()) + L" items from " + paths.front();
}

// Explorer loads the handlers of HKCR\Folder for a folder, those of HKCR\* for anything else.
bool handlerListed(const std::wstring& firstPath) {
  const std::vector<RegisteredHandler> handlers = contextMenuHandlers(isExistingFolder(firstPath));
  return std::any_of(handlers.begin(), handlers.end(), [](const RegisteredHandler& handler) {
    return IsEqualCLSID(handler.clsid, kShellExtensionClassId) != FALSE;
  });
}

// The selection the shell cannot name: an item that vanished, or items of several folders.
Finding unnamedSelection(const Rehearsal& rehearsal, HRESULT hr) {
  for (const std::wstring& path : rehearsal.paths) {
    if (std::wstring reason = filteredOutReason(path); !reason.empty())
      return Finding::fail(kRightClickLink, L"no menu: " + reason, L"right-click items that exist");
  }
  return Finding::fail(kRightClickLink, L"the shell cannot select these items together (" + hresultText(hr) + L")",
                       L"give items of one folder, as Explorer selects them");
}

Finding noMenu(const Rehearsal& rehearsal, const CheckReport& report) {
  const NoMenuReason reason = noMenuReason(rehearsal.paths, rehearsal.firstId, rehearsal.lastId);
  if (reason.labelSet && !report.passed(kLabelsLink))
    return Finding{kRightClickLink, Verdict::Skip, L"no menu: " + reason.found, L"fix labels first", {}};
  return Finding::fail(kRightClickLink, L"no menu for " + selectionText(rehearsal.paths) + L": " + reason.found,
                       reason.action);
}

// Initialize and QueryContextMenu on a new object, as Explorer calls them; the number of identifiers used.
// The object stays with the caller, as Explorer keeps it while its menu is shown: its bitmaps are the
// object's.
HRESULT queryMenu(const Rehearsal& rehearsal, const ShellSelection& selection, HMENU menu,
                  ComPtr<IContextMenu>& contextMenu, UINT& count) {
  ComPtr<IDataObject> data;
  HRESULT hr = selection.uiObject(nullptr, IID_IDataObject, data.outVoid());
  ComPtr<IShellExtInit> init;
  if (SUCCEEDED(hr))
    hr = CoCreateInstance(kShellExtensionClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit, init.outVoid());
  if (SUCCEEDED(hr)) hr = init->Initialize(selection.folderIdList(), data.get(), nullptr);
  if (SUCCEEDED(hr)) hr = init->QueryInterface(IID_IContextMenu, contextMenu.outVoid());
  if (SUCCEEDED(hr)) hr = contextMenu->QueryContextMenu(menu, 0, rehearsal.firstId, rehearsal.lastId, kQueryFlags);
  count = SUCCEEDED(hr) ? HRESULT_CODE(hr) : 0;
  return hr;
}

Finding rehearse(const Rehearsal& rehearsal, const CheckReport& report) {
  ShellSelection selection;
  if (HRESULT hr = selection.resolve(rehearsal.paths); FAILED(hr)) return unnamedSelection(rehearsal, hr);
  if (!handlerListed(rehearsal.paths.front()))
    return Finding::fail(kRightClickLink, L"Explorer loads no BrivanePalisor handler for " + rehearsal.paths.front(),
                         L"repair the product's installation");
  UniqueMenu menu(CreatePopupMenu());
  ComPtr<IContextMenu> contextMenu;
  UINT count = 0;
  if (HRESULT hr = queryMenu(rehearsal, selection, menu.get(), contextMenu, count); FAILED(hr))
    return Finding::fail(kRightClickLink, L"the extension refuses the right-click (" + hresultText(hr) + L")",
                         L"reinstall the product");
  if (count == 0) return noMenu(rehearsal, report);
  Finding finding =
      Finding::ok(kRightClickLink, L"a right-click on " + selectionText(rehearsal.paths) +
                                       L" shows the product's menu (" + std::to_wstring(count) + L" commands)");
  finding.details = describeMenu(menu.get(), rehearsal.firstId);
  return finding;
}

}  // namespace

void checkRightClick(CheckReport& report, const std::vector<std::wstring>& paths, UINT firstId, UINT lastId) {
  const Rehearsal rehearsal{paths, firstId, lastId};
  report.addChecked(kRightClickLink, {kMenuHandlersLink, kExtensionLink, kModuleFolderLink, kCoreLibraryLink},
                    [&] { return rehearse(rehearsal, report); });
}

}  // namespace brivane
