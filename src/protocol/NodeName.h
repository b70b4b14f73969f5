#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace brivane {

// A node's name. Names are short words, and a request has hundreds of thousands of nodes: up to kInline
// characters stay inside the node, so most names cost no heap block of their own. A longer name's heap
// address is kept in the same bytes, copied rather than overlaid, so the name needs no pointer alignment
// and packs beside the node's smaller fields.
class NodeName {
 public:
  static constexpr std::size_t kInline = 12;

  NodeName() = default;
  ~NodeName() { release(); }
  NodeName(const NodeName&) = delete;
  NodeName& operator=(const NodeName&) = delete;

  // `text` may be this name's own characters.
  void assign(std::wstring_view text);
  std::wstring_view view() const { return {size_ > kInline ? heap() : local_, size_}; }

 private:
  wchar_t* heap() const {
    wchar_t* address;
    std::memcpy(&address, local_, sizeof address);
    return address;
  }
  void release();

  std::uint32_t size_ = 0;
  wchar_t local_[kInline] = {};
  static_assert(sizeof local_ >= sizeof(wchar_t*));
};

}  // namespace brivane
