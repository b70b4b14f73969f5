#pragma once
#include <string>
#include <vector>

#include "operations/CommandContext.h"
#include "protocol/ProtocolNode.h"
#include "protocol/Status.h"

namespace brivane {

// Where one selected item is unsecured to: a secured folder (".qeld", any letter case) into a folder of
// its own name below the destination; anything else into the destination itself, as given.
std::wstring unsecureDestination(const std::wstring& path, const std::wstring& destination);

// The "unsecuring_files" request for the selection, built into an empty root node.
void buildUnsecureRequest(ProtocolNode& root, const std::vector<std::wstring>& selection,
                          const CommandContext& context);

// Restores the selected secured items into the context's destination. STATUS_NOTHING_TO_DO for an
// empty selection, else the hand-off's status.
Status unsecureItems(const std::vector<std::wstring>& selection, const CommandContext& context);

}  // namespace brivane
