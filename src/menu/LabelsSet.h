#pragma once
#include <span>
#include <string>
#include <vector>

#include "protocol/Status.h"

namespace brivane {

using LabelKeys = std::span<const wchar_t* const>;

// Fetches one label per key, in key order, with one load of the core library for the whole set.
// Library or entry point missing: STATUS_CORE_UNAVAILABLE and `out` untouched. Otherwise `out` gets
// exactly one entry per key; a failing query ends the fetch with its status, the labels before it kept
// and the rest empty. 0 when every label arrived.
Status fetchLabelSet(LabelKeys keys, std::vector<std::wstring>& out);

}  // namespace brivane
