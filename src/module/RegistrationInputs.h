#pragma once
#include <optional>
#include <string>

namespace brivane {

// The module's CLSID in registry form: braces, upper-case hexadecimal.
std::optional<std::wstring> classIdString();

// The full path of this module's file, however long.
std::optional<std::wstring> modulePath();

// Whether the system is of the NT family, which keeps a list of approved shell extensions.
bool isNtPlatform();

}  // namespace brivane
