#pragma once
#include <string>

#include "protocol/Status.h"

namespace brivane {

// A failure status of the label queries with what it means.
std::wstring statusText(Status status);

}  // namespace brivane
