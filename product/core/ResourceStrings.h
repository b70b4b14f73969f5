#pragma once
#include "protocol/ProtocolNode.h"
#include "protocol/Status.h"

namespace brivane::core {

// read_resource_string: the text stored under "path" in the resource file "file" beside this library,
// as the answer's "value". A key that is not there gets no value. The file is read on the first request
// after the library is loaded and kept until it is freed.
Status answerReadResourceString(ProtocolNode& arguments, ProtocolNode& answer);

}  // namespace brivane::core
