#include "shell/DispatchCommand.h"

#include <cstdint>
#include <optional>

#include "menu/CommandTable.h"
#include "operations/CommandContext.h"
#include "operations/ConvertOperation.h"
#include "operations/DestinationPicker.h"
#include "operations/HandOff.h"
#include "operations/SecureOperations.h"
#include "operations/UnsecureOperation.h"
#include "protocol/CoreLibrary.h"
#include "support/Paths.h"

namespace brivane {
namespace {

// One invocation: the entry chosen, what the menu was built from, and the context being filled.
struct CommandRun {
  const CommandEntry& entry;
  const Classification& classification;
  const std::vector<std::wstring>& selection;
  CommandContext context;
};

Status runSecureFiles(const CommandRun& run) { return secureFiles(run.classification, run.context); }
Status runSecureFolders(const CommandRun& run) { return secureFolders(run.classification, run.context); }
Status runSecureMixed(const CommandRun& run) { return secureMixed(run.classification, run.context); }
Status runUnsecure(const CommandRun& run) { return unsecureItems(run.selection, run.context); }
Status runConvert(const CommandRun& run) { return convertToExecutable(run.selection, run.context); }
Status runSend(const CommandRun& run) { return sendToSecuredFolder(run.selection, run.context); }

struct KindOperation {
  std::int32_t menuKind;
  Status (*run)(const CommandRun&);
};

// What the main entries do for each kind of menu.
const KindOperation kKindOperations[] = {
    {SingleFile, runSecureFiles},
    {MultipleFiles, runSecureFiles},
    {SingleFolder, runSecureFolders},
    {MultipleFolders, runSecureFolders},
    {Mixed, runSecureMixed},
    {Secured, runUnsecure},
};

Status runForMenuKind(const CommandRun& run) {
  for (const KindOperation& row : kKindOperations) {
    if (row.menuKind == run.classification.menuKind) return row.run(run);
  }
  return STATUS_NOTHING_TO_DO;
}

// Each returns false when the user cancelled the destination, and nothing runs then.
bool keepFirstItemFolder(CommandRun&) { return true; }

bool pickUnsecureFolderIfSecured(CommandRun& run) {
  return run.classification.menuKind != Secured ||
         pickDestination(run.context.destination, PICK_MODE_UNSECURE_TO) >= 0;
}

bool targetNearFolder(CommandRun& run) {
  run.context.destination += run.classification.nearNames[run.entry.index];
  return true;
}

bool targetRecentFolder(CommandRun& run) {
  run.context.destination = run.classification.recentPaths[run.entry.index];
  return true;
}

bool pickNewSecuredFolder(CommandRun& run) {
  return pickDestination(run.context.destination, PICK_MODE_NEW_SECURED_FOLDER) >= 0;
}

struct RoleOperation {
  CommandRole role;
  bool (*prepare)(CommandRun&);
  Status (*run)(const CommandRun&);
  std::uint16_t options;
};

// The send entries add to an existing secured folder; the copy submenu's entries and the secondary
// entry of plain items also keep the originals (CommandEntry::keepOriginal).
const RoleOperation kRoleOperations[] = {
    {CommandRole::Primary, keepFirstItemFolder, runForMenuKind, 0},
    {CommandRole::Secondary, pickUnsecureFolderIfSecured, runForMenuKind, 0},
    {CommandRole::Convert, keepFirstItemFolder, runConvert, 0},
    {CommandRole::SendNear, targetNearFolder, runSend, CommandOption::AppendDestination},
    {CommandRole::SendRecent, targetRecentFolder, runSend, CommandOption::AppendDestination},
    {CommandRole::Browse, pickNewSecuredFolder, runSend, CommandOption::AppendDestination},
};

std::wstring firstItemFolder(const std::vector<std::wstring>& selection) {
  return withTrailingBackslash(parentFolderOf(selection.front()));
}

// A cancelled picker runs nothing and is no failure.
Status runCommand(CommandRun& run) {
  for (const RoleOperation& row : kRoleOperations) {
    if (row.role != run.entry.role) continue;
    run.context.optionFlags |= row.options;
    return row.prepare(run) ? row.run(run) : STATUS_OK;
  }
  return STATUS_OK;
}

}  // namespace

HRESULT dispatchCommand(std::size_t offset, const BuiltMenu& menu, const std::vector<std::wstring>& selection,
                        const FailureNotice& notice) {
  const std::optional<CommandEntry> entry = menu.table ? menu.table->commandAt(offset) : std::nullopt;
  if (!entry || selection.empty()) return E_INVALIDARG;
  return withCoreLibrary(E_FAIL, [&] {
    const std::uint16_t keep = entry->keepOriginal ? CommandOption::KeepOriginal : 0;
    CommandRun run{*entry, menu.classification, selection, {firstItemFolder(selection), keep, notice}};
    const Status status = runCommand(run);
    return isHandOffFailure(status) ? static_cast<HRESULT>(status) : S_OK;
  });
}

}  // namespace brivane
