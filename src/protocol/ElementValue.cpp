#include "protocol/ElementValue.h"

#include <cwchar>
#include <iterator>

#include "protocol/Base64.h"
#include "protocol/ProtocolText.h"

namespace brivane {
namespace {

constexpr UINT kLatin1 = 28591;

std::wstring decimalUnsigned(std::uint32_t value) {
  wchar_t text[16];
  std::swprintf(text, std::size(text), L"%u", value);
  return text;
}

std::wstring decimalSigned(std::int32_t value) {
  wchar_t text[16];
  std::swprintf(text, std::size(text), L"%d", value);
  return text;
}

// Each renders the content and tells whether the element carries its type attribute.
bool renderString(ProtocolNode& node, std::wstring& content) {
  content = escapeText(node.getString(), false);
  return true;
}

bool renderUnsigned(ProtocolNode& node, std::wstring& content) {
  content = decimalUnsigned(static_cast<std::uint32_t>(node.getInt()));
  return true;
}

bool renderSigned(ProtocolNode& node, std::wstring& content) {
  content = decimalSigned(node.getInt());
  return true;
}

bool renderBase64(ProtocolNode& node, std::wstring& content) {
  const auto [bytes, length] = node.getRaw();
  if (bytes != nullptr && length != 0) content = fromCodePage(base64Encode(bytes, length), kLatin1);
  return true;
}

bool renderTimestamp(ProtocolNode& node, std::wstring& content) {
  FILETIME fileTime;
  if (!node.getTimestamp(reinterpret_cast<std::uint8_t*>(&fileTime))) return false;
  content = ProtocolNode::formatTimestamp(fileTime);
  return true;
}

struct KindText {
  ValueKind kind;
  const wchar_t* attribute;
  bool (*render)(ProtocolNode& node, std::wstring& content);
};

// Kinds not listed have neither attribute nor content.
constexpr KindText kKindTexts[] = {
    {ValueKind::String, L" type=\"string\"", renderString},
    {ValueKind::UInt32, L" type=\"unsigned int32\"", renderUnsigned},
    {ValueKind::Int32, L" type=\"int32\"", renderSigned},
    {ValueKind::Binary, L" type=\"base64\"", renderBase64},
    {ValueKind::Timestamp, L" type=\"timestamp\"", renderTimestamp},
};

}  // namespace

ElementValue elementValueOf(ProtocolNode& node) {
  ElementValue value;
  for (const KindText& row : kKindTexts) {
    if (row.kind != node.kind()) continue;
    if (row.render(node, value.content)) {
      value.attribute = row.attribute;
    } else {
      value.content.clear();
    }
    break;
  }
  return value;
}

}  // namespace brivane
