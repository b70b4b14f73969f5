#include "protocol/NameHash.h"
#include "protocol/ProtocolNode.h"

namespace brivane {

ProtocolNode* ProtocolNode::findChild(std::wstring_view name, std::uint32_t hash) {
  flags_ &= ~NodeFlag::Walked;
  return children_.findFirst(hash, [name](const ProtocolNode* child) { return child->name_ == name; });
}

// Segments are the texts between dots; a trailing dot ends the path without adding an empty segment,
// so "a..b" passes through a child with the empty name and "" names that child itself.
ProtocolNode* ProtocolNode::findPath(const std::wstring& path, bool create) {
  const std::wstring_view whole(path);
  const std::size_t end = !whole.empty() && whole.back() == L'.' ? whole.size() - 1 : whole.size();
  ProtocolNode* current = this;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = whole.find(L'.', start);
    const std::size_t stop = dot < end ? dot : end;
    const std::wstring_view segment = whole.substr(start, stop - start);
    const std::uint32_t hash = nameHashOf(segment);
    ProtocolNode* match = current->findChild(segment, hash);
    if (match == nullptr) {
      if (!create) return nullptr;
      match = new ProtocolNode;
      match->name_ = segment;
      match->nameHash_ = hash;
      match->flags_ |= NodeFlag::Changed | (current->flags_ & (NodeFlag::Inherited | NodeFlag::NotSerialized));
      current->attach(match);
    }
    current = match;
    if (stop == end) return current;
    start = stop + 1;
  }
}

}  // namespace brivane
