#pragma once
#include "CheckReport.h"

namespace brivane {

// The links Explorer follows before it loads the extension: the class and its in-process server
// ("class-registration"), the context-menu handler entries and the approval ("menu-handlers"), and the
// secured file types' drop and property sheet handlers ("file-types").
void checkRegistration(CheckReport& report);

}  // namespace brivane
