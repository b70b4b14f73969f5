#pragma once
#include <windows.h>
#include <shobjidl.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace brivane {

// How the dialog watcher answers a dialog that opens while a command runs.
enum class DialogAction { Cancel, ChooseFolder, SaveName };

struct DialogAnswer {
  DialogAction action = DialogAction::Cancel;
  std::wstring value;       // the folder to choose, or the name to type into the save dialog
  std::wstring screenshot;  // PNG of the dialog, when not empty
  bool report = false;      // print the dialog's title and control texts
};

struct MenuOptions {
  std::vector<std::wstring> paths;
  // What Explorer's folder window passes for a right-click on selected items. CMF_NORMAL alone (0)
  // is a query that a handler may answer with no entries at all.
  UINT flags = CMF_EXPLORE | CMF_CANRENAME;
  UINT firstId = 1;
  UINT lastId = 0x7FFF;
  std::optional<UINT> invoke;  // command offset to invoke after the menu is built
  bool noUi = false;           // invoke with CMIC_MASK_FLAG_NO_UI
  std::wstring screenshot;     // PNG of the popup with its first submenu open, when not empty
  DialogAnswer dialog;
};

struct DropOptions {
  std::wstring target;
  std::vector<std::wstring> paths;
  std::vector<std::wstring> abandoned;  // dragged in and out again before the real drag
  bool ctrl = false;
};

struct PropertiesOptions {
  std::wstring path;
  bool pressButton = false;
  std::wstring screenshot;
};

using Command = std::variant<MenuOptions, DropOptions, PropertiesOptions>;

}  // namespace brivane
