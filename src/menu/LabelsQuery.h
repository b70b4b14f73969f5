#pragma once
#include <string>

#include "protocol/CoreLibrary.h"
#include "protocol/Status.h"

namespace brivane {

// One label from a loaded core library: a fresh read_resource_string request for `key`. On success
// `label` gets the text and the result is the entry point's own (non-negative) status; otherwise the
// library's negative status, or STATUS_LABEL_EMPTY for an empty answer, with `label` unchanged.
// Both trees are destroyed before this returns, so the caller may free the library afterwards.
Status queryLabel(CoreEntryPoint entryPoint, const std::wstring& key, std::wstring& label);

}  // namespace brivane
