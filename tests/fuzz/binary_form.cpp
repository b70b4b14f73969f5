// The binary form read from any bytes, written back, read and written again: the second reading must
// take the whole of the first writing and give it back unchanged. Every value is read as a text and a
// number, and the tree is rendered.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzCheck.h"
#include "protocol/ByteStream.h"
#include "protocol/ProtocolNode.h"

namespace {

using brivane::fuzz::check;
using Bytes = std::vector<std::uint8_t>;

Bytes written(brivane::ProtocolNode& node) {
  brivane::ByteSink sink;
  node.writeBinary(sink, node.kind());
  return Bytes(sink.data(), sink.data() + sink.size());
}

void readValues(brivane::ProtocolNode& node) {
  node.getString();
  node.getInt();
  node.forEachChild([](brivane::ProtocolNode& child) { readValues(child); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  brivane::ProtocolNode node;
  brivane::ByteSource source(data, size);
  node.readBinary(source);
  const Bytes first = written(node);

  brivane::ProtocolNode again;
  brivane::ByteSource reread(first.data(), first.size());
  check(again.readBinary(reread) && reread.remaining() == 0, "what was written does not read back whole");
  check(written(again) == first, "what was written changes when read back and written again");

  readValues(node);
  check(brivane::fuzz::wideText(node) == brivane::fuzz::wideText(again),
        "the tree read back renders otherwise than the tree it was written from");
  brivane::fuzz::renderedText(again);
  return 0;
}
