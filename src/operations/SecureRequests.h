#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "operations/CommandContext.h"
#include "protocol/ProtocolNode.h"

// The "securing_files" requests, built into an empty root node; children are created in rendering order.
namespace brivane {

// The context's destination folder + the item's name with its own extension + `extension`.
std::wstring securedItemPath(const CommandContext& context, std::wstring_view item, std::wstring_view extension);

// The secured folder a send adds to: blanks trimmed from both ends, ".qeld" appended unless the path
// already ends with it in any letter case.
std::wstring securedFolderPath(const std::wstring& destination);

void buildSecureFilesRequest(ProtocolNode& root, const std::vector<std::wstring>& files, const CommandContext& context);
void buildSecureFoldersRequest(ProtocolNode& root, const std::vector<std::wstring>& folders,
                               const CommandContext& context);
void buildSecureMixedRequest(ProtocolNode& root, const std::vector<std::wstring>& files,
                             const std::vector<std::wstring>& folders, const CommandContext& context);
void buildSendRequest(ProtocolNode& root, const std::vector<std::wstring>& sources, const CommandContext& context);

}  // namespace brivane
