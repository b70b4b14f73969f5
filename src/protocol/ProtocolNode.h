#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

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
class ProtocolNode {
 public:
  ProtocolNode();
  explicit ProtocolNode(ProtocolNode* parent);
  ProtocolNode(const std::wstring& name, const std::wstring& value);
  ~ProtocolNode();
  ProtocolNode(const ProtocolNode&) = delete;
  ProtocolNode& operator=(const ProtocolNode&) = delete;

  static ProtocolNode* addChild(ProtocolNode* parent, const std::wstring& name);
  ProtocolNode* findPath(const std::wstring& path, bool create);

  void setString(const std::wstring& text);
  void setBinary(const void* bytes, std::uint32_t count);
  // Any kind with its raw bytes (UInt32, Int32, Timestamp, ...); the node owns a copy.
  void setValue(ValueKind kind, const void* bytes, std::uint32_t count);
  void setName(const std::wstring& name);

  std::wstring getName() const;
  std::pair<const std::uint8_t*, std::uint32_t> getRaw();
  std::wstring getString();
  std::int32_t getInt();
  bool getTimestamp(std::uint8_t out[8]) const;
  static std::wstring formatTimestamp(const FILETIME& fileTime);

  void clear();
  void writeBinary(ByteSink& stream, ValueKind kind);
  bool readBinary(ByteSource& stream);

  ValueKind kind() const;
  std::uint16_t flags() const;
  std::uint32_t nameHash() const;
  std::uint32_t dataLength() const;
  ProtocolNode* parent() const;
  std::size_t childCount() const;
  // Children in list order; visiting clears the Walked flag as any walk of the child list does.
  template <typename Visit>
  void forEachChild(Visit visit);

  // ... private representation: see ProtocolNode.cpp
};

}  // namespace brivane
