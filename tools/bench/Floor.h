#pragma once
// What a right-click must cost whatever the extension does: the platform calls the menu of one plain
// file requires (the selection's data, one load/resolve/free of the core library per use of it, one
// request per label, the registry reads, two file queries per item, the search beside the item and
// the menu insertions), made directly, with nothing of the extension's own between them.
#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

namespace brivane::bench {

struct FloorPlan {
  std::vector<std::wstring> selection;
  // One entry per load of the core library; each lists the label keys asked for during that load
  // (the presence test asks for none).
  std::vector<std::vector<const wchar_t*>> loads;
  HBITMAP bitmap = nullptr;
};

// The plan of a right-click on plain files: the presence test and the file, folder and mixed sets.
FloorPlan plainFilePlan(std::vector<std::wstring> selection, HBITMAP bitmap);

// Runs the plan once against the core library the registry names; false when something failed.
bool runFloor(const FloorPlan& plan, IDataObject* data, HMENU menu);

}  // namespace brivane::bench
