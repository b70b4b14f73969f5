#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "CheckReport.h"

namespace brivane {

// A right-click on `paths` rehearsed through the real extension, as Explorer makes it: the menu it
// shows, or the first reason it shows none ("right-click").
void checkRightClick(CheckReport& report, const std::vector<std::wstring>& paths, UINT firstId, UINT lastId);

}  // namespace brivane
