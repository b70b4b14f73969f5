#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "protocol/ByteStream.h"
#include "protocol/ProtocolNode.h"
#include "protocol/TreeLimits.h"
#include "support/Utf16.h"

namespace brivane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes serialize(ProtocolNode& node) {
  ByteSink sink;
  node.writeBinary(sink, node.kind());
  return Bytes(sink.data(), sink.data() + sink.size());
}

bool parse(const Bytes& bytes, ProtocolNode& node) {
  // A buffer of exactly the stream's size, so a read past the end would leave it.
  auto* exact = new std::uint8_t[bytes.size() + 1];
  std::copy(bytes.begin(), bytes.end(), exact);
  ByteSource source(exact, bytes.size());
  const bool complete = node.readBinary(source);
  delete[] exact;
  return complete;
}

// Name, kind, value bytes and children, recursively, as one comparable text.
std::string describe(ProtocolNode& node) {
  std::string text = "<";
  for (wchar_t c : node.getName()) {
    text += std::to_string(static_cast<unsigned>(c));
    text += ',';
  }
  text += ':';
  text += std::to_string(static_cast<unsigned>(node.kind()));
  text += ':';
  const auto [bytes, length] = node.getRaw();
  char hex[4];
  for (std::uint32_t i = 0; bytes != nullptr && i < length; ++i) {
    std::snprintf(hex, sizeof hex, "%02x", bytes[i]);
    text += hex;
  }
  node.forEachChild([&](ProtocolNode& child) { text += describe(child); });
  return text + ">";
}

std::vector<std::string> describeChildren(ProtocolNode& node) {
  std::vector<std::string> children;
  node.forEachChild([&](ProtocolNode& child) { children.push_back(describe(child)); });
  return children;
}

void addWord(ProtocolNode& parent, const wchar_t* name, ValueKind kind, std::uint32_t word) {
  ProtocolNode::addChild(&parent, name)->setValue(kind, &word, sizeof word);
}

// Every kind the reader takes back, nested, with a subtree left out of the binary form when asked.
void buildRich(ProtocolNode& root, bool withHidden) {
  static const std::uint8_t borrowed[3] = {7, 7, 7};
  root.setName(L"root");
  ProtocolNode::addChild(&root, L"s")->setString(L"hello");
  ProtocolNode::addChild(&root, L"empty")->setString(L"");
  addWord(root, L"u", ValueKind::UInt32, 0xFFFFFFFF);
  addWord(root, L"i", ValueKind::Int32, static_cast<std::uint32_t>(-5));
  const std::uint8_t binary[] = {0, 1, 2, 0xFF};
  ProtocolNode::addChild(&root, L"b")->setBinary(binary, sizeof binary);
  const std::uint8_t stamp[8] = {1, 2, 3, 4, 5, 6, 7, 1};
  ProtocolNode::addChild(&root, L"t")->setValue(ValueKind::Timestamp, stamp, sizeof stamp);
  ProtocolNode::addChild(&root, L"borrowed")->setValue(ValueKind::Borrowed, withHidden ? borrowed : nullptr, 3);
  ProtocolNode::addChild(&root, L"tree")->setValue(ValueKind::SerializedTree, binary, 3);
  if (withHidden) {
    ProtocolNode* hidden = ProtocolNode::addChild(&root, L"hidden");
    hidden->setString(L"left out");
    ProtocolNode::addChild(hidden, L"below");
    hidden->setFlags(NodeFlag::NotSerialized);
  }
  ProtocolNode* deeper = root.findPath(L"nested.deep.deeper", true);
  deeper->setString(L"\u00fc\u20ac\U0001F600");
  ProtocolNode::addChild(deeper->parent(), L"sibling");
  ProtocolNode::addChild(&root, L"")->setBinary(binary, 0);
}

Bytes chain(int descendants) {
  Bytes bytes;
  for (int level = 0; level <= descendants; ++level) {
    const std::uint8_t count = level < descendants ? 1 : 0;
    bytes.insert(bytes.end(), {0x00, 0, 0, 0, 0, count, 0});
  }
  return bytes;
}

