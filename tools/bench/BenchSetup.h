#pragma once
#include <string>
#include <vector>

namespace brivane::bench {

// The items the run right-clicks, laid out by the bench script: BENCH\items\COUNT\item-NNNNNN.txt.
std::vector<std::wstring> itemPaths(const std::wstring& benchFolder, int count);

// Points the product's "ModuleFolder" at `folder`, which decides the core library the extension loads.
bool setModuleFolder(const std::wstring& folder);

// The bench's own stand-ins beside the shipped module folder: the minimal core library and an
// application that exits at once.
std::wstring minimalModuleFolder(const std::wstring& benchFolder);

}  // namespace brivane::bench
