#pragma once
#include <string>

#include "protocol/ProtocolNode.h"

namespace brivane {

// The type attribute (beginning with a blank, empty when there is none) and the content of an element.
struct ElementValue {
  std::wstring attribute;
  std::wstring content;
};

ElementValue elementValueOf(ProtocolNode& node);

}  // namespace brivane
