#include "protocol/ProtocolNode.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "protocol/ByteStream.h"
#include "protocol/NameHash.h"
#include "protocol/Timestamp.h"
#include "support/Utf16.h"

namespace brivane {

namespace {

// Computed when the module loads, not at first use: a guarded local static would go through the thread
// library's once-only call, which takes a TLS slot that a module loaded and freed again never returns.
const std::uint32_t kEmptyNameHash = nameHashOf(std::wstring_view());

}  // namespace

ProtocolNode::ProtocolNode() : nameHash_(kEmptyNameHash) {}

ProtocolNode::ProtocolNode(ProtocolNode* parent) : ProtocolNode() {
  if (parent != nullptr) parent->attach(this);
}

ProtocolNode::ProtocolNode(std::wstring_view name, std::wstring_view value) : nameHash_(nameHashOf(name)) {
  name_.assign(name);
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
  if (children_.empty()) return;
  std::vector<ProtocolNode*> children;
  children_.moveAllTo(children);
  destroyTrees(std::move(children));
}

// Destroys detached subtrees without recursion: every node is emptied of its children and embedded tree
// before it is deleted, so no destructor searches a parent's index or descends further. Nodes go in the
// order a tree is built, each before its children and the first child first, which the heap frees several
// times faster than any other order.
void ProtocolNode::destroyTrees(std::vector<ProtocolNode*> pending) {
  std::reverse(pending.begin(), pending.end());
  while (!pending.empty()) {
    ProtocolNode* node = pending.back();
    pending.pop_back();
    if (node == nullptr) continue;
    node->parent_ = nullptr;
    const std::size_t children = pending.size();
    node->children_.moveAllTo(pending);
    std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(children), pending.end());
    if (node->kind_ == ValueKind::EmbeddedTree) {
      pending.push_back(reinterpret_cast<ProtocolNode*>(node->data_));
      node->data_ = nullptr;
      node->kind_ = ValueKind::None;
    }
    delete node;
  }
}

ProtocolNode* ProtocolNode::addChild(ProtocolNode* parent, std::wstring_view name) {
  if (parent == nullptr) return nullptr;
  auto* child = new ProtocolNode;
  child->name_.assign(name);
  child->nameHash_ = nameHashOf(name);
  child->flags_ = (child->flags_ & ~NodeFlag::Fresh) | NodeFlag::Changed |
                  (parent->flags_ & (NodeFlag::Inherited | NodeFlag::NotSerialized));
  parent->attach(child);
  return child;
}

void ProtocolNode::setName(std::wstring_view name) {
  const std::uint32_t oldHash = nameHash_;
  name_.assign(name);
  nameHash_ = nameHashOf(name_.view());
  if (parent_ != nullptr && nameHash_ != oldHash) parent_->children_.refile(this, oldHash);
  flags_ |= NodeFlag::Changed;
}

std::wstring ProtocolNode::getName() const { return std::wstring(name_.view()); }
std::wstring_view ProtocolNode::nameView() const { return name_.view(); }
ValueKind ProtocolNode::kind() const { return kind_; }
std::uint16_t ProtocolNode::flags() const { return flags_; }
void ProtocolNode::setFlags(std::uint16_t flags) { flags_ = flags; }
std::uint32_t ProtocolNode::nameHash() const { return nameHash_; }
std::uint32_t ProtocolNode::dataLength() const { return dataLength_; }
ProtocolNode* ProtocolNode::parent() const { return parent_; }
std::size_t ProtocolNode::childCount() const { return children_.size(); }

void ProtocolNode::setString(std::wstring_view text) {
  const std::size_t bytes = (text.size() + 1) * kUnitBytes;
  ValueBytes value(bytes);
  storeUnits(text, value.data());
  std::memset(value.data() + bytes - kUnitBytes, 0, kUnitBytes);
  adopt(ValueKind::String, std::move(value), static_cast<std::uint32_t>(bytes));
}

void ProtocolNode::setBinary(const void* bytes, std::uint32_t count) {
  storeCopy(bytes != nullptr ? ValueKind::Binary : ValueKind::None, bytes, count);
}

void ProtocolNode::setValue(ValueKind kind, const void* bytes, std::uint32_t count) {
  if (kind == ValueKind::Borrowed) {
    releaseValue();
    kind_ = ValueKind::Borrowed;
    data_ = static_cast<std::uint8_t*>(const_cast<void*>(bytes));
    dataLength_ = bytes != nullptr ? count : 0;
    flags_ |= NodeFlag::Changed;
    return;
  }
  storeCopy(kind == ValueKind::EmbeddedTree ? ValueKind::SerializedTree : kind, bytes, count);
}

void ProtocolNode::setEmbeddedTree(ProtocolNode* tree) {
  if (tree != nullptr && tree->parent_ != nullptr) {
    tree->parent_->children_.remove(tree);
    tree->parent_ = nullptr;
  }
  releaseValue();
  kind_ = tree != nullptr ? ValueKind::EmbeddedTree : ValueKind::None;
  data_ = reinterpret_cast<std::uint8_t*>(tree);
  flags_ |= NodeFlag::Changed;
}

