#include "protocol/ActivationContext.h"

#include <optional>
#include <string>

#include "support/ModuleInstance.h"

namespace brivane {
namespace {

constexpr WORD kIsolationManifest = 3;

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
  static const ActivationContext context(moduleInstance(), kIsolationManifest);
  return context;
}

}  // namespace brivane
