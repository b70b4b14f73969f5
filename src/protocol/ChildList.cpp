#include "protocol/ChildList.h"

#include <algorithm>

#include "protocol/ProtocolNode.h"

namespace brivane {

std::uint32_t ChildList::keyOf(const ProtocolNode* child) const { return child->nameHash(); }

void ChildList::append(ProtocolNode* child) {
  if (slots_.empty()) {
    if (single_ == nullptr) {
      single_ = child;
      count_ = 1;
      filings_ = 1;
      return;
    }
    spreadIntoArray();
  }
  const auto at = static_cast<std::uint32_t>(slots_.size());
  slots_.push_back(Slot{child, 0, kNone, 0});
  ++count_;
  file(at, keyOf(child));
  if (!index_ && slots_.size() > kIndexFrom) buildIndex();
}

void ChildList::remove(const ProtocolNode* child) {
  if (single_ != nullptr) {
    if (single_ == child) {
      single_ = nullptr;
      count_ = 0;
    }
    return;
  }
  const std::uint32_t at = slotOf(child, keyOf(child));
  if (at == kNone) return;
  if (index_) unlink(at);
  slots_[at].node = nullptr;
  --count_;
  if (slots_.size() - count_ > count_) closeUp();
}

// A single child is always the last filed, renamed or not.
void ChildList::refile(const ProtocolNode* child, std::uint32_t oldKey) {
  if (single_ != nullptr) return;
  const std::uint32_t at = firstSlot(oldKey, [child](const ProtocolNode* node) { return node == child; });
  if (at == kNone) return;
  if (index_) unlink(at);
  file(at, keyOf(child));
}

void ChildList::moveAllTo(std::vector<ProtocolNode*>& out) {
  forEach([&out](ProtocolNode* child) { out.push_back(child); });
  single_ = nullptr;
  slots_ = {};
  index_.reset();
  count_ = 0;
}

std::uint32_t ChildList::slotOf(const ProtocolNode* child, std::uint32_t key) const {
  const std::uint32_t at = firstSlot(key, [child](const ProtocolNode* node) { return node == child; });
  if (at != kNone) return at;
  for (std::uint32_t i = 0; i < slots_.size(); ++i) {
    if (slots_[i].node == child) return i;
  }
  return kNone;
}

void ChildList::file(std::uint32_t at, std::uint32_t key) {
  if (filings_ == kNone) renumberFilings();
  slots_[at].key = key;
  slots_[at].filed = filings_++;
  if (index_) link(at);
}

// Appends the entry at the end of its bucket's chain.
void ChildList::link(std::uint32_t at) {
  Chain& chain = (*index_)[slots_[at].key % kBucketCount];
  slots_[at].next = kNone;
  if (chain.last == kNone) {
    chain.first = at;
  } else {
    slots_[chain.last].next = at;
  }
  chain.last = at;
}

void ChildList::unlink(std::uint32_t at) {
  Chain& chain = (*index_)[slots_[at].key % kBucketCount];
  std::uint32_t before = kNone;
  for (std::uint32_t entry = chain.first; entry != kNone; before = entry, entry = slots_[entry].next) {
    if (entry != at) continue;
    (before == kNone ? chain.first : slots_[before].next) = slots_[at].next;
    if (chain.last == at) chain.last = before;
    slots_[at].next = kNone;
    return;
  }
}

// The children's positions, earliest filed first.
std::vector<std::uint32_t> ChildList::inFilingOrder() const {
  std::vector<std::uint32_t> live;
  live.reserve(count_);
  for (std::uint32_t at = 0; at < slots_.size(); ++at) {
    if (slots_[at].node != nullptr) live.push_back(at);
  }
  std::sort(live.begin(), live.end(),
            [this](std::uint32_t a, std::uint32_t b) { return slots_[a].filed < slots_[b].filed; });
  return live;
}

// The chains are laid in filing order, which is not the list order once a child has been refiled.
void ChildList::buildIndex() {
  index_ = std::make_unique<Index>();
  for (std::uint32_t at : inFilingOrder()) link(at);
}

// Filing numbers run out after four billion filings in one list; they are then given anew, in order.
void ChildList::renumberFilings() {
  filings_ = 0;
  for (std::uint32_t at : inFilingOrder()) slots_[at].filed = filings_++;
}

// Drops the holes; the chains hold only children, so they keep their order with their links renumbered.
void ChildList::closeUp() {
  std::vector<std::uint32_t> moved(slots_.size(), kNone);
  std::vector<Slot> kept;
  kept.reserve(count_);
  for (std::uint32_t at = 0; at < slots_.size(); ++at) {
    if (slots_[at].node == nullptr) continue;
    moved[at] = static_cast<std::uint32_t>(kept.size());
    kept.push_back(slots_[at]);
  }
  const auto renumber = [&moved](std::uint32_t& link) {
    if (link != kNone) link = moved[link];
  };
  for (Slot& slot : kept) renumber(slot.next);
  if (index_) {
    for (Chain& chain : *index_) {
      renumber(chain.first);
      renumber(chain.last);
    }
  }
  slots_ = std::move(kept);
  // An emptied list starts again as one without an array.
  if (slots_.empty()) index_.reset();
}

// Lists that take a second child mostly stop at four.
void ChildList::spreadIntoArray() {
  slots_.reserve(kSecondStep);
  slots_.push_back(Slot{single_, keyOf(single_), kNone, filings_ - 1});
  single_ = nullptr;
}

}  // namespace brivane
