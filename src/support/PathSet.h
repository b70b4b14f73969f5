#pragma once
#include <initializer_list>
#include <string>
#include <unordered_set>
#include <vector>

namespace brivane {

// Paths compared without regard to letter case, as the system lower-cases them.
class PathSet {
 public:
  PathSet() = default;
  PathSet(std::initializer_list<std::wstring> paths);
  explicit PathSet(const std::vector<std::wstring>& paths);

  void add(const std::wstring& path);
  void add(const std::vector<std::wstring>& paths);
  bool contains(const std::wstring& path) const;

 private:
  std::unordered_set<std::wstring> lowered_;
};

}  // namespace brivane
