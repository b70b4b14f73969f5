#pragma once
#include "Options.h"
#include "Output.h"

namespace brivane {

// Exit codes of shellhost.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Each command prints its report on out and returns an exit code; on failure it has written one line
// to standard error.
int runMenu(const MenuOptions& options, Output& out);
int runDrop(const DropOptions& options, Output& out);
int runProperties(const PropertiesOptions& options, Output& out);

// Reports a failed step with its HRESULT on standard error and returns kExitFailure.
int fail(const std::wstring& what, HRESULT hr);

}  // namespace brivane
