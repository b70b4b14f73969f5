#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brivane {

struct NoMenuReason {
  std::wstring found;
  std::wstring action;
  bool labelSet = false;  // a label set of the menu fails
};

// The first reason the extension adds no entries for a right-click on `paths` with the identifiers
// firstId to lastId, found by the extension's own filter, classification, label sets and command table,
// in the order QueryContextMenu applies them.
NoMenuReason noMenuReason(const std::vector<std::wstring>& paths, UINT firstId, UINT lastId);

// The reason a path is taken out of the selection: it is no plain full path, it vanished or it lies below
// the Start Menu; empty when it stays.
std::wstring filteredOutReason(const std::wstring& path);

}  // namespace brivane
