#pragma once
#include <string>
#include <vector>

#include "operations/CommandContext.h"
#include "protocol/ProtocolNode.h"

// The requests on secured items, each built into an empty root node: unsecuring, conversion to an
// executable and a change of keys.
namespace brivane {

// Where one selected item is unsecured to: a secured folder (".qeld", any letter case) into a folder of
// its own name below the destination; anything else into the destination itself, as given.
std::wstring unsecureDestination(const std::wstring& path, const std::wstring& destination);

// The "unsecuring_files" request for the selection.
void buildUnsecureRequest(ProtocolNode& root, const std::vector<std::wstring>& selection,
                          const CommandContext& context);

// The "convert_qelx_to_exe" request: one target per selected secured item (".qelf" or ".qeld", any letter
// case), other paths left out, and one destination for all.
void buildConvertRequest(ProtocolNode& root, const std::vector<std::wstring>& selection,
                         const CommandContext& context);

// The "password_change" request for one secured item.
void buildKeyChangeRequest(ProtocolNode& root, const std::wstring& path);

}  // namespace brivane
