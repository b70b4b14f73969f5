#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace brivane {

class ProtocolNode;

// The children of a node in insertion order, indexed by name hash in 17 buckets. Each bucket lists its
// entries (the child's position and its key) in the order they were filed; duplicate names are allowed.
// The key of a child is this class's one virtual operation, and every index operation goes through it.
//
// A request holds hundreds of thousands of nodes, most of them with one child or none, and every heap
// block costs; so a list that has held one child at a time keeps it without an array. From the second
// child on, the children sit in one array, and the buckets are chains through that array that appear
// only once a list grows past kIndexFrom children. A shorter list is searched whole, earliest filed
// first, which finds what the buckets would. A removed child leaves a hole that the next walk skips; the
// array is closed up once holes outnumber children, so removing children one by one stays linear.
class ChildList {
 public:
  static constexpr std::uint32_t kBucketCount = 17;
  static constexpr std::size_t kIndexFrom = 8;

  ChildList() = default;
  ChildList(const ChildList&) = delete;
  ChildList& operator=(const ChildList&) = delete;
  virtual ~ChildList() = default;

  virtual std::uint32_t keyOf(const ProtocolNode* child) const;

  void append(ProtocolNode* child);
  // Unlinks one child of a live parent; finds it through its bucket, else by walking the list.
  void remove(const ProtocolNode* child);
  // Files a renamed child's entry under its current key, after every entry filed before.
  void refile(const ProtocolNode* child, std::uint32_t oldKey);
  // The earliest filed child under `key` that `matches` accepts, or null.
  template <typename Match>
  ProtocolNode* findFirst(std::uint32_t key, Match matches) const;
  // Hands every child over in list order, appended to `out`, and empties the list and its index.
  void moveAllTo(std::vector<ProtocolNode*>& out);

  std::size_t size() const { return count_; }
  bool empty() const { return count_ == 0; }

  // Walks the children in list order, past the holes. Children may not be added or removed meanwhile.
  template <typename Visit>
  void forEach(Visit visit) const {
    if (single_ != nullptr) visit(single_);
    for (const Slot& slot : slots_) {
      if (slot.node != nullptr) visit(slot.node);
    }
  }

 private:
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;
  static constexpr std::size_t kSecondStep = 4;
  struct Slot {
    ProtocolNode* node;  // null: a hole left by a removed child
    std::uint32_t key;
    std::uint32_t next;   // the next entry of the same bucket, when the list has an index
    std::uint32_t filed;  // order of filing in this list, which decides among equal keys
  };
  struct Chain {
    std::uint32_t first = kNone;
    std::uint32_t last = kNone;
  };
  using Index = std::array<Chain, kBucketCount>;

  template <typename Match>
  std::uint32_t firstSlot(std::uint32_t key, Match matches) const;
  std::uint32_t slotOf(const ProtocolNode* child, std::uint32_t key) const;
  void file(std::uint32_t at, std::uint32_t key);
  void link(std::uint32_t at);
  void unlink(std::uint32_t at);
  void buildIndex();
  void closeUp();
  void renumberFilings();
  void spreadIntoArray();
  std::vector<std::uint32_t> inFilingOrder() const;

  // The only child while the array is empty; its filing is always the list's last.
  ProtocolNode* single_ = nullptr;
  std::vector<Slot> slots_;
  std::unique_ptr<Index> index_;
  std::uint32_t count_ = 0;
  std::uint32_t filings_ = 0;
};

template <typename Match>
std::uint32_t ChildList::firstSlot(std::uint32_t key, Match matches) const {
  if (index_) {
    for (std::uint32_t at = (*index_)[key % kBucketCount].first; at != kNone; at = slots_[at].next) {
      if (slots_[at].key == key && matches(slots_[at].node)) return at;
    }
    return kNone;
  }
  std::uint32_t found = kNone;
  for (std::uint32_t at = 0; at < slots_.size(); ++at) {
    const Slot& slot = slots_[at];
    if (slot.node == nullptr || slot.key != key || (found != kNone && slots_[found].filed < slot.filed)) continue;
    if (matches(slot.node)) found = at;
  }
  return found;
}

template <typename Match>
ProtocolNode* ChildList::findFirst(std::uint32_t key, Match matches) const {
  if (single_ != nullptr) return keyOf(single_) == key && matches(single_) ? single_ : nullptr;
  const std::uint32_t at = firstSlot(key, matches);
  return at == kNone ? nullptr : slots_[at].node;
}

}  // namespace brivane
