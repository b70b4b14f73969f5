#include "RegistrationCheck.h"

#include <windows.h>

#include <optional>
#include <string_view>

#include "CheckLinks.h"
#include "HandlerDiscovery.h"
#include "PeImage.h"
#include "RegistryValue.h"
#include "module/RegistrationInputs.h"
#include "module/RegistrationTables.h"
#include "support/Paths.h"

namespace brivane {
namespace {

constexpr wchar_t kRegisterAgain[] =
    L"register the extension again: repair the product's installation (or run regsvr32 on BrivaneShell.dll)";

bool sameText(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

// The module path row holds a file name: it must be a DLL of the reader's width that exists.
std::optional<std::wstring> serverFileProblem(const std::wstring& place, const std::wstring& path, WORD machine) {
  if (!isExistingFile(path))
    return place + L" names " + path + L", which does not exist";
  if (std::wstring problem = imageProblem(path, machine); !problem.empty())
    return place + L" names " + path + L", " + problem + L", not a " + widthName(machine) + L" DLL";
  return std::nullopt;
}

bool isClassRow(const RegistrationRow& row) { return std::wstring_view(row.key).starts_with(L"CLSID\\"); }

// The class is read where the machine registered it: a registration of the user's own (HKCU\Software\Classes),
// which unelevated code can write, would otherwise stand in for it before an elevated administrator.
HKEY rowRoot(const RegistrationRow& row) { return isClassRow(row) ? HKEY_LOCAL_MACHINE : row.root; }
std::wstring rowKey(const RegistrationRow& row, const std::wstring& classId) {
  return (isClassRow(row) ? L"Software\\Classes\\" : L"") + fillFormat(row.key, classId);
}

// The first problem among the rows of one link.
std::optional<std::wstring> firstProblem(bool classRows, const std::wstring& classId) {
  const bool nt = isNtPlatform();
  for (const RegistrationRow& row : registrationRows()) {
    if (isClassRow(row) != classRows || (row.ntOnly && !nt)) continue;
    if (std::optional<std::wstring> problem = registrationRowProblem(row, classId, IMAGE_FILE_MACHINE_AMD64))
      return problem;
  }
  return std::nullopt;
}

// The secured file types reach the extension through their ProgID's shellex entries, as Explorer
// follows them.
struct FileTypeHandler {
  const wchar_t* extension;
  const wchar_t* handler;  // below the ProgID's shellex key
  bool listed;             // a list of handlers (one sub-key each) rather than one default value
};

constexpr FileTypeHandler kFileTypeHandlers[] = {
    {L".qelf", L"PropertySheetHandlers", true},
    {L".qeld", L"DropHandler", false},
    {L".qeld", L"PropertySheetHandlers", true},
};

bool namesClass(const FileTypeHandler& entry, const std::wstring& handlerKey, const std::wstring& classId) {
  if (!entry.listed) {
    const RawValue value = readRawValue(HKEY_CLASSES_ROOT, handlerKey, L"");
    return value.valueFound && sameText(value.text, classId);
  }
  for (const RegisteredHandler& handler : handlersListedUnder(HKEY_CLASSES_ROOT, handlerKey))
    if (sameText(handler.clsidText, classId)) return true;
  return false;
}

std::optional<std::wstring> fileTypeProblem(const FileTypeHandler& entry, const std::wstring& classId) {
  const RawValue progId = readRawValue(HKEY_CLASSES_ROOT, entry.extension, L"");
  if (!progId.valueFound || progId.text.empty())
    return std::wstring(entry.extension) + L" is not a registered file type (" +
           registryPlace(HKEY_CLASSES_ROOT, entry.extension, L"") + L" names no ProgID)";
  const std::wstring handlerKey = progId.text + L"\\shellex\\" + entry.handler;
  if (!namesClass(entry, handlerKey, classId))
    return registryPlace(HKEY_CLASSES_ROOT, handlerKey) + L" does not name " + classId;
  return std::nullopt;
}

Finding classRegistration(const std::wstring& classId) {
  if (std::optional<std::wstring> problem = firstProblem(true, classId))
    return Finding::fail(kClassRegistrationLink, *problem, kRegisterAgain);
  return Finding::ok(kClassRegistrationLink,
                     classId + L" is served by " + registeredServerPath(classId) + L" (a 64-bit DLL, apartment-threaded)");
}

Finding menuHandlers(const std::wstring& classId) {
  if (std::optional<std::wstring> problem = firstProblem(false, classId))
    return Finding::fail(kMenuHandlersLink, *problem, kRegisterAgain);
  return Finding::ok(kMenuHandlersLink,
                     L"BrivanePalisor is the context-menu handler of all files and of folders, "
                     L"and approved");
}

Finding fileTypes(const std::wstring& classId) {
  for (const FileTypeHandler& entry : kFileTypeHandlers) {
    if (std::optional<std::wstring> problem = fileTypeProblem(entry, classId))
      return Finding::fail(kFileTypesLink, *problem,
                           L"repair the product's installation: it registers the .qelf and .qeld file types");
  }
  return Finding::ok(kFileTypesLink,
                     L".qelf and .qeld name the extension as property sheet handler, .qeld also "
                     L"as drop handler");
}

}  // namespace

std::wstring registeredServerPath(const std::wstring& classId) {
  return readRawValue(HKEY_LOCAL_MACHINE, L"Software\\Classes\\CLSID\\" + classId + L"\\InProcServer32", L"").text;
}

std::optional<std::wstring> registrationRowProblem(const RegistrationRow& row, const std::wstring& classId, WORD machine) {
  const REGSAM view = machine == IMAGE_FILE_MACHINE_I386 ? KEY_WOW64_32KEY : 0;
  const HKEY root = rowRoot(row);
  const std::wstring key = rowKey(row, classId);
  const std::wstring name = row.valueName ? fillFormat(row.valueName, classId) : L"";
  const std::wstring place = registryPlace(root, key, name.c_str(), view);
  const RawValue value = readRawValue(root, key, name.c_str(), view);
  if (!value.keyFound) return registryPlace(root, key, nullptr, view) + L" is missing";
  if (!value.valueFound || (value.type != REG_SZ && value.type != REG_EXPAND_SZ) || !value.terminated)
    return whyStringRefused(value, place);
  if (row.argument == RowArgument::ModulePath && std::wstring_view(row.data) == L"%s")
    return serverFileProblem(place, value.text, machine);
  const std::wstring expected = fillFormat(row.data, classId);
  if (!sameText(value.text, expected)) return place + L" is \"" + value.text + L"\", not \"" + expected + L"\"";
  return std::nullopt;
}

void checkRegistration(CheckReport& report) {
  const std::wstring classId = classIdString().value_or(L"");
  report.add(classRegistration(classId));
  report.add(menuHandlers(classId));
  report.add(fileTypes(classId));
}

}  // namespace brivane
