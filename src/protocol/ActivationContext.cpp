#include "protocol/ActivationContext.h"

#include <mutex>
#include <optional>
#include <string>

#include "support/ModuleInstance.h"
#include "support/SystemLock.h"

namespace brivane {
namespace {

constexpr WORD kIsolationManifest = 3;

// The module's context, made on first use under a lock of the system's: a guarded local static would go
// through the thread library's once-only call, which takes a TLS slot never returned when the module is freed.
SystemLock moduleContextLock;
std::optional<ActivationContext> moduleContext;

}  // namespace

ActivationContext::ActivationContext(HMODULE module, WORD manifestResource) {
  const std::optional<std::wstring> source = modulePath(module);
  if (!source) return;
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = source->c_str();
  request.hModule = module;
  request.lpResourceName = MAKEINTRESOURCEW(manifestResource);
  context_.reset(CreateActCtxW(&request));
}

ActivationContext::Activation::Activation(HANDLE context) {
  if (context != INVALID_HANDLE_VALUE) active_ = ActivateActCtx(context, &cookie_) != FALSE;
}

ActivationContext::Activation::~Activation() {
  if (active_) DeactivateActCtx(0, cookie_);
}

const ActivationContext& moduleActivationContext() {
  std::lock_guard<SystemLock> guard(moduleContextLock);
  if (!moduleContext) moduleContext.emplace(moduleInstance(), kIsolationManifest);
  return *moduleContext;
}

}  // namespace brivane
