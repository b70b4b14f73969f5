#include <windows.h>

#include "doubles/ScriptedCoreRegistry.h"

namespace {

void count(const wchar_t* name) {
  using namespace brivane::scripted;
  writeScriptDword(name, scriptDword(name, 0) + 1);
}

}  // namespace

// Counts loads and FreeLibrary unloads, so tests see how often the extension loaded the library.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) count(brivane::scripted::kLoads);
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) count(brivane::scripted::kFrees);
  return TRUE;
}
