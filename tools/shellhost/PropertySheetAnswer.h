#pragma once
#include <windows.h>

#include "Options.h"
#include "Output.h"

namespace brivane {

// The controls of the product's page that identify it among the pages of a properties dialog.
constexpr int kPageTextControl = 1003;
constexpr int kPageButtonControl = 1002;

// Handles the shell's properties dialog as a person would and reports on out:
//   sheet opened title="..."
//   page INDEX "TITLE"                 for every tab
//   page selected INDEX "TITLE"        the first page holding controls 1003 and 1002, or "page none"
//   control ... lines of that page
//   page pressed 1002                  with pressButton
//   sheet screenshot "FILE" hr=...     with a screenshot path
//   sheet closed | sheet still-open
// Another dialog (not a property sheet) is reported as "dialog opened ..." and cancelled.
void answerPropertySheet(HWND sheet, const PropertiesOptions& options, Output& out);

}  // namespace brivane
