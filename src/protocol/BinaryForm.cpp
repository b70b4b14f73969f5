#include "protocol/BinaryForm.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <limits>
#include <memory>

#include "protocol/ByteStream.h"
#include "protocol/ProtocolNode.h"
#include "protocol/TreeLimits.h"
#include "support/Utf16.h"

namespace brivane {
namespace {

using enum RecordLayout;

// Indexed by kind code: None, String, UInt32, Int32, Binary, Timestamp, 6, 7, Borrowed, SerializedTree,
// EmbeddedTree. An embedded tree is written as its binary form, which the reader does not take back.
constexpr RecordLayout kWritten[] = {NameOnly, Text, Word, Word, Block, Block, KindOnly, KindOnly, Block, Block, Block};
constexpr RecordLayout kRead[] = {NameOnly, Text, Word, Word, Block, Block, KindOnly, KindOnly, IgnoredBlock, Block};

}  // namespace

RecordLayout writtenLayout(std::uint8_t kindCode) {
  return kindCode < std::size(kWritten) ? kWritten[kindCode] : KindOnly;
}

RecordLayout readLayout(std::uint8_t kindCode) { return kindCode < std::size(kRead) ? kRead[kindCode] : KindOnly; }

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

// A name or text: its byte count, then its code units.
void writeUnits(ByteSink& stream, std::wstring_view text) {
  writeWord(stream, static_cast<std::uint32_t>(text.size() * kUnitBytes));
  forEachUnitBlock(text, [&stream](const std::uint8_t* bytes, std::size_t count) { stream.write(bytes, count); });
}

}  // namespace

void ProtocolNode::writeBinary(ByteSink& stream, ValueKind kind) { writeRecord(stream, kind, 0); }

void ProtocolNode::writeRecord(ByteSink& stream, ValueKind kind, int depth) {
  if (flags_ & NodeFlag::NotSerialized) return;
  const auto code = static_cast<std::uint8_t>(kind);
  stream.write(&code, 1);
  if (writtenLayout(code) != RecordLayout::KindOnly) {
    writeUnits(stream, name_.view());
    writeValue(stream, kind);
  }
  writeChildren(stream, depth);
}

void ProtocolNode::writeValue(ByteSink& stream, ValueKind kind) {
  switch (writtenLayout(static_cast<std::uint8_t>(kind))) {
    case RecordLayout::Text:
      writeUnits(stream, getString());
      break;
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
    children_.forEach([&](const ProtocolNode* child) {
      if (!(child->flags_ & NodeFlag::NotSerialized)) ++written;
    });
  }
  const auto count = static_cast<std::uint16_t>(std::min<std::size_t>(written, std::numeric_limits<std::uint16_t>::max()));
  const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8)};
  stream.write(bytes, sizeof bytes);
  std::size_t left = count;
  children_.forEach([&](ProtocolNode* child) {
    if (left == 0 || (child->flags_ & NodeFlag::NotSerialized)) return;
    child->writeRecord(stream, child->kind_, depth + 1);
    --left;
  });
}

namespace {

// A record's kind, name and value, read in full before any of it reaches a node.
struct Header {
  ValueKind kind = ValueKind::None;
  std::wstring name;
  ValueBytes value;
  std::uint32_t length = 0;
};

bool readWord(ByteSource& stream, std::uint32_t& value) {
  std::uint8_t bytes[4];
  if (!stream.read(bytes, sizeof bytes)) return false;
  value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  return true;
}

// Reads a byte count and checks it against what is left, before anything is allocated for it.
bool readCount(ByteSource& stream, std::uint32_t& count) { return readWord(stream, count) && count <= stream.remaining(); }

// The code units of a field of `count` bytes, an odd last byte being the low half of a final one; in 64
// bits, which the largest count needs.
std::uint64_t unitsIn(std::uint32_t count) { return (std::uint64_t{count} + 1) / 2; }

// A node keeps no more units than a 32-bit byte count, which the binary form writes them back with, can
// hold. Checked before anything is allocated for them.
bool fitsByteCount(std::uint64_t units) { return units * kUnitBytes <= std::numeric_limits<std::uint32_t>::max(); }

// The code units up to the first NUL.
bool readName(ByteSource& stream, std::wstring& name) {
  std::uint32_t count;
  if (!readCount(stream, count) || !fitsByteCount(unitsIn(count))) return false;
  name = unitsUpToNul(stream.take(count), count);
  return true;
}

// The code units up to the first NUL, kept with one NUL as a String value; the bytes after it are wiped.
bool readText(ByteSource& stream, Header& header) {
  std::uint32_t count;
  if (!readCount(stream, count)) return false;
  const std::uint64_t units = unitsIn(count) + 1;
  if (!fitsByteCount(units)) return false;
  ValueBytes value(units * kUnitBytes);
  std::memset(value.data(), 0, value.size());
  if (!stream.read(value.data(), count)) return false;
  std::size_t length = 0;
  while (value.data()[length] != 0 || value.data()[length + 1] != 0) length += 2;
  length += 2;
  std::memset(value.data() + length, 0, value.size() - length);
  header.length = static_cast<std::uint32_t>(length);
  header.value = std::move(value);
  return true;
}

bool readBlock(ByteSource& stream, Header& header, std::uint32_t count) {
  ValueBytes value(count);
  if (!stream.read(value.data(), count)) return false;
  header.length = count;
  header.value = std::move(value);
  return true;
}

bool readValue(ByteSource& stream, RecordLayout layout, Header& header) {
  std::uint32_t count;
  switch (layout) {
    case RecordLayout::NameOnly:
      return true;
    case RecordLayout::Text:
      return readText(stream, header);
    case RecordLayout::Word:
      return readBlock(stream, header, 4);
    case RecordLayout::Block:
      return readCount(stream, count) && readBlock(stream, header, count);
    case RecordLayout::IgnoredBlock:
      return readCount(stream, count) && stream.skip(count);
    default:
      return false;
  }
}

bool readHeader(ByteSource& stream, Header& header) {
  std::uint8_t code;
  if (!stream.read(&code, 1)) return false;
  const RecordLayout layout = readLayout(code);
  if (layout == RecordLayout::KindOnly) return false;
  header.kind = static_cast<ValueKind>(code);
  return readName(stream, header.name) && readValue(stream, layout, header);
}

}  // namespace

bool ProtocolNode::readBinary(ByteSource& stream) {
  clear();
  setName(std::wstring());
  return readRecord(stream, 0);
}

bool ProtocolNode::readRecord(ByteSource& stream, int depth) {
  Header header;
  if (!readHeader(stream, header)) return false;
  setName(header.name);
  adopt(header.kind, std::move(header.value), header.length);
  return readChildren(stream, depth);
}

bool ProtocolNode::readChildren(ByteSource& stream, int depth) {
  std::uint8_t bytes[2];
  if (!stream.read(bytes, sizeof bytes)) return false;
  const std::uint32_t count = bytes[0] | bytes[1] << 8;
  if (count != 0 && depth >= kMaxTreeDepth) return false;
  for (std::uint32_t i = 0; i < count; ++i) {
    auto child = std::make_unique<ProtocolNode>();
    if (!child->readRecord(stream, depth + 1)) return false;
    attach(child.release());
  }
  return true;
}

}  // namespace brivane
