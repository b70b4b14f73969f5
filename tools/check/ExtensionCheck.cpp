#include "ExtensionCheck.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <windows.h>

#include "CheckLinks.h"
#include "Output.h"
#include "RegistrationCheck.h"
#include "module/ClassId.h"
#include "module/RegistrationInputs.h"
#include "support/Handles.h"
#include "support/ModuleLoad.h"
#include "support/Paths.h"

namespace brivane {
namespace {

struct ShellInterface {
  const IID* id;
  const wchar_t* name;
};

const ShellInterface kShellInterfaces[] = {
    {&IID_IShellExtInit, L"IShellExtInit"},
    {&IID_IContextMenu, L"IContextMenu"},
    {&IID_IPersistFile, L"IPersistFile"},
    {&IID_IDropTarget, L"IDropTarget"},
    {&IID_IShellPropSheetExt, L"IShellPropSheetExt"},
};

constexpr wchar_t kReinstall[] = L"reinstall the product: its BrivaneShell.dll is damaged or does not match";

std::wstring missingInterfaces(IUnknown* object) {
  std::wstring missing;
  for (const ShellInterface& entry : kShellInterfaces) {
    ComPtr<IUnknown> answer;
    if (FAILED(object->QueryInterface(*entry.id, answer.outVoid())))
      missing += (missing.empty() ? L"" : L", ") + std::wstring(entry.name);
  }
  return missing;
}

// The object that the class factory makes, asked for every interface Explorer uses.
Finding checkObject(const std::wstring& path) {
  ComPtr<IClassFactory> factory;
  HRESULT hr =
      CoGetClassObject(kShellExtensionClassId, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.outVoid());
  if (FAILED(hr))
    return Finding::fail(kExtensionLink, path + L" gives no class factory (" + hresultText(hr) + L")", kReinstall);
  ComPtr<IUnknown> object;
  hr = factory->CreateInstance(nullptr, IID_IUnknown, object.outVoid());
  if (FAILED(hr))
    return Finding::fail(kExtensionLink, L"the class factory creates no object (" + hresultText(hr) + L")", kReinstall);
  if (std::wstring missing = missingInterfaces(object.get()); !missing.empty())
    return Finding::fail(kExtensionLink, L"the object does not answer " + missing, kReinstall);
  return Finding::ok(kExtensionLink, path + L" loads; its object answers the five shell interfaces");
}

Finding checkLoadedExtension() {
  const std::wstring classId = classIdString().value_or(L"");
  const std::wstring path = registeredServerPath(classId);
  if (!isAbsolutePath(path))
    return Finding::fail(kExtensionLink, L"the registered server \"" + path + L"\" is not an absolute path", kReinstall);
  // Loaded as the extension loads the core library, so nothing of the search path takes part.
  UniqueModule module(loadModuleAt(path));
  const DWORD error = GetLastError();
  if (!module)
    return Finding::fail(kExtensionLink, path + L" does not load (error " + std::to_wstring(error) + L")",
                         L"reinstall the product; a DLL it needs may be missing");
  return checkObject(path);
}

}  // namespace

void checkExtension(CheckReport& report) {
  report.addChecked(kExtensionLink, {kClassRegistrationLink}, checkLoadedExtension);
}

}  // namespace brivane
