#include "module/RegistrationTables.h"

namespace brivane {
namespace {

const wchar_t* const kServerKey = L"CLSID\\%s\\InProcServer32";
const wchar_t* const kClassKey = L"CLSID\\%s";
const wchar_t* const kFileHandlerKey = L"*\\shellex\\ContextMenuHandlers\\BrivanePalisor";
const wchar_t* const kFolderHandlerKey = L"Folder\\shellex\\ContextMenuHandlers\\BrivanePalisor";
const wchar_t* const kApprovedKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const wchar_t* const kApprovedNameKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved\\BrivanePalisor";

const RegistrationRow kRegistrationRows[] = {
    {HKEY_CLASSES_ROOT, kClassKey, nullptr, L"BRIVANE SHELLEXTENSION", RowArgument::ModulePath, false},
    {HKEY_CLASSES_ROOT, kServerKey, nullptr, L"%s", RowArgument::ModulePath, false},
    {HKEY_CLASSES_ROOT, kServerKey, L"ThreadingModel", L"Apartment", RowArgument::ModulePath, false},
    {HKEY_CLASSES_ROOT, kFileHandlerKey, nullptr, L"%s", RowArgument::ClassIdString, false},
    {HKEY_CLASSES_ROOT, kFolderHandlerKey, nullptr, L"%s", RowArgument::ClassIdString, false},
    {HKEY_LOCAL_MACHINE, kApprovedKey, L"%s", L"BrivanePalisor", RowArgument::ClassIdString, true},
};

// The approval is the value registration wrote, named by the CLSID string; a key named after the handler
// below the Approved key goes too, whoever made it. The Approved key itself is shared with every other
// extension and stays.
const RemovalRow kRemovalRows[] = {
    {HKEY_CLASSES_ROOT, kServerKey, nullptr, true, false},
    {HKEY_CLASSES_ROOT, kClassKey, nullptr, true, false},
    {HKEY_CLASSES_ROOT, kFileHandlerKey, nullptr, true, false},
    {HKEY_CLASSES_ROOT, kFolderHandlerKey, nullptr, true, false},
    {HKEY_LOCAL_MACHINE, kApprovedNameKey, nullptr, false, true},
    {HKEY_LOCAL_MACHINE, kApprovedKey, L"%s", false, true},
};

}  // namespace

std::span<const RegistrationRow> registrationRows() { return kRegistrationRows; }

std::span<const RemovalRow> removalRows() { return kRemovalRows; }

std::wstring fillFormat(const wchar_t* format, const std::wstring& argument) {
  std::wstring text(format);
  const std::size_t at = text.find(L"%s");
  if (at != std::wstring::npos) text.replace(at, 2, argument);
  return text;
}

}  // namespace brivane
