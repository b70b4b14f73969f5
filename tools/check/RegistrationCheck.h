#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "CheckReport.h"
#include "module/RegistrationTables.h"

namespace brivane {

// The links Explorer follows before it loads the extension: the class and its in-process server
// ("class-registration"), the context-menu handler entries and the approval ("menu-handlers"), and the
// secured file types' drop and property sheet handlers ("file-types").
void checkRegistration(CheckReport& report);

// The extension's DLL as registered for the whole machine (HKLM\Software\Classes): never a per-user
// registration, which unelevated code could plant for an elevated check to load.
std::wstring registeredServerPath(const std::wstring& classId);

// What is wrong with one registration row as a process of the width of `machine` reads it (in the 32-bit
// registry view for IMAGE_FILE_MACHINE_I386), if anything; the server row must name a DLL of that width.
std::optional<std::wstring> registrationRowProblem(const RegistrationRow& row, const std::wstring& classId, WORD machine);

}  // namespace brivane
