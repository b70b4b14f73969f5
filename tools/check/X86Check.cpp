#include "X86Check.h"

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "CheckLinks.h"
#include "PeImage.h"
#include "RegistrationCheck.h"
#include "RegistryValue.h"
#include "module/RegistrationInputs.h"
#include "operations/ApplicationLaunch.h"
#include "support/Paths.h"

namespace brivane {
namespace {

constexpr wchar_t kRepairX86[] =
    L"repair the product's installation: it installs the 32-bit extension for 32-bit programs";
constexpr wchar_t kProductKey[] = L"Software\\Brivane";

// The rows Windows keeps apart for 32-bit programs: the class and the approval.
bool isRedirectedRow(const RegistrationRow& row) {
  return row.root == HKEY_LOCAL_MACHINE || std::wstring_view(row.key).starts_with(L"CLSID\\");
}

std::optional<std::wstring> registrationProblem(const std::wstring& classId) {
  const bool nt = isNtPlatform();
  for (const RegistrationRow& row : registrationRows()) {
    if (!isRedirectedRow(row) || (row.ntOnly && !nt)) continue;
    if (std::optional<std::wstring> problem = registrationRowProblem(row, classId, IMAGE_FILE_MACHINE_I386))
      return problem;
  }
  return std::nullopt;
}

// The 32-bit view's ModuleFolder must hold a 32-bit core library and the application.
std::optional<std::wstring> moduleFolderProblem(std::wstring& folder) {
  const std::wstring place = registryPlace(HKEY_LOCAL_MACHINE, kProductKey, L"ModuleFolder", KEY_WOW64_32KEY);
  const RawValue value = readRawValue(HKEY_LOCAL_MACHINE, kProductKey, L"ModuleFolder", KEY_WOW64_32KEY);
  if (!value.valueFound || (value.type != REG_SZ && value.type != REG_EXPAND_SZ) || !value.terminated)
    return whyStringRefused(value, place);
  folder = value.text;
  const std::wstring core = withTrailingBackslash(folder) + L"Brivane_Core.dll";
  if (!isExistingFile(core)) return place + L" names " + folder + L", which holds no Brivane_Core.dll";
  if (std::wstring problem = imageProblem(core, IMAGE_FILE_MACHINE_I386); !problem.empty())
    return core + L" is " + problem + L", not a 32-bit DLL";
  if (!isExistingFile(withTrailingBackslash(folder) + kApplicationFileName))
    return place + L" names " + folder + L", which holds no " + kApplicationFileName;
  return std::nullopt;
}

}  // namespace

void checkX86Extension(CheckReport& report) {
  const std::wstring classId = classIdString().value_or(L"");
  std::wstring folder;
  std::optional<std::wstring> problem = registrationProblem(classId);
  if (!problem) problem = moduleFolderProblem(folder);
  if (problem) {
    report.add(Finding::fail(kX86ExtensionLink, L"32-bit programs show none of the product's commands: " + *problem,
                             kRepairX86));
    return;
  }
  // As registered for the whole machine, like the 64-bit class (registeredServerPath).
  const std::wstring server = readRawValue(HKEY_LOCAL_MACHINE, L"Software\\Classes\\CLSID\\" + classId + L"\\InProcServer32",
                                           L"", KEY_WOW64_32KEY)
                                  .text;
  report.add(Finding::ok(kX86ExtensionLink, L"32-bit programs load " + server + L" (a 32-bit DLL), which finds a " +
                                                L"32-bit core library and the application in " + folder));
}

}  // namespace brivane
