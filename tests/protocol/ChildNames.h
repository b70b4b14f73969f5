#pragma once
#include <string>
#include <vector>

#include "protocol/ProtocolNode.h"

namespace brivane::testing {

// The names of a node's children in list order.
inline std::vector<std::wstring> childNames(ProtocolNode& node) {
  std::vector<std::wstring> names;
  node.forEachChild([&](ProtocolNode& child) { names.push_back(child.getName()); });
  return names;
}

}  // namespace brivane::testing
