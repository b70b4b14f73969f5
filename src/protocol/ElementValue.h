#pragma once
#include <string_view>

#include "protocol/ProtocolNode.h"
#include "protocol/TextSink.h"

namespace brivane {

// How an element shows its value: the type attribute (beginning with a blank, empty when there is none)
// and what writes the content (null when there is none).
template <typename Sink>
struct ElementForm {
  std::string_view attribute;
  void (*writeContent)(ProtocolNode& node, Sink& sink) = nullptr;
};

template <typename Sink>
ElementForm<Sink> elementFormOf(const ProtocolNode& node);

// `source` with the markup characters, CR LF pairs (unless kept) and the code units from U+0100 replaced.
template <typename Sink>
void writeEscaped(Sink& sink, std::wstring_view source, bool keepLineBreaks);

extern template ElementForm<WideSink> elementFormOf(const ProtocolNode&);
extern template ElementForm<Utf8Sink> elementFormOf(const ProtocolNode&);
extern template void writeEscaped(WideSink&, std::wstring_view, bool);

}  // namespace brivane
