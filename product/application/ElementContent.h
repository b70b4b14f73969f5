#pragma once
#include <string_view>

namespace brivane::application {

// Whether `content` is what the protocol writer puts into an element with the type attribute
// `attribute` (its exact text, leading blank included; empty for an element without one). An unknown
// attribute is never valid.
bool isValidContent(std::wstring_view attribute, std::wstring_view content);

}  // namespace brivane::application
