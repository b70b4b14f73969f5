#include <windows.h>

// A core library that imports a DLL of its own lying beside it, as a real product's core may.
extern "C" __declspec(dllimport) int coreHelperTag();

extern "C" int QLSDK_ProcessProtocol_ByTag(void*, void*) { return coreHelperTag() - 1; }
