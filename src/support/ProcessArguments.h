#pragma once
#include <string>
#include <vector>

namespace brivane {

// The process's command-line arguments after the program's own name, split as the C runtime splits
// them (quotes group, backslashes before a quote escape it).
std::vector<std::wstring> processArguments();

}  // namespace brivane
