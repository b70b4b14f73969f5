#pragma once
#include <optional>
#include <string>

namespace brivane {

// The module's CLSID in registry form: braces, upper-case hexadecimal.
std::optional<std::wstring> classIdString();

// Whether the system is of the NT family, which keeps a list of approved shell extensions.
bool isNtPlatform();

}  // namespace brivane
