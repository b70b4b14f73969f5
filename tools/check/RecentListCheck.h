#pragma once
#include "CheckReport.h"

namespace brivane {

// The user's list of recent secured folders as the send submenus read it ("recent-list"): the two
// limits must be REG_DWORD; entries the menu skips or never reaches are noted.
void checkRecentList(CheckReport& report);

}  // namespace brivane
