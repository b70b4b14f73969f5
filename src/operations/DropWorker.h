#pragma once
#include <windows.h>
#include <oleidl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "operations/CommandContext.h"
#include "protocol/Status.h"

namespace brivane {

// What the key state of a drag means: a copy when Ctrl is held, otherwise a move.
constexpr bool copyRequested(DWORD keyState) { return (keyState & MK_CONTROL) != 0; }

// The effect shown to the user, the same at entering and at the drop.
constexpr DWORD dropEffectFor(DWORD keyState) { return copyRequested(keyState) ? DROPEFFECT_COPY : DROPEFFECT_MOVE; }

// The options of the send: always added to the existing secured folder, the sources kept on a copy.
constexpr std::uint16_t dropOptionsFor(DWORD keyState) {
  return CommandOption::AppendDestination | (copyRequested(keyState) ? CommandOption::KeepOriginal : 0);
}

// Sends the dragged paths into the secured folder they were dropped onto, moved or (Ctrl held) copied.
// STATUS_NOTHING_TO_DROP without paths or without a target; STATUS_OK without doing anything when the
// core library is absent; otherwise the send's status, a failed hand-off told through `notice`.
Status runDropWorker(const std::vector<std::wstring>& dropList, const std::wstring& dropTargetPath, DWORD keyState,
                     const FailureNotice& notice);

}  // namespace brivane