// Copies first and releases the old value afterwards, so a node may be given its own bytes.
void ProtocolNode::storeCopy(ValueKind kind, const void* bytes, std::uint32_t count) {
  ValueBytes value(count);
  if (count != 0) {
    if (bytes != nullptr) {
      std::memcpy(value.data(), bytes, count);
    } else {
      std::memset(value.data(), 0, count);
    }
  }
  adopt(kind, std::move(value), count);
}

void ProtocolNode::adopt(ValueKind kind, ValueBytes bytes, std::uint32_t length) {
  releaseValue();
  kind_ = kind;
  data_ = bytes.release();
  dataLength_ = data_ != nullptr ? length : 0;
  flags_ |= NodeFlag::Changed;
}

void ProtocolNode::releaseValue() {
  if (kind_ == ValueKind::EmbeddedTree) {
    destroyTrees({reinterpret_cast<ProtocolNode*>(data_)});
  } else if (kind_ != ValueKind::Borrowed) {
    releaseValueBuffer(data_, dataLength_);
  }
  data_ = nullptr;
  dataLength_ = 0;
}

std::pair<const std::uint8_t*, std::uint32_t> ProtocolNode::getRaw() {
  if (kind_ == ValueKind::Borrowed) return {nullptr, 0};
  if (kind_ == ValueKind::EmbeddedTree) serializeEmbeddedTree();
  return {data_, dataLength_};
}

// The embedded node becomes its binary form, and the buffer it was written into becomes the value.
void ProtocolNode::serializeEmbeddedTree() {
  auto* tree = reinterpret_cast<ProtocolNode*>(data_);
  ByteSink sink;
  if (tree != nullptr) tree->writeBinary(sink, tree->kind_);
  destroyTrees({tree});
  const auto length = static_cast<std::uint32_t>(sink.size());
  data_ = sink.take();
  dataLength_ = data_ != nullptr ? length : 0;
  kind_ = ValueKind::SerializedTree;
}

namespace {

}  // namespace

std::wstring ProtocolNode::getString() {
  const auto [bytes, length] = getRaw();
  if (bytes == nullptr || length == 0) return {};
  switch (kind_) {
    case ValueKind::String:
    case ValueKind::Binary:
      return unitsUpToNul(bytes, length);
    case ValueKind::UInt32:
      return std::to_wstring(static_cast<std::uint32_t>(getInt()));
    case ValueKind::Int32:
      return std::to_wstring(getInt());
    case ValueKind::Timestamp: {
      std::uint8_t stamp[8];
      return getTimestamp(stamp) ? formatTimestamp(stamp) : std::wstring();
    }
    default:
      return {};
  }
}

// Up to four value bytes, little-endian; a shorter value is zero-extended and never read past.
std::int32_t ProtocolNode::getInt() {
  switch (kind_) {
    case ValueKind::None:
    case ValueKind::Timestamp:
    case ValueKind::SerializedTree:
    case ValueKind::EmbeddedTree:
      return 0;
    case ValueKind::String:
      return static_cast<std::int32_t>(std::wcstol(getString().c_str(), nullptr, 10));
    default:
      break;
  }
  if (data_ == nullptr) return 0;
  std::uint32_t value = 0;
  const std::uint32_t count = std::min<std::uint32_t>(dataLength_, 4);
  for (std::uint32_t i = 0; i < count; ++i) value |= static_cast<std::uint32_t>(data_[i]) << (8 * i);
  return static_cast<std::int32_t>(value);
}

bool ProtocolNode::getTimestamp(std::uint8_t out[8]) const {
  if (kind_ != ValueKind::Timestamp || data_ == nullptr || dataLength_ != 8) return false;
  std::memcpy(out, data_, 8);
  return true;
}

ProtocolNode* ProtocolNode::findChild(std::wstring_view name, std::uint32_t hash) {
  flags_ &= ~NodeFlag::Walked;
  return children_.findFirst(hash, [name](const ProtocolNode* child) { return child->name_.view() == name; });
}

// Segments are the texts between dots; a trailing dot ends the path without adding an empty segment,
// so "a..b" passes through a child with the empty name and "" names that child itself.
ProtocolNode* ProtocolNode::findPath(std::wstring_view path, bool create) {
  const std::size_t end = !path.empty() && path.back() == L'.' ? path.size() - 1 : path.size();
  ProtocolNode* current = this;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = path.find(L'.', start);
    const std::size_t stop = dot < end ? dot : end;
    const std::wstring_view segment = path.substr(start, stop - start);
    const std::uint32_t hash = nameHashOf(segment);
    ProtocolNode* match = current->findChild(segment, hash);
    if (match == nullptr) {
      if (!create) return nullptr;
      match = new ProtocolNode;
      match->name_.assign(segment);
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