int depthOf(ProtocolNode& node) {
  int depth = 0;
  node.forEachChild([&](ProtocolNode& child) { depth = std::max(depth, 1 + depthOf(child)); });
  return depth;
}

TEST(WriteBinary, ChildlessStringNodeGivesFifteenBytes) {
  ProtocolNode node(L"a", L"b");
  EXPECT_EQ(serialize(node), (Bytes{0x01, 0x02, 0, 0, 0, 0x61, 0, 0x02, 0, 0, 0, 0x62, 0, 0, 0}));
}

TEST(WriteBinary, WritesIntegersAsFourBytesAndBlocksWithTheirLength) {
  ProtocolNode root;
  addWord(root, L"u", ValueKind::UInt32, 0x11223344);
  const std::uint8_t bytes[] = {0xAB, 0xCD};
  ProtocolNode::addChild(&root, L"x")->setBinary(bytes, 2);
  EXPECT_EQ(serialize(root), (Bytes{0x00, 0, 0, 0, 0, 0x02, 0,                                    // root, 2 children
                                    0x02, 2, 0, 0, 0, 'u', 0, 0x44, 0x33, 0x22, 0x11, 0, 0,       // u
                                    0x04, 2, 0, 0, 0, 'x', 0, 2, 0, 0, 0, 0xAB, 0xCD, 0, 0}));  // x
}

