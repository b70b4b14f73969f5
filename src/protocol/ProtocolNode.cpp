#include "protocol/ProtocolNode.h"

#include "protocol/NameHash.h"

namespace brivane {

ProtocolNode::ProtocolNode() : nameHash_(nameHashOf(std::wstring_view())) {}

ProtocolNode::ProtocolNode(ProtocolNode* parent) : ProtocolNode() {
  if (parent != nullptr) parent->attach(this);
}

ProtocolNode::ProtocolNode(const std::wstring& name, const std::wstring& value)
    : name_(name), nameHash_(nameHashOf(name)) {
  if (!value.empty()) setString(value);
}

ProtocolNode::~ProtocolNode() {
  if (parent_ != nullptr) parent_->children_.remove(this);
  clear();
}

void ProtocolNode::clear() {
  releaseValue();
  kind_ = ValueKind::None;
  flags_ |= NodeFlag::Changed;
  destroyChildren();
}

void ProtocolNode::attach(ProtocolNode* child) {
  child->parent_ = this;
  children_.append(child);
}

void ProtocolNode::destroyChildren() {
  std::vector<ProtocolNode*> children;
  children.reserve(children_.size());
  for (ProtocolNode* child : children_.takeAll()) children.push_back(child);
  destroyTrees(std::move(children));
}

// Destroys detached subtrees without recursion: every node is emptied of its children and embedded tree
// before it is deleted, so no destructor searches a parent's index or descends further.
void ProtocolNode::destroyTrees(std::vector<ProtocolNode*> pending) {
  while (!pending.empty()) {
    ProtocolNode* node = pending.back();
    pending.pop_back();
    if (node == nullptr) continue;
    node->parent_ = nullptr;
    for (ProtocolNode* child : node->children_.takeAll()) pending.push_back(child);
    if (node->kind_ == ValueKind::EmbeddedTree) {
      pending.push_back(reinterpret_cast<ProtocolNode*>(node->data_));
      node->data_ = nullptr;
      node->kind_ = ValueKind::None;
    }
    delete node;
  }
}

ProtocolNode* ProtocolNode::addChild(ProtocolNode* parent, const std::wstring& name) {
  if (parent == nullptr) return nullptr;
  auto* child = new ProtocolNode;
  child->name_ = name;
  child->nameHash_ = nameHashOf(name);
  child->flags_ = (child->flags_ & ~NodeFlag::Fresh) | NodeFlag::Changed |
                  (parent->flags_ & (NodeFlag::Inherited | NodeFlag::NotSerialized));
  parent->attach(child);
  return child;
}

void ProtocolNode::setName(const std::wstring& name) {
  const std::uint32_t oldHash = nameHash_;
  name_ = name;
  nameHash_ = nameHashOf(name_);
  if (parent_ != nullptr && nameHash_ != oldHash) parent_->children_.refile(this, oldHash);
  flags_ |= NodeFlag::Changed;
}

std::wstring ProtocolNode::getName() const { return name_; }
ValueKind ProtocolNode::kind() const { return kind_; }
std::uint16_t ProtocolNode::flags() const { return flags_; }
void ProtocolNode::setFlags(std::uint16_t flags) { flags_ = flags; }
std::uint32_t ProtocolNode::nameHash() const { return nameHash_; }
std::uint32_t ProtocolNode::dataLength() const { return dataLength_; }
ProtocolNode* ProtocolNode::parent() const { return parent_; }
std::size_t ProtocolNode::childCount() const { return children_.size(); }

}  // namespace brivane
