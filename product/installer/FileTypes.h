#pragma once
#include <string>

namespace brivane {

// The secured item types: ".qelf" (ProgID "Brivane.SecuredFile", a property sheet handler) and ".qeld"
// ("Brivane.SecuredFolder", a drop handler and a property sheet handler), both handlers naming clsid.
bool writeFileTypes(const std::wstring& clsid);
void removeFileTypes();

}  // namespace brivane
