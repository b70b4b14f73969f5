#pragma once
#include <windows.h>

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

}  // namespace brivane
