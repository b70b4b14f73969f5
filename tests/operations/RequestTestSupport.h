#pragma once
#include <string>

#include "protocol/ProtocolNode.h"
#include "protocol/ProtocolText.h"

namespace brivane::testing {

// A request tree as the hand-off renders it.
inline std::wstring rendered(ProtocolNode& request) {
  std::wstring text;
  int depth = 0;
  writeText(request, text, depth);
  return text;
}

}  // namespace brivane::testing
