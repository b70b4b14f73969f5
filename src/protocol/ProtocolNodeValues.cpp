#include <cstring>

#include "protocol/ByteStream.h"
#include "protocol/ProtocolNode.h"

namespace brivane {

void ProtocolNode::setString(const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  ValueBytes value(bytes);
  std::memcpy(value.data(), text.c_str(), bytes);
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

}  // namespace brivane
