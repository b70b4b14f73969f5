#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace brivane {

// A shell extension named in the registry: its CLSID as text and as a value.
struct RegisteredHandler {
  std::wstring clsidText;
  CLSID clsid;
};

// The handlers listed below root\subKey (one sub-key each; the CLSID is the sub-key's default value or
// else its name), in the registry's order. Entries naming no CLSID are skipped.
std::vector<RegisteredHandler> handlersListedUnder(HKEY root, const std::wstring& subKey);

// The context menu handlers Explorer loads for a selection whose first item is a folder or not:
// those of HKCR\Folder or of HKCR\*, each CLSID once.
std::vector<RegisteredHandler> contextMenuHandlers(bool firstItemIsFolder);

// The drop handler of a file's type: HKCR\.ext names the ProgID, whose shellex\DropHandler names the CLSID.
bool dropHandlerForFile(const std::wstring& path, RegisteredHandler& handler);

bool parseClsid(const std::wstring& text, CLSID& clsid);

}  // namespace brivane
