#include "protocol/ActivationContext.h"

#include <string>

#include "support/ModuleInstance.h"

namespace brivane {
namespace {

constexpr WORD kIsolationManifest = 3;

std::wstring modulePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

ActivationContext::ActivationContext(HMODULE module, WORD manifestResource) {
  std::wstring source = modulePath(module);
  if (source.empty()) return;
  ACTCTXW request{};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = source.c_str();
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
