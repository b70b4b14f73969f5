#pragma once
#include <map>
#include <string>

namespace brivane::bench {

// Runs this program again with `arguments` in a fresh process and reads what it printed: lines of
// "NAME VALUE". Empty when the process failed or printed nothing of that form.
std::map<std::string, double> runChild(const std::wstring& arguments);

}  // namespace brivane::bench