TEST(WriteBinary, LeavesOutMarkedNodesAndTheirSubtrees) {
  ProtocolNode root;
  ProtocolNode* hidden = ProtocolNode::addChild(&root, L"h");
  ProtocolNode::addChild(hidden, L"under");
  hidden->setFlags(NodeFlag::NotSerialized);
  EXPECT_EQ(serialize(root), (Bytes{0x00, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(serialize(*hidden), Bytes());
}

TEST(WriteBinary, BorrowedValueIsWrittenWithoutBytes) {
  const std::uint8_t borrowed[] = {1, 2, 3};
  ProtocolNode node;
  node.setValue(ValueKind::Borrowed, borrowed, 3);
  EXPECT_EQ(serialize(node), (Bytes{0x08, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(WriteBinary, KindsWithoutLayoutWriteOnlyTheKindAndTheChildren) {
  ProtocolNode node(L"n", L"");
  const std::uint8_t bytes[] = {1, 2};
  node.setValue(static_cast<ValueKind>(6), bytes, 2);
  ProtocolNode::addChild(&node, L"c");
  EXPECT_EQ(serialize(node), (Bytes{0x06, 1, 0, 0x00, 2, 0, 0, 0, 'c', 0, 0, 0}));
}

TEST(WriteBinary, EmbeddedTreeKeepsItsKindCodeAndWritesItsBinaryForm) {
  auto* tree = new ProtocolNode(L"a", L"b");
  ProtocolNode holder(L"h", L"");
  holder.setEmbeddedTree(tree);
  Bytes expected{0x0A, 2, 0, 0, 0, 'h', 0, 15, 0, 0, 0};
  const Bytes inner{0x01, 0x02, 0, 0, 0, 0x61, 0, 0x02, 0, 0, 0, 0x62, 0, 0, 0};
  expected.insert(expected.end(), inner.begin(), inner.end());
  expected.insert(expected.end(), {0, 0});
  EXPECT_EQ(serialize(holder), expected);
  EXPECT_EQ(holder.kind(), ValueKind::SerializedTree);
}

TEST(ReadBinary, ReadsTheFifteenByteExample) {
  ProtocolNode node;
  ASSERT_TRUE(parse(Bytes{0x01, 0x02, 0, 0, 0, 0x61, 0, 0x02, 0, 0, 0, 0x62, 0, 0, 0}, node));
  EXPECT_EQ(node.getName(), L"a");
  EXPECT_EQ(node.kind(), ValueKind::String);
  EXPECT_EQ(node.getString(), L"b");
  EXPECT_EQ(node.dataLength(), 4u);
  EXPECT_EQ(node.childCount(), 0u);
}

TEST(ReadBinary, RoundTripKeepsEveryKindAndSkipsMarkedSubtrees) {
  ProtocolNode original;
  buildRich(original, true);
  ProtocolNode expected;
  buildRich(expected, false);
  ProtocolNode copy;
  ASSERT_TRUE(parse(serialize(original), copy));
  EXPECT_EQ(describe(copy), describe(expected));
  EXPECT_EQ(copy.findPath(L"hidden", false), nullptr);
  EXPECT_EQ(copy.findPath(L"borrowed", false)->kind(), ValueKind::Borrowed);
  EXPECT_EQ(copy.findPath(L"empty", false)->dataLength(), 2u);
  EXPECT_EQ(copy.findPath(L"nested.deep.deeper", false)->getString(), L"\u00fc\u20ac\U0001F600");
  EXPECT_EQ(copy.findPath(L"i", false)->getInt(), -5);
  EXPECT_EQ(serialize(copy), serialize(expected));
}

TEST(ReadBinary, ReplacesWhatTheNodeHeld) {
  ProtocolNode node(L"old", L"value");
  ProtocolNode::addChild(&node, L"child");
  ASSERT_TRUE(parse(Bytes{0x00, 2, 0, 0, 0, 'n', 0, 0, 0}, node));
  EXPECT_EQ(node.getName(), L"n");
  EXPECT_EQ(node.kind(), ValueKind::None);
  EXPECT_EQ(node.childCount(), 0u);
}

TEST(ReadBinary, NamesAndTextsEndAtTheirFirstNul) {
  ProtocolNode node;
  ASSERT_TRUE(parse(Bytes{0x01, 3, 0, 0, 0, 'a', 0, 'b', 6, 0, 0, 0, 'x', 0, 0, 0, 'y', 0, 0, 0}, node));
  EXPECT_EQ(node.getName(), L"ab");
  EXPECT_EQ(node.getString(), L"x");
  EXPECT_EQ(node.dataLength(), 4u);
  ASSERT_TRUE(parse(Bytes{0x01, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, node));
  EXPECT_EQ(node.kind(), ValueKind::String);
  EXPECT_EQ(node.dataLength(), 2u);
}

TEST(ReadBinary, StreamCutAtAnyPointFailsAndKeepsOnlyCompleteChildren) {
  ProtocolNode original;
  buildRich(original, false);
  const Bytes full = serialize(original);
  const std::vector<std::string> children = describeChildren(original);
  for (std::size_t cut = 0; cut < full.size(); ++cut) {
    ProtocolNode node;
    ASSERT_FALSE(parse(Bytes(full.begin(), full.begin() + cut), node)) << "cut at " << cut;
    const std::vector<std::string> read = describeChildren(node);
    ASSERT_LT(read.size(), children.size()) << "cut at " << cut;
    for (std::size_t i = 0; i < read.size(); ++i) ASSERT_EQ(read[i], children[i]) << "cut at " << cut;
    if (node.kind() != ValueKind::None || !read.empty()) {
      EXPECT_EQ(node.getName(), L"root");
    }
  }
}

TEST(ReadBinary, LengthRunningPastTheEndIsRefusedBeforeAnythingIsTaken) {
  ProtocolNode node(L"before", L"");
  EXPECT_FALSE(parse(Bytes{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 0}, node));
  EXPECT_EQ(node.getName(), L"");
  EXPECT_FALSE(parse(Bytes{0x01, 2, 0, 0, 0, 'a', 0, 0x10, 0, 0, 0, 'b', 0}, node));
  EXPECT_EQ(node.getName(), L"");
  EXPECT_EQ(node.kind(), ValueKind::None);
  EXPECT_FALSE(parse(Bytes{0x04, 0, 0, 0, 0, 0xF0, 0xFF, 0xFF, 0x7F, 1, 2}, node));
  EXPECT_EQ(node.kind(), ValueKind::None);
}

TEST(ReadBinary, ChildCountLargerThanWhatFollowsKeepsTheChildrenRead) {
  ProtocolNode node;
  EXPECT_FALSE(parse(Bytes{0x00, 2, 0, 0, 0, 'r', 0, 3, 0,     // root announcing 3 children
                           0x00, 2, 0, 0, 0, 'x', 0, 0, 0,     // complete
                           0x00, 2, 0, 0, 0, 'y', 0, 0, 0},    // complete
                     node));
  EXPECT_EQ(node.getName(), L"r");
  EXPECT_EQ(node.childCount(), 2u);
  EXPECT_NE(node.findPath(L"y", false), nullptr);
}

TEST(ReadBinary, StopsAtKindsItCannotRead) {
  for (std::uint8_t code : {6, 7, 10, 11, 255}) {
    ProtocolNode node;
    EXPECT_FALSE(parse(Bytes{code, 0, 0, 0, 0, 0, 0}, node)) << int(code);
    EXPECT_EQ(node.kind(), ValueKind::None);
    EXPECT_FALSE(parse(Bytes{0x00, 0, 0, 0, 0, 2, 0, 0x00, 0, 0, 0, 0, 0, 0, code, 0, 0}, node)) << int(code);
    EXPECT_EQ(node.childCount(), 1u);
  }
}

TEST(ReadBinary, BorrowedBytesInAStreamAreNotKept) {
  ProtocolNode node;
  ASSERT_TRUE(parse(Bytes{0x08, 0, 0, 0, 0, 2, 0, 0, 0, 1, 2, 0, 0}, node));
  EXPECT_EQ(node.kind(), ValueKind::Borrowed);
  EXPECT_EQ(node.dataLength(), 0u);
  EXPECT_EQ(node.getInt(), 0);
}

TEST(ReadBinary, NestingBeyondTheBoundIsRefused) {
  ProtocolNode deepest;
  EXPECT_TRUE(parse(chain(kMaxTreeDepth), deepest));
  EXPECT_EQ(depthOf(deepest), kMaxTreeDepth);
  ProtocolNode tooDeep;
  EXPECT_FALSE(parse(chain(kMaxTreeDepth + 1), tooDeep));
  EXPECT_EQ(tooDeep.childCount(), 0u);
  ProtocolNode hostile;
  EXPECT_FALSE(parse(chain(100000), hostile));
}

TEST(WriteBinary, DeepTreeIsWrittenDownToTheBoundAndStaysReadable) {
  ProtocolNode root;
  std::wstring path = L"n";
  for (int i = 1; i < kMaxTreeDepth + 40; ++i) path += L".n";
  root.findPath(path, true);
  ProtocolNode copy;
  ASSERT_TRUE(parse(serialize(root), copy));
  EXPECT_EQ(depthOf(copy), kMaxTreeDepth);
}

// Address space for a stream that claims the largest count, of which only the first and the last 64 KiB
// can be read: a reader that believed a count of 0xFFFFFFFF enough to copy it would fault in between.
class HugeStream {
 public:
  static constexpr std::size_t kEnds = 1 << 16;
  static constexpr std::size_t kSize = (std::size_t{1} << 32) + kEnds;

  explicit HugeStream(const Bytes& head, const Bytes& tail = {})
      : base_(static_cast<std::uint8_t*>(VirtualAlloc(nullptr, kSize, MEM_RESERVE, PAGE_NOACCESS))) {
    VirtualAlloc(base_, kEnds, MEM_COMMIT, PAGE_READWRITE);
    VirtualAlloc(base_ + kSize - kEnds, kEnds, MEM_COMMIT, PAGE_READWRITE);
    std::memcpy(base_, head.data(), head.size());
    std::memcpy(base_ + kSize - kEnds, tail.data(), tail.size());
  }
  ~HugeStream() { VirtualFree(base_, 0, MEM_RELEASE); }
  HugeStream(const HugeStream&) = delete;
  HugeStream& operator=(const HugeStream&) = delete;

  bool ready() const { return base_ != nullptr; }
  const std::uint8_t* bytes() const { return base_; }
  // The first `head` bytes of the stream lie in the first readable part, the rest from the last one on.
  ByteSource source(std::size_t head) const { return ByteSource(base_, kSize - kEnds + head); }

 private:
  std::uint8_t* base_;
};

std::size_t peakWorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.PeakWorkingSetSize;
}

constexpr std::size_t kNoHugeAllocation = std::size_t{256} << 20;

// A String record whose name field claims `nameCount` bytes, "a" and a NUL at its start.
Bytes stringRecordNaming(std::uint32_t nameCount) {
  Bytes record = {1};
  for (int shift = 0; shift < 32; shift += 8) record.push_back(static_cast<std::uint8_t>(nameCount >> shift));
  record.insert(record.end(), {'a', 0, 0, 0});
  return record;
}

// No node holds more code units than a 32-bit byte count writes back, so a field that would need more is
// refused as soon as its count is read; a count of 0xFFFFFFFF once made a buffer of no units and a 4 GiB copy.
TEST(ReadBinary, TheLargestNameCountIsRefusedBeforeAnythingIsAllocated) {
  const Bytes root = {0, 2, 0, 0, 0, 'r', 0, 1, 0};
  Bytes stream = root;
  const Bytes child = stringRecordNaming(0xFFFFFFFF);
  stream.insert(stream.end(), child.begin(), child.end());
  HugeStream huge(stream);
  ASSERT_TRUE(huge.ready());
  const std::size_t before = peakWorkingSet();
  ProtocolNode node(L"old", L"");
  ByteSource source = huge.source(stream.size());
  EXPECT_FALSE(node.readBinary(source));
  EXPECT_EQ(node.getName(), L"r");
  EXPECT_EQ(node.childCount(), 0u);
  EXPECT_LT(peakWorkingSet() - before, kNoHugeAllocation);
}

TEST(ReadBinary, TheLargestNameAWriterCouldGiveIsReadUpToItsNul) {
  const Bytes head = stringRecordNaming(0xFFFFFFFE);
  // The name field ends 0xFFFFFFFE bytes after its count; the text and the child count follow it.
  const std::size_t tailAt = head.size() - 4 + 0xFFFFFFFE - (HugeStream::kSize - HugeStream::kEnds);
  Bytes tail(tailAt, 0);
  tail.insert(tail.end(), {4, 0, 0, 0, 'x', 0, 'y', 0, 0, 0});
  HugeStream huge(head, tail);
  ASSERT_TRUE(huge.ready());
  ProtocolNode node;
  ByteSource source = huge.source(tail.size());
  EXPECT_TRUE(node.readBinary(source));
  EXPECT_EQ(node.getName(), L"a");
  EXPECT_EQ(node.getString(), L"xy");
  EXPECT_EQ(source.remaining(), 0u);
}

TEST(ReadBinary, TextCountsBeyondWhatAValueHoldsAreRefusedBeforeAnythingIsAllocated) {
  for (const std::uint32_t count : {0xFFFFFFFFu, 0xFFFFFFFEu, 0xFFFFFFFDu}) {
    const Bytes stream = {1, 2, 0, 0, 0, 'n', 0, static_cast<std::uint8_t>(count), 0xFF, 0xFF, 0xFF, 'x', 0};
    HugeStream huge(stream);
    ASSERT_TRUE(huge.ready());
    const std::size_t before = peakWorkingSet();
    ProtocolNode node;
    ByteSource source = huge.source(stream.size());
    EXPECT_FALSE(node.readBinary(source)) << count;
    EXPECT_EQ(node.kind(), ValueKind::None);
    EXPECT_LT(peakWorkingSet() - before, kNoHugeAllocation);
  }
}

// The text getter reads a value through unitsUpToNul; a value of 0xFFFFFFFF bytes once gave a buffer of
// no units and a 4 GiB copy. Only the units up to the NUL are read and kept.
TEST(GetString, TheLargestValueIsReadOnlyUpToItsFirstNul) {
  HugeStream huge({'a', 0, 0xE9, 0, 0, 0, 'z'});
  ASSERT_TRUE(huge.ready());
  const std::size_t before = peakWorkingSet();
  EXPECT_EQ(unitsUpToNul(huge.bytes(), 0xFFFFFFFF), L"a\u00e9");
  EXPECT_EQ(unitsUpToNul(huge.bytes() + 6, 1), L"z");
  EXPECT_LT(peakWorkingSet() - before, kNoHugeAllocation);
}

}  // namespace
}  // namespace brivane
