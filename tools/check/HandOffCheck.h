#pragma once
#include "CheckReport.h"

namespace brivane {

// What a command needs after the menu: a temporary folder the hand-off file can be written to
// ("temp-folder") and the application executable in the module folder ("application").
void checkHandOff(CheckReport& report);

}  // namespace brivane
