#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "protocol/ChildList.h"
#include "protocol/NodeName.h"
#include "protocol/TreeLimits.h"
#include "protocol/ValueBuffer.h"

namespace brivane {

enum class ValueKind : std::uint8_t {
  None = 0,
  String = 1,
  UInt32 = 2,
  Int32 = 3,
  Binary = 4,
  Timestamp = 5,
  Borrowed = 8,
  SerializedTree = 9,
  EmbeddedTree = 10,
};

namespace NodeFlag {
constexpr std::uint16_t Changed = 0x0001;
constexpr std::uint16_t Fresh = 0x0002;
constexpr std::uint16_t Walked = 0x0040;
constexpr std::uint16_t Inherited = 0x0080;
constexpr std::uint16_t NotSerialized = 0x0100;
}  // namespace NodeFlag

class ByteSink;
class ByteSource;

// A node of a request or response tree: a name, at most one typed value and an ordered list of
// children. Shared in memory with the core library, so both sides allocate from the one C runtime heap.
// A node owns its value (except a Borrowed one), its embedded tree and its children; children are
// plain heap objects (new), deleted by their parent. Only roots live elsewhere, usually on the stack.
class ProtocolNode {
 public:
  ProtocolNode();
  // Appended at the end of `parent`'s children (when given), so it must come from new.
  explicit ProtocolNode(ProtocolNode* parent);
  ProtocolNode(std::wstring_view name, std::wstring_view value);
  ~ProtocolNode();
  ProtocolNode(const ProtocolNode&) = delete;
  ProtocolNode& operator=(const ProtocolNode&) = delete;

  static ProtocolNode* addChild(ProtocolNode* parent, std::wstring_view name);
  ProtocolNode* findPath(std::wstring_view path, bool create);

  void setString(std::wstring_view text);
  void setBinary(const void* bytes, std::uint32_t count);
  // Any kind with its raw bytes (UInt32, Int32, Timestamp, ...); the node owns a copy. Two kinds cannot
  // be copies: Borrowed refers to the caller's buffer, which must outlive the value, and the bytes given
  // for EmbeddedTree are kept as what they are, a SerializedTree.
  void setValue(ValueKind kind, const void* bytes, std::uint32_t count);
  // Takes `tree` (detached from any parent first) as this node's EmbeddedTree value; null clears the value.
  void setEmbeddedTree(ProtocolNode* tree);
  void setName(std::wstring_view name);

  std::wstring getName() const;
  std::wstring_view nameView() const;
  std::pair<const std::uint8_t*, std::uint32_t> getRaw();
  std::wstring getString();
  std::int32_t getInt();
  bool getTimestamp(std::uint8_t out[8]) const;

  void clear();
  // The binary form (BinaryForm.h).
  void writeBinary(ByteSink& stream, ValueKind kind);
  // Rebuilds the node from the stream. False when the stream ends early, is malformed, holds a kind this
  // system cannot read or nests deeper than kMaxTreeDepth: the node then keeps what was read completely,
  // and a child is linked only once it is complete.
  bool readBinary(ByteSource& stream);

  ValueKind kind() const;
  std::uint16_t flags() const;
  // For the core library's side, which marks nodes (Walked, Inherited, NotSerialized); this system only
  // carries the marks.
  void setFlags(std::uint16_t flags);
  std::uint32_t nameHash() const;
  std::uint32_t dataLength() const;
  ProtocolNode* parent() const;
  std::size_t childCount() const;
  // Children in list order; visiting clears the Walked flag as any walk of the child list does.
  template <typename Visit>
  void forEachChild(Visit visit);

 private:
  void attach(ProtocolNode* child);
  void destroyChildren();
  static void destroyTrees(std::vector<ProtocolNode*> pending);
  ProtocolNode* findChild(std::wstring_view name, std::uint32_t hash);
  void storeCopy(ValueKind kind, const void* bytes, std::uint32_t count);
  void adopt(ValueKind kind, ValueBytes bytes, std::uint32_t length);
  void releaseValue();
  void serializeEmbeddedTree();
  void writeRecord(ByteSink& stream, ValueKind kind, int depth);
  void writeValue(ByteSink& stream, ValueKind kind);
  void writeChildren(ByteSink& stream, int depth);
  bool readRecord(ByteSource& stream, int depth);
  bool readChildren(ByteSource& stream, int depth);

  // The layout is shared with the core library; the words and the two narrow texts that it alone uses keep
  // their initial values here (a null text is empty).
  std::uint32_t coreWord1_ = 0;
  ChildList children_;
  ProtocolNode* parent_ = nullptr;
  ValueKind kind_ = ValueKind::None;
  NodeName name_;
  std::uint32_t nameHash_;
  std::uint8_t* data_ = nullptr;
  std::uint32_t dataLength_ = 0;
  std::int32_t coreWord2_ = -1;
  std::uint16_t flags_ = NodeFlag::Changed | NodeFlag::Fresh;
  std::uint32_t coreWord3_ = 0;
  std::unique_ptr<char[]> coreText1_;
  std::unique_ptr<char[]> coreText2_;
};

template <typename Visit>
void ProtocolNode::forEachChild(Visit visit) {
  flags_ &= ~NodeFlag::Walked;
  children_.forEach([&visit](ProtocolNode* child) { visit(*child); });
}

}  // namespace brivane
