#pragma once
// The binary form of a tree, as the core library stores it: the layout of its records by kind, and
// (in BinaryForm.cpp) ProtocolNode::writeBinary and ProtocolNode::readBinary, which write and read it.
#include <cstdint>

namespace brivane {

// What follows the kind byte of a record in the binary form, by kind code.
enum class RecordLayout : std::uint8_t {
  KindOnly,      // no name and no value; writing goes on with the children, reading stops
  NameOnly,      // the name
  Text,          // the name, a 4-byte byte count and the code units without terminator
  Word,          // the name and 4 bytes
  Block,         // the name, a 4-byte length and that many bytes
  IgnoredBlock,  // as Block, but the bytes were never the node's own and are not kept when read
};

RecordLayout writtenLayout(std::uint8_t kindCode);
RecordLayout readLayout(std::uint8_t kindCode);

}  // namespace brivane
