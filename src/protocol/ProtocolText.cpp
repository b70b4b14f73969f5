#include "protocol/ProtocolText.h"

#include "protocol/ElementValue.h"
#include "protocol/TextSink.h"
#include "protocol/TreeLimits.h"

namespace brivane {
namespace {

// The element is written straight into the sink, its children in place between its tags, so the text
// exists once however deep the tree. Below kMaxTreeDepth levels the children are left out, so a runaway
// tree cannot exhaust the stack.
template <typename Sink>
void writeElement(ProtocolNode& node, Sink& sink, int& depth) {
  if (sink.failed()) return;
  const std::size_t indentation = static_cast<std::size_t>(depth > 0 ? depth : 0) * 4;
  const std::wstring_view name = node.nameView().empty() ? std::wstring_view(L"node") : node.nameView();
  const ElementForm<Sink> form = elementFormOf<Sink>(node);

  sink.spaces(indentation);
  sink.ascii("<");
  sink.text(name);
  sink.ascii(form.attribute);
  sink.ascii(">");
  if (form.writeContent != nullptr) form.writeContent(node, sink);
  if (depth < kMaxTreeDepth) {
    const bool hasChildren = node.childCount() != 0;
    if (hasChildren) sink.ascii("\n");
    node.forEachChild([&](ProtocolNode& child) {
      ++depth;
      writeElement(child, sink, depth);
      --depth;
    });
    if (hasChildren) sink.spaces(indentation);
  }
  sink.ascii("</");
  sink.text(name);
  sink.ascii(">\n");
}

}  // namespace

int writeText(ProtocolNode& node, std::wstring& out, int& depth) {
  WideSink sink(out);
  writeElement(node, sink, depth);
  return 0;
}

bool renderUtf8(ProtocolNode& node, const std::function<bool(std::string_view block)>& write) {
  Utf8Sink sink(write);
  int depth = 0;
  writeElement(node, sink, depth);
  return sink.finish();
}

std::wstring escapeText(const std::wstring& source, bool keepLineBreaks) {
  std::wstring out;
  out.reserve(source.size());
  WideSink sink(out);
  writeEscaped(sink, source, keepLineBreaks);
  return out;
}

}  // namespace brivane
