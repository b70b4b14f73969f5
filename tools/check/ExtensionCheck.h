#pragma once
#include "CheckReport.h"

namespace brivane {

// Loads the registered DLL, has its class factory create the object as Explorer does and asks the
// object for the five shell interfaces ("extension").
void checkExtension(CheckReport& report);

}  // namespace brivane
