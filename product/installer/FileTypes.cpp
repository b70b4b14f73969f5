#include "FileTypes.h"

#include <windows.h>

#include "InstallerRegistry.h"

namespace brivane {
namespace {

// A default value below HKEY_CLASSES_ROOT: a fixed text, or the extension's CLSID when text is null.
struct FileTypeEntry {
  const wchar_t* key;
  const wchar_t* text;
};

const FileTypeEntry kEntries[] = {
    {L".qelf", L"Brivane.SecuredFile"},
    {L"Brivane.SecuredFile", L"Brivane Secured File"},
    {L"Brivane.SecuredFile\\shellex\\PropertySheetHandlers\\BrivanePalisor", nullptr},
    {L".qeld", L"Brivane.SecuredFolder"},
    {L"Brivane.SecuredFolder", L"Brivane Secured Folder"},
    {L"Brivane.SecuredFolder\\shellex\\DropHandler", nullptr},
    {L"Brivane.SecuredFolder\\shellex\\PropertySheetHandlers\\BrivanePalisor", nullptr},
};

// The keys that hold all of the entries above.
const wchar_t* const kOwnedKeys[] = {L".qelf", L".qeld", L"Brivane.SecuredFile", L"Brivane.SecuredFolder"};

}  // namespace

bool writeFileTypes(const std::wstring& clsid) {
  for (const FileTypeEntry& entry : kEntries) {
    if (!writeString(HKEY_CLASSES_ROOT, entry.key, nullptr, entry.text ? entry.text : clsid)) return false;
  }
  return true;
}

void removeFileTypes() {
  for (const wchar_t* key : kOwnedKeys) RegDeleteTreeW(HKEY_CLASSES_ROOT, key);
}

}  // namespace brivane
