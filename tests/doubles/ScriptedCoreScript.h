#pragma once

// Where the scripted core library finds its script and records what happened; shared by the library
// and the tests that drive it. All values live under HKEY_CURRENT_USER.
namespace brivane::scripted {

inline constexpr wchar_t kScriptKey[] = L"Software\\BrivaneTests\\ScriptedCore";

// Set by tests (all optional).
inline constexpr wchar_t kStatus[] = L"Status";            // REG_DWORD, the signed status of every answer (0)
inline constexpr wchar_t kText[] = L"Text";                // REG_SZ, the text of every key (else the key itself)
inline constexpr wchar_t kEmptyAt[] = L"EmptyAt";          // REG_DWORD, the call index answered with ""
inline constexpr wchar_t kFailAt[] = L"FailAt";            // REG_DWORD, the call index answered with FailStatus
inline constexpr wchar_t kFailStatus[] = L"FailStatus";    // REG_DWORD, signed, negative
inline constexpr wchar_t kAppendNothing[] = L"AppendNothing";  // REG_DWORD 1: succeed without an answer node

// Written by the library.
inline constexpr wchar_t kLoads[] = L"Loads";  // REG_DWORD, counted at each load into a process
inline constexpr wchar_t kFrees[] = L"Frees";  // REG_DWORD, counted at each unload by FreeLibrary
inline constexpr wchar_t kKeyPrefix[] = L"Key";  // REG_SZ "Key0", "Key1", ...: the key of each call of a load

// Answer to a request that is not the label query in the form the extension must send.
inline constexpr int kMalformedRequest = -4242;

}  // namespace brivane::scripted
