#pragma once
#include <windows.h>
#include <oleidl.h>

#include <cstdint>

#include "operations/CommandContext.h"

namespace brivane {

// What the key state of a drag means: a copy when Ctrl is held, otherwise a move.
constexpr bool copyRequested(DWORD keyState) { return (keyState & MK_CONTROL) != 0; }

// The effect shown to the user, the same at entering and at the drop.
constexpr DWORD dropEffectFor(DWORD keyState) { return copyRequested(keyState) ? DROPEFFECT_COPY : DROPEFFECT_MOVE; }

// The options of the send: always added to the existing secured folder, the sources kept on a copy.
constexpr std::uint16_t dropOptionsFor(DWORD keyState) {
  return CommandOption::AppendDestination | (copyRequested(keyState) ? CommandOption::KeepOriginal : 0);
}

}  // namespace brivane
