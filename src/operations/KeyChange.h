#pragma once
#include <string>

#include "operations/FailureNotice.h"
#include "protocol/ProtocolNode.h"
#include "protocol/Status.h"

namespace brivane {

// The "password_change" request for one secured item, built into an empty root node.
void buildKeyChangeRequest(ProtocolNode& root, const std::wstring& path);

// Hands the application a request to change the keys (the password) of the item at `path`. Nothing is
// handed off without the core library and its entry point (STATUS_CORE_UNAVAILABLE); otherwise the
// hand-off's status.
Status changeItemKeys(const std::wstring& path, const FailureNotice& notice);

}  // namespace brivane
