#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "protocol/Status.h"

namespace brivane {

// Sends the dragged paths into the secured folder they were dropped onto, moved or (Ctrl held) copied.
// STATUS_NOTHING_TO_DROP without paths or without a target; STATUS_OK without doing anything when the
// core library is absent; otherwise the send's status.
Status runDropWorker(const std::vector<std::wstring>& dropList, const std::wstring& dropTargetPath, DWORD keyState);

}  // namespace brivane
