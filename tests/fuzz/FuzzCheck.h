#pragma once
// What the fuzz targets share: a failed property ends the run as a crash, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "protocol/ProtocolText.h"
#include "support/Utf16.h"

namespace brivane::fuzz {

inline void check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property failed: %s\n", property);
  std::abort();
}

inline std::wstring wideText(ProtocolNode& node) {
  std::wstring text;
  int depth = 0;
  writeText(node, text, depth);
  return text;
}

// The node's text in UTF-8 as the hand-off file gets it, checked against writeText's text converted.
inline std::string renderedText(ProtocolNode& node) {
  std::string rendered;
  check(renderUtf8(node,
                   [&rendered](std::string_view block) {
                     rendered += block;
                     return true;
                   }),
        "renderUtf8 reports a failed write");
  std::string converted;
  appendUtf8(converted, wideText(node));
  check(rendered == converted, "renderUtf8 differs from writeText's text in UTF-8");
  return rendered;
}

}  // namespace brivane::fuzz
