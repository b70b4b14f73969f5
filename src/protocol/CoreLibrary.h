#pragma once
#include <windows.h>

#include <type_traits>

#include "protocol/ProtocolNode.h"
#include "protocol/Status.h"
#include "support/Handles.h"

namespace brivane {

// The core library's one export: the complete request tree in, an empty response root that the
// library appends its answer to.
using CoreEntryPoint = Status (*)(ProtocolNode* request, ProtocolNode* response);

inline constexpr char kCoreEntryPointName[] = "QLSDK_ProcessProtocol_ByTag";

// The core library, loaded for one operation from the folder the registry names. Trees that were passed
// to the library must be destroyed before it is freed: nodes it appended use its code.
class CoreLibrary {
 public:
  CoreLibrary() = default;
  CoreLibrary(const CoreLibrary&) = delete;
  CoreLibrary& operator=(const CoreLibrary&) = delete;

  // Any failure leaves the library unloaded; nothing is reported beyond that.
  void load();
  // The platform's result, or 0 when nothing was loaded.
  BOOL free();
  bool loaded() const { return static_cast<bool>(module_); }
  // Null when the library is not loaded or lacks the export.
  CoreEntryPoint entryPoint() const;

 private:
  UniqueModule module_;
};

// Loads the library and resolves its entry point; on failure the library is freed again and the result
// is STATUS_CORE_UNAVAILABLE.
Status openCoreLibrary(CoreLibrary& library, CoreEntryPoint& entryPoint);

// Runs `use` while the core library is loaded and returns its result; the library is freed afterwards,
// so trees given to it must be gone when `use` returns. A `use` without parameters only needs the
// library present (the test before a menu, a command or a drop); one taking the entry point needs that
// too. Without what it needs `use` does not run and the result is `unavailable`.
template <typename Result, typename Use>
Result withCoreLibrary(Result unavailable, Use&& use) {
  CoreLibrary library;
  if constexpr (std::is_invocable_v<Use>) {
    library.load();
    return library.loaded() ? use() : unavailable;
  } else {
    CoreEntryPoint entryPoint = nullptr;
    return openCoreLibrary(library, entryPoint) < 0 ? unavailable : use(entryPoint);
  }
}

}  // namespace brivane
