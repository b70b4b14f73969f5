#pragma once
#include "CheckReport.h"

namespace brivane {

// Whether the installed extension and core library carry an Authenticode signature, and whose
// ("signature"). Never a failure: a development build is unsigned, and works.
void checkSignatures(CheckReport& report);

}  // namespace brivane
