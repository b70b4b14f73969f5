#pragma once
// The measurements, each printing its figures. The child scenarios run in fresh processes started by
// the main one and print "NAME VALUE" lines for it.
#include <string>
#include <vector>

namespace brivane::bench {

struct RunOptions {
  std::wstring benchFolder;    // items, the minimal module folder, the extension's hand-off folder
  std::wstring shippedFolder;  // the installed module folder with the shipped core library
  std::wstring extension;      // BrivaneShell.dll, for the load figure
  std::wstring crcOnly;        // a DLL holding nothing but Crypto++'s CRC-32
};

int runMain(const RunOptions& options);
// The first right-click of one item in this fresh process, the DLL's load included.
int runCold(const std::wstring& benchFolder);
// Median of `count` load/free cycles of a DLL in this fresh process.
int runLoads(const std::wstring& library, int count);
// 100,000 items: right-click, invoke of the first entry, the peak working set and the plain write.
int runLarge(const std::wstring& benchFolder, const std::wstring& shippedFolder);

}  // namespace brivane::bench
