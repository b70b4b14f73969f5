// The requests of a drop and of the menu's commands, built from any destination and paths and rendered
// as the hand-off file gets them: the text must be well-formed markup whatever the paths hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "operations/SecureRequests.h"
#include "operations/SecuredItemRequests.h"

namespace {

using brivane::fuzz::check;
using Paths = std::vector<std::wstring>;

// The input: a byte choosing the request, a byte of option flags, then UTF-16LE texts ended by a NUL
// unit: the destination first, then the selected paths.
struct Input {
  unsigned request = 0;
  brivane::CommandContext context;
  Paths paths;
};

Input inputOf(const std::uint8_t* data, std::size_t size) {
  Input input;
  if (size < 2) return input;
  input.request = data[0];
  input.context.optionFlags = data[1];
  std::vector<std::wstring> texts(1);
  for (std::size_t at = 2; at + 1 < size; at += 2) {
    const auto unit = static_cast<wchar_t>(data[at] | data[at + 1] << 8);
    if (unit == 0) {
      texts.emplace_back();
    } else {
      texts.back() += unit;
    }
  }
  input.context.destination = texts.front();
  input.paths.assign(texts.begin() + 1, texts.end());
  return input;
}

void build(brivane::ProtocolNode& root, const Input& input) {
  const Paths& paths = input.paths;
  switch (input.request % 7) {
    case 0:
      return brivane::buildSendRequest(root, paths, input.context);
    case 1:
      return brivane::buildSecureFilesRequest(root, paths, input.context);
    case 2:
      return brivane::buildSecureFoldersRequest(root, paths, input.context);
    case 3: {
      const std::size_t half = paths.size() / 2;
      return brivane::buildSecureMixedRequest(root, Paths(paths.begin(), paths.begin() + half),
                                              Paths(paths.begin() + half, paths.end()), input.context);
    }
    case 4:
      return brivane::buildUnsecureRequest(root, paths, input.context);
    case 5:
      return brivane::buildConvertRequest(root, paths, input.context);
    default:
      return brivane::buildKeyChangeRequest(root, paths.empty() ? std::wstring() : paths.front());
  }
}

bool isEntity(std::string_view text) {
  for (const std::string_view entity : {"&amp;", "&lt;", "&gt;", "&quot;", "&#39;"})
    if (text.starts_with(entity)) return true;
  if (!text.starts_with("&#x")) return false;
  const std::size_t end = text.find(';');
  return end != std::string_view::npos && end > 3 &&
         text.substr(3, end - 3).find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// Elements that close in order, contents whose markup characters are all references, and the "<br>" a
// line break becomes.
void checkMarkup(std::string_view text) {
  std::vector<std::string_view> open;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    check(c != '>' && c != '"' && c != '\'', "a markup character stands unescaped in a content");
    check(c != '&' || isEntity(text.substr(at)), "an ampersand begins no reference");
    if (c != '<') continue;
    const std::size_t end = text.find('>', at);
    check(end != std::string_view::npos, "a tag is not closed");
    const std::string_view tag = text.substr(at + 1, end - at - 1);
    at = end;
    if (tag == "br") continue;
    if (tag.starts_with('/')) {
      check(!open.empty() && open.back() == tag.substr(1), "an end tag closes another element");
      open.pop_back();
      continue;
    }
    const std::string_view name = tag.substr(0, tag.find(' '));
    check(name.size() == tag.size() || tag.substr(name.size()).starts_with(" type=\""), "a tag holds more than a type");
    open.push_back(name);
  }
  check(open.empty(), "an element is never closed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Input input = inputOf(data, size);
  brivane::ProtocolNode root;
  build(root, input);
  checkMarkup(brivane::fuzz::renderedText(root));
  return 0;
}
