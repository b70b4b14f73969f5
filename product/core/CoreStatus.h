#pragma once
#include "protocol/Status.h"

// Failures of the core library's entry point; negative as the protocol requires.
namespace brivane::core {

constexpr Status STATUS_BAD_ARGUMENTS = -1;
constexpr Status STATUS_UNKNOWN_REQUEST = -2;
constexpr Status STATUS_UNKNOWN_RESOURCE_FILE = -3;
constexpr Status STATUS_RESOURCE_FILE_UNREADABLE = -4;
constexpr Status STATUS_INTERNAL_FAILURE = -5;

}  // namespace brivane::core
