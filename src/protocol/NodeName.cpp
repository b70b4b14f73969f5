#include "protocol/NodeName.h"

#include <algorithm>

namespace brivane {

void NodeName::assign(std::wstring_view text) {
  wchar_t local[kInline];
  wchar_t* heap = text.size() > kInline ? new wchar_t[text.size()] : nullptr;
  std::copy(text.begin(), text.end(), heap != nullptr ? heap : local);
  release();
  if (heap != nullptr) {
    std::memcpy(local_, &heap, sizeof heap);
  } else {
    std::copy(local, local + text.size(), local_);
  }
  size_ = static_cast<std::uint32_t>(text.size());
}

void NodeName::release() {
  if (size_ > kInline) delete[] heap();
  size_ = 0;
}

}  // namespace brivane
