#include "application/ProtocolTextReader.h"

#include <algorithm>
#include <vector>

#include "application/ElementContent.h"

namespace brivane::application {
namespace {

constexpr std::size_t kIndentWidth = 4;
constexpr std::wstring_view kNameStops = L" <>/\"'&=\t\r\n";
constexpr std::wstring_view kLineBreak = L"<br>";

class TextReader {
 public:
  explicit TextReader(std::wstring_view text) : text_(text) {}

  TextCheck check() {
    TextCheck result;
    result.wellFormed = readDocument(result.rootName);
    return result;
  }

 private:
  // Elements are read one start tag at a time; the open ones wait on a stack, so depth costs no recursion.
  bool readDocument(std::wstring& rootName) {
    do {
      if (!readElement(rootName)) return false;
    } while (!open_.empty());
    return position_ == text_.size();
  }

  // One start tag and its content; then either its end tag (and those of the parents that end with it)
  // or, when children follow, the element stays open.
  bool readElement(std::wstring& rootName) {
    const std::size_t depth = open_.size();
    if (!skipIndent(depth) || !skip(L"<")) return false;
    const std::wstring_view name = readName();
    if (name.empty()) return false;
    if (depth == 0) rootName = name;
    const std::size_t attributeEnd = text_.find(L'>', position_);
    if (attributeEnd == std::wstring_view::npos) return false;
    const std::wstring_view attribute = text_.substr(position_, attributeEnd - position_);
    position_ = attributeEnd + 1;
    const std::size_t contentEnd = findMarkup(position_);
    if (text_.substr(contentEnd).starts_with(L"</")) return readLeafEnd(name, attribute, contentEnd);
    return openWithChildren(name, attribute, contentEnd, depth);
  }

  bool readLeafEnd(std::wstring_view name, std::wstring_view attribute, std::size_t contentEnd) {
    if (!isValidContent(attribute, text_.substr(position_, contentEnd - position_))) return false;
    position_ = contentEnd;
    if (!skipEndTag(name)) return false;
    while (!open_.empty() && endTagFollows(open_.size() - 1)) {
      skipIndent(open_.size() - 1);
      if (!skipEndTag(open_.back())) return false;
      open_.pop_back();
    }
    return true;
  }

  // The writer puts a line feed and the first child's indentation between the content and the child.
  bool openWithChildren(std::wstring_view name, std::wstring_view attribute, std::size_t contentEnd,
                        std::size_t depth) {
    const std::size_t indent = (depth + 1) * kIndentWidth;
    if (contentEnd == text_.size() || contentEnd - position_ < indent + 1) return false;
    const std::size_t lineFeed = contentEnd - indent - 1;
    if (text_[lineFeed] != L'\n' || !isIndent(lineFeed + 1, depth + 1)) return false;
    if (!isValidContent(attribute, text_.substr(position_, lineFeed - position_))) return false;
    position_ = lineFeed + 1;
    open_.push_back(name);
    return true;
  }

  // The next "<" that is markup. The text form cannot tell a child named "br" from a line break in the
  // content; it is taken as the line break.
  std::size_t findMarkup(std::size_t from) const {
    std::size_t found = text_.find(L'<', from);
    while (found != std::wstring_view::npos && text_.substr(found).starts_with(kLineBreak))
      found = text_.find(L'<', found + kLineBreak.size());
    return found == std::wstring_view::npos ? text_.size() : found;
  }

  std::wstring_view readName() {
    const std::size_t end = std::min(text_.find_first_of(kNameStops, position_), text_.size());
    const std::wstring_view name = text_.substr(position_, end - position_);
    position_ = end;
    return name;
  }

  bool endTagFollows(std::size_t depth) const {
    return isIndent(position_, depth) && text_.substr(position_ + depth * kIndentWidth).starts_with(L"</");
  }

  bool skipEndTag(std::wstring_view name) { return skip(L"</") && skip(name) && skip(L">\n"); }

  bool isIndent(std::size_t at, std::size_t depth) const {
    const std::size_t width = depth * kIndentWidth;
    if (text_.size() - at < width) return false;
    for (std::size_t i = 0; i < width; ++i)
      if (text_[at + i] != L' ') return false;
    return true;
  }

  bool skipIndent(std::size_t depth) {
    if (!isIndent(position_, depth)) return false;
    position_ += depth * kIndentWidth;
    return true;
  }

  bool skip(std::wstring_view expected) {
    if (!text_.substr(position_).starts_with(expected)) return false;
    position_ += expected.size();
    return true;
  }

  std::wstring_view text_;
  std::size_t position_ = 0;
  std::vector<std::wstring_view> open_;
};

}  // namespace

TextCheck checkProtocolText(std::wstring_view text) { return TextReader(text).check(); }

}  // namespace brivane::application
