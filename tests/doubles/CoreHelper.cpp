// A DLL the helper-importing core library links against, loaded from wherever the system's search finds it.
extern "C" __declspec(dllexport) int coreHelperTag() { return 1; }
