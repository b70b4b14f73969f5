#pragma once
#include <windows.h>

#include <utility>

#include "support/Handles.h"

namespace brivane {

// An activation context made from a manifest resource of a module, if the module has one. Calls run
// through `run` inside it; without one they run in whatever context the caller has current.
class ActivationContext {
 public:
  ActivationContext(HMODULE module, WORD manifestResource);
  ActivationContext(const ActivationContext&) = delete;
  ActivationContext& operator=(const ActivationContext&) = delete;

  bool created() const { return static_cast<bool>(context_); }

  template <typename Call>
  decltype(auto) run(Call&& call) const {
    Activation activation(context_.get());
    return std::forward<Call>(call)();
  }

 private:
  // Keeps the context current for one scope, also when the call throws.
  class Activation {
   public:
    explicit Activation(HANDLE context);
    ~Activation();
    Activation(const Activation&) = delete;
    Activation& operator=(const Activation&) = delete;

   private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
  };

  UniqueActivationContext context_;
};

// The context of this module's isolation manifest (resource 3), made on first use. The module ships its
// manifest as resource 123, so none is made and calls run in the host's current context.
const ActivationContext& moduleActivationContext();

template <typename Call>
decltype(auto) runInModuleContext(Call&& call) {
  return moduleActivationContext().run(std::forward<Call>(call));
}

}  // namespace brivane
