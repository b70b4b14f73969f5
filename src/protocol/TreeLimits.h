#pragma once

namespace brivane {

// Deepest level below a root that the binary reader accepts and the writers descend to. Requests are a few
// levels deep; the bound keeps a hostile or runaway tree from exhausting the stack of the hosting process.
constexpr int kMaxTreeDepth = 256;

}  // namespace brivane
