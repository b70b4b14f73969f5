#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace brivane {

// A node's name. Names are short words, and a request has hundreds of thousands of nodes: up to kInline
// characters stay inside the node, so most names cost no heap block of their own.
class NodeName {
 public:
  static constexpr std::size_t kInline = 11;

  NodeName() = default;
  ~NodeName() { release(); }
  NodeName(const NodeName&) = delete;
  NodeName& operator=(const NodeName&) = delete;

  // `text` may be this name's own characters.
  void assign(std::wstring_view text);
  std::wstring_view view() const { return {size_ > kInline ? heap_ : local_, size_}; }

 private:
  void release();

  union {
    wchar_t local_[kInline] = {};
    wchar_t* heap_;
  };
  std::uint32_t size_ = 0;
};

}  // namespace brivane
