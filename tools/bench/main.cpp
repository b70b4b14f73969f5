// The right-click benchmark: drives the built extension as Explorer does and prints its figures.
//   bench run BENCH_FOLDER SHIPPED_MODULE_FOLDER EXTENSION_DLL CRC_ONLY_DLL
// (the modes cold, loads and large are the child processes it starts itself).
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Scenarios.h"
#include "support/OleSession.h"
#include "support/ProcessArguments.h"

namespace {

int dispatch(const std::vector<std::wstring>& args) {
  using namespace brivane::bench;
  const std::wstring mode = args.empty() ? L"" : args[0];
  if (mode == L"run" && args.size() == 5) return runMain({args[1], args[2], args[3], args[4]});
  if (mode == L"cold" && args.size() == 2) return runCold(args[1]);
  if (mode == L"loads" && args.size() == 3) return runLoads(args[1], _wtoi(args[2].c_str()));
  if (mode == L"large" && args.size() == 3) return runLarge(args[1], args[2]);
  std::fprintf(stderr, "usage: bench run BENCH_FOLDER SHIPPED_MODULE_FOLDER EXTENSION_DLL CRC_ONLY_DLL\n");
  return 2;
}

}  // namespace

// Explorer holds these system libraries from its start; a host that did not would charge their first
// load to the extension, which imports them.
void loadExplorersLibraries() {
  for (const wchar_t* name : {L"comctl32.dll", L"comdlg32.dll"}) LoadLibraryW(name);
}

int main() {
  loadExplorersLibraries();
  const brivane::OleSession ole;
  if (FAILED(ole.result())) return 1;
  return dispatch(brivane::processArguments());
}
