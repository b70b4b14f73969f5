#pragma once
#include <string>

#include "CheckReport.h"

namespace brivane {

// The links Explorer follows before it loads the extension: the class and its in-process server
// ("class-registration"), the context-menu handler entries and the approval ("menu-handlers"), and the
// secured file types' drop and property sheet handlers ("file-types").
void checkRegistration(CheckReport& report);

// The extension's DLL as registered for the whole machine (HKLM\Software\Classes): never a per-user
// registration, which unelevated code could plant for an elevated check to load.
std::wstring registeredServerPath(const std::wstring& classId);

}  // namespace brivane
