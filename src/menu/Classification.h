#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace brivane {

// Kind of the menu last built; the numbers are what InvokeCommand dispatches on.
enum MenuKind : std::int32_t {
  SingleFile = 0,
  MultipleFiles = 1,
  SingleFolder = 2,
  MultipleFolders = 3,
  Mixed = 4,
  Secured = 5,
  SendToSecuredFolder = 6,
};

// Per-object record that the menu builder fills and the command dispatcher reads.
struct Classification {
  std::int32_t nearLimit = 0;
  std::int32_t recentLimit = 0;
  std::vector<std::wstring> nearNames;
  std::vector<std::wstring> recentPaths;
  std::vector<std::wstring> nearPaths;
  std::vector<std::wstring> files;
  std::vector<std::wstring> folders;
  std::int32_t menuKind = SingleFile;
};

}  // namespace brivane
