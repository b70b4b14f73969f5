#include "protocol/CoreLibrary.h"

#include <string>

#include "protocol/ActivationContext.h"
#include "settings/ProductSettings.h"
#include "support/ModuleLoad.h"

namespace brivane {
namespace {

constexpr wchar_t kProductKeyName[] = L"Brivane";

}  // namespace

void CoreLibrary::load() {
  free();
  std::wstring path;
  if (!coreLibraryPath(kProductKeyName, path)) return;
  module_.reset(runInModuleContext([&path] { return loadModuleAt(path); }));
}

BOOL CoreLibrary::free() {
  if (!module_) return 0;
  return FreeLibrary(module_.release());
}

CoreEntryPoint CoreLibrary::entryPoint() const {
  if (!module_) return nullptr;
  // Through the generic function type, which converts to any other without a warning.
  auto generic = reinterpret_cast<void (*)()>(GetProcAddress(module_.get(), kCoreEntryPointName));
  return reinterpret_cast<CoreEntryPoint>(generic);
}

Status openCoreLibrary(CoreLibrary& library, CoreEntryPoint& entryPoint) {
  library.load();
  entryPoint = library.entryPoint();
  if (entryPoint) return STATUS_OK;
  library.free();
  return STATUS_CORE_UNAVAILABLE;
}

}  // namespace brivane
