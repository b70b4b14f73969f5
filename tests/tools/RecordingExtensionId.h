#pragma once

// The recording shell extension that the Explorer stand-in's tests register in place of a product:
// its class and the environment variable naming the file it records every call into, one UTF-8 line
// per call.
namespace brivane::testing {

constexpr wchar_t kRecorderClsid[] = L"{6A1F3D52-8E0B-4C57-9B61-2F4E7A9C0D13}";
constexpr wchar_t kRecorderDll[] = L"ShellhostRecorder.dll";
constexpr wchar_t kRecorderFileVariable[] = L"SHELLHOST_RECORD_FILE";
constexpr int kRecorderPageTemplate = 200;

}  // namespace brivane::testing
