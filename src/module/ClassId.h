#pragma once
#include <windows.h>

namespace brivane {

// The one class this module serves; registration and the installer's handler entries name it.
inline constexpr CLSID kShellExtensionClassId = {
    0xAAFA3869, 0xC27B, 0x4D5C, {0xA0, 0x07, 0x5D, 0x5F, 0x78, 0x48, 0x07, 0x7C}};

}  // namespace brivane
