#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <list>
#include <memory>

namespace brivane {

class ProtocolNode;

// The children of a node in insertion order, indexed by name hash in 17 buckets. Each bucket lists its
// entries (the child's position in the list and its key) in the order they were filed; duplicate names
// are allowed. The bucket array appears with the first child, each bucket with its first entry.
// The key of a child is this class's one virtual operation, and every index operation goes through it.
class ChildList {
 public:
  static constexpr std::uint32_t kBucketCount = 17;
  using Nodes = std::list<ProtocolNode*>;

  ChildList() = default;
  ChildList(const ChildList&) = delete;
  ChildList& operator=(const ChildList&) = delete;

  virtual std::uint32_t keyOf(const ProtocolNode* child) const;

  void append(ProtocolNode* child);
  // Unlinks one child of a live parent; finds it through its bucket, else by walking the list.
  void remove(const ProtocolNode* child);
  // Moves a renamed child's entry from the bucket of its old key to the bucket of its current key.
  void refile(const ProtocolNode* child, std::uint32_t oldKey);
  // The earliest filed child under `key` that `matches` accepts, or null.
  template <typename Match>
  ProtocolNode* findFirst(std::uint32_t key, Match matches) const;
  // Hands every child over in list order and empties the list and its index, in one linear pass.
  Nodes takeAll();

  std::size_t size() const { return nodes_.size(); }
  bool empty() const { return nodes_.empty(); }
  Nodes::const_iterator begin() const { return nodes_.begin(); }
  Nodes::const_iterator end() const { return nodes_.end(); }

 private:
  struct Entry {
    Nodes::iterator position;
    std::uint32_t key;
  };
  using Bucket = std::list<Entry>;
  using Buckets = std::array<std::unique_ptr<Bucket>, kBucketCount>;

  Bucket* bucketOf(std::uint32_t key) const;
  Bucket::iterator entryOf(Bucket& bucket, const ProtocolNode* child, std::uint32_t key);

  Nodes nodes_;
  std::unique_ptr<Buckets> buckets_;
};

template <typename Match>
ProtocolNode* ChildList::findFirst(std::uint32_t key, Match matches) const {
  const Bucket* bucket = bucketOf(key);
  if (bucket == nullptr) return nullptr;
  for (const Entry& entry : *bucket) {
    if (entry.key == key && matches(*entry.position)) return *entry.position;
  }
  return nullptr;
}

}  // namespace brivane
