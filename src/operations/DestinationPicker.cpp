#include "operations/DestinationPicker.h"

#include "operations/FolderBrowser.h"
#include "operations/SaveDialog.h"
#include "protocol/CoreLibrary.h"
#include "protocol/Labels.h"
#include "support/Paths.h"

namespace brivane {
namespace {

using Picker = Status (*)(CoreEntryPoint entryPoint, const std::wstring& title, std::wstring& destination);

struct BrowserLabel {
  const wchar_t* key;
  std::wstring FolderBrowser::*text;
};

// Asked in this order after the title, which is the folder dialog's instruction line.
const BrowserLabel kBrowserLabels[] = {
    {L"contextmenu.pathdialog.unsecure_to_dialog.ok", &FolderBrowser::okText},
    {L"contextmenu.pathdialog.unsecure_to_dialog.cancel", &FolderBrowser::cancelText},
    {L"contextmenu.pathdialog.unsecure_to_dialog.caption", &FolderBrowser::caption},
    {L"contextmenu.pathdialog.unsecure_to_dialog.newfolder", &FolderBrowser::newFolderText},
};

Status pickUnsecureFolder(CoreEntryPoint entryPoint, const std::wstring& title, std::wstring& destination) {
  FolderBrowser browser;
  browser.instruction = title;
  for (const BrowserLabel& label : kBrowserLabels) {
    if (Status status = queryLabel(entryPoint, label.key, browser.*label.text); status < 0) return status;
  }
  if (Status status = browser.browse(); status < 0) return status;
  destination = browser.resultPath;
  return STATUS_OK;
}

// A drive root such as "C:\" is its own starting folder as well.
Status pickNewSecuredFolder(CoreEntryPoint, const std::wstring& title, std::wstring& destination) {
  const std::wstring startFolder = destination.size() > 3 ? destination : parentFolderOf(destination);
  std::wstring name;
  fetchDefaultFolderName(name);  // without it the suggested name is the bare extension
  std::wstring chosen;
  if (!askSecuredFolderFile(title, startFolder, name + L".qeld", chosen)) return STATUS_PICK_CANCELLED;
  destination = std::move(chosen);
  return STATUS_OK;
}

struct PickModeRow {
  PickMode mode;
  const wchar_t* titleKey;
  Picker pick;
};

const PickModeRow kPickModes[] = {
    {PICK_MODE_UNSECURE_TO, L"contextmenu.pathdialog.unsecure", pickUnsecureFolder},
    {PICK_MODE_NEW_SECURED_FOLDER, L"contextmenu.pathdialog.secure", pickNewSecuredFolder},
};

const PickModeRow* pickModeRow(PickMode mode) {
  for (const PickModeRow& row : kPickModes) {
    if (row.mode == mode) return &row;
  }
  return nullptr;
}

}  // namespace

// The library stays loaded while the dialog is open.
Status pickDestination(std::wstring& destination, PickMode mode) {
  const PickModeRow* row = pickModeRow(mode);
  if (!row) return STATUS_FOLDER_NOT_CHOSEN;
  return withCoreLibrary(STATUS_CORE_UNAVAILABLE, [&](CoreEntryPoint entryPoint) {
    std::wstring title;
    if (Status status = queryLabel(entryPoint, row->titleKey, title); status < 0) return status;
    return row->pick(entryPoint, title, destination);
  });
}

std::vector<const wchar_t*> pickerLabelKeys() {
  std::vector<const wchar_t*> keys;
  for (const PickModeRow& row : kPickModes) keys.push_back(row.titleKey);
  for (const BrowserLabel& label : kBrowserLabels) keys.push_back(label.key);
  return keys;
}

}  // namespace brivane
