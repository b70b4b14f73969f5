#include "support/PathSet.h"

#include "support/Text.h"

namespace brivane {

PathSet::PathSet(std::initializer_list<std::wstring> paths) {
  for (const std::wstring& path : paths) add(path);
}

PathSet::PathSet(const std::vector<std::wstring>& paths) { add(paths); }

void PathSet::add(const std::wstring& path) { lowered_.insert(lowerCased(path)); }

void PathSet::add(const std::vector<std::wstring>& paths) {
  lowered_.reserve(lowered_.size() + paths.size());
  for (const std::wstring& path : paths) add(path);
}

bool PathSet::contains(const std::wstring& path) const {
  return !lowered_.empty() && lowered_.contains(lowerCased(path));
}

}  // namespace brivane
