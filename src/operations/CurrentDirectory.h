#pragma once
#include <string>

namespace brivane {

// The process's current directory, whatever its length; empty when it cannot be read.
std::wstring currentDirectory();

// Makes `folder` the current directory for one scope and puts the previous one back at its end. A folder
// that cannot be entered leaves the current directory as it was. Callers hold processStateLock().
class CurrentDirectoryScope {
 public:
  explicit CurrentDirectoryScope(const std::wstring& folder);
  ~CurrentDirectoryScope();
  CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
  CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

 private:
  std::wstring saved_;
};

}  // namespace brivane
