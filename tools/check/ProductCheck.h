#pragma once
#include "CheckReport.h"

namespace brivane {

// The product's installation as the extension finds it: the "ModuleFolder" setting ("module-folder"),
// the core library there ("core-library") and every label the extension asks it for ("labels").
void checkProduct(CheckReport& report);

}  // namespace brivane
