#pragma once
#include <cstdint>

// Status values of internal functions: 0 or positive is success, negative is failure.
namespace brivane {

using Status = std::int32_t;

constexpr Status STATUS_OK = 0;
constexpr Status STATUS_FOLDER_NOT_CHOSEN = -1;
constexpr Status STATUS_CORE_UNAVAILABLE = -99915;
constexpr Status STATUS_LABEL_EMPTY = -99930;
constexpr Status STATUS_NOTHING_TO_DROP = -99950;
constexpr Status STATUS_PICK_CANCELLED = -99987;
constexpr Status STATUS_NOTHING_TO_DO = -100000;

}  // namespace brivane
