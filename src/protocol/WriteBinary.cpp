#include <algorithm>
#include <limits>

#include "protocol/BinaryLayout.h"
#include "protocol/ByteStream.h"
#include "protocol/ProtocolNode.h"
#include "protocol/TreeLimits.h"

namespace brivane {
namespace {

void writeWord(ByteSink& stream, std::uint32_t value) {
  const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                 static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
  stream.write(bytes, sizeof bytes);
}

void writeBlock(ByteSink& stream, const void* bytes, std::uint32_t count) {
  writeWord(stream, bytes != nullptr ? count : 0);
  if (bytes != nullptr) stream.write(bytes, count);
}

std::uint32_t byteCount(const std::wstring& text) { return static_cast<std::uint32_t>(text.size() * sizeof(wchar_t)); }

}  // namespace

void ProtocolNode::writeBinary(ByteSink& stream, ValueKind kind) { writeRecord(stream, kind, 0); }

void ProtocolNode::writeRecord(ByteSink& stream, ValueKind kind, int depth) {
  if (flags_ & NodeFlag::NotSerialized) return;
  const auto code = static_cast<std::uint8_t>(kind);
  stream.write(&code, 1);
  if (writtenLayout(code) != RecordLayout::KindOnly) {
    writeBlock(stream, name_.data(), byteCount(name_));
    writeValue(stream, kind);
  }
  writeChildren(stream, depth);
}

void ProtocolNode::writeValue(ByteSink& stream, ValueKind kind) {
  switch (writtenLayout(static_cast<std::uint8_t>(kind))) {
    case RecordLayout::Text: {
      const std::wstring text = getString();
      writeBlock(stream, text.data(), byteCount(text));
      break;
    }
    case RecordLayout::Word:
      writeWord(stream, static_cast<std::uint32_t>(getInt()));
      break;
    case RecordLayout::Block:
    case RecordLayout::IgnoredBlock: {
      const auto [bytes, length] = getRaw();
      writeBlock(stream, bytes, length);
      break;
    }
    default:
      break;
  }
}

// The count has two bytes, so a node writes at most 65535 children and the stream stays readable; below
// the depth bound it writes none.
void ProtocolNode::writeChildren(ByteSink& stream, int depth) {
  std::size_t written = 0;
  if (depth < kMaxTreeDepth) {
    for (const ProtocolNode* child : children_) {
      if (!(child->flags_ & NodeFlag::NotSerialized)) ++written;
    }
  }
  const auto count = static_cast<std::uint16_t>(std::min<std::size_t>(written, std::numeric_limits<std::uint16_t>::max()));
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8)};
  stream.write(bytes, sizeof bytes);
  std::size_t left = count;
  for (auto it = children_.begin(); left != 0 && it != children_.end(); ++it) {
    ProtocolNode* child = *it;
    if (child->flags_ & NodeFlag::NotSerialized) continue;
    child->writeRecord(stream, child->kind_, depth + 1);
    --left;
  }
}

}  // namespace brivane
