#include <windows.h>

#include <cwchar>
#include <memory>

#include "protocol/BinaryLayout.h"
#include "protocol/ByteStream.h"
#include "protocol/ProtocolNode.h"
#include "protocol/TreeLimits.h"

namespace brivane {
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

bool readName(ByteSource& stream, std::wstring& name) {
  std::uint32_t count;
  if (!readCount(stream, count)) return false;
  name.assign((count + 1) / 2, L'\0');
  if (!stream.read(name.data(), count)) return false;
  name.resize(std::wcslen(name.c_str()));
  return true;
}

// The code units up to the first NUL, kept with one NUL as a String value; the bytes after it are wiped.
bool readText(ByteSource& stream, Header& header) {
  std::uint32_t count;
  if (!readCount(stream, count)) return false;
  const std::size_t units = (count + 1) / 2 + 1;
  ValueBytes value(units * sizeof(wchar_t));
  SecureZeroMemory(value.data(), value.size());
  if (!stream.read(value.data(), count)) return false;
  std::size_t length = 0;
  while (value.data()[length] != 0 || value.data()[length + 1] != 0) length += 2;
  length += 2;
  SecureZeroMemory(value.data() + length, value.size() - length);
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
