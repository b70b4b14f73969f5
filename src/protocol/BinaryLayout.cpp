#include "protocol/BinaryLayout.h"

#include <iterator>

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

}  // namespace brivane
