#include "protocol/ChildList.h"

#include <algorithm>

#include "protocol/ProtocolNode.h"

namespace brivane {

std::uint32_t ChildList::keyOf(const ProtocolNode* child) const { return child->nameHash(); }

void ChildList::append(ProtocolNode* child) {
  nodes_.push_back(child);
  if (!buckets_) buckets_ = std::make_unique<Buckets>();
  const std::uint32_t key = keyOf(child);
  std::unique_ptr<Bucket>& bucket = (*buckets_)[key % kBucketCount];
  if (!bucket) bucket = std::make_unique<Bucket>();
  bucket->push_back(Entry{std::prev(nodes_.end()), key});
}

void ChildList::remove(const ProtocolNode* child) {
  const std::uint32_t key = keyOf(child);
  if (Bucket* bucket = bucketOf(key)) {
    auto entry = entryOf(*bucket, child, key);
    if (entry != bucket->end()) {
      nodes_.erase(entry->position);
      bucket->erase(entry);
      return;
    }
  }
  auto position = std::find(nodes_.begin(), nodes_.end(), child);
  if (position != nodes_.end()) nodes_.erase(position);
}

void ChildList::refile(const ProtocolNode* child, std::uint32_t oldKey) {
  Bucket* from = bucketOf(oldKey);
  if (from == nullptr) return;
  auto entry = entryOf(*from, child, oldKey);
  if (entry == from->end()) return;
  const std::uint32_t key = keyOf(child);
  entry->key = key;
  std::unique_ptr<Bucket>& to = (*buckets_)[key % kBucketCount];
  if (!to) to = std::make_unique<Bucket>();
  to->splice(to->end(), *from, entry);
}

ChildList::Nodes ChildList::takeAll() {
  Nodes taken;
  taken.swap(nodes_);
  buckets_.reset();
  return taken;
}

ChildList::Bucket* ChildList::bucketOf(std::uint32_t key) const {
  return buckets_ ? (*buckets_)[key % kBucketCount].get() : nullptr;
}

ChildList::Bucket::iterator ChildList::entryOf(Bucket& bucket, const ProtocolNode* child, std::uint32_t key) {
  return std::find_if(bucket.begin(), bucket.end(),
                      [&](const Entry& entry) { return entry.key == key && *entry.position == child; });
}

}  // namespace brivane
