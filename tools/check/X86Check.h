#pragma once
#include "CheckReport.h"

namespace brivane {

// What 32-bit programs on 64-bit Windows need for the product's menu (their Open and Save dialogs host a
// 32-bit shell), as they read the 32-bit registry view: the class served by a 32-bit BrivaneShell.dll and
// its approval, and a ModuleFolder holding a 32-bit core library and the application ("x86-extension").
// The handler lists and file types are shared with 64-bit programs and checked once, above.
void checkX86Extension(CheckReport& report);

}  // namespace brivane
