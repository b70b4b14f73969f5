#pragma once
#include <string>
#include <vector>

#include "menu/Classification.h"
#include "operations/CommandContext.h"
#include "protocol/Status.h"

// Operations that turn plain items into secured ones, handed off to the application. Each returns
// STATUS_NOTHING_TO_DO when its list is empty (nothing is written then), else the hand-off's status.
namespace brivane {

// Every found file of the classification, each into "<destination><name>.qelf".
Status secureFiles(const Classification& classification, const CommandContext& context);

// Every found folder of the classification, each into "<destination><name>.qeld".
Status secureFolders(const Classification& classification, const CommandContext& context);

// The files, then the folders; offered only when both lists hold entries, so it hands off whatever it gets.
Status secureMixed(const Classification& classification, const CommandContext& context);

// The paths as given, all into the secured folder the context names.
Status sendToSecuredFolder(const std::vector<std::wstring>& paths, const CommandContext& context);

}  // namespace brivane
