#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brivane::testing {

// A JSON value as a test reads it back: strict enough to refuse what a script's parser would refuse.
struct JsonValue {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::wstring text;
  std::vector<JsonValue> items;
  std::map<std::wstring, JsonValue> members;

  const JsonValue& operator[](const std::wstring& name) const {
    static const JsonValue missing;
    auto found = members.find(name);
    return found == members.end() ? missing : found->second;
  }
};

// Parses a whole document; nothing when it is not exactly one well-formed JSON value.
class JsonReader {
 public:
  static std::optional<JsonValue> parse(const std::wstring& text) {
    JsonReader reader(text);
    JsonValue value;
    if (!reader.value(value)) return std::nullopt;
    reader.blanks();
    if (reader.at_ != text.size()) return std::nullopt;
    return value;
  }

 private:
  explicit JsonReader(const std::wstring& text) : text_(text) {}

  void blanks() {
    while (at_ < text_.size() &&
           (text_[at_] == L' ' || text_[at_] == L'\n' || text_[at_] == L'\r' || text_[at_] == L'\t'))
      ++at_;
  }
  bool take(wchar_t c) {
    blanks();
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  bool word(const wchar_t* w) {
    const std::wstring expected(w);
    if (text_.compare(at_, expected.size(), expected) != 0) return false;
    at_ += expected.size();
    return true;
  }

  bool value(JsonValue& out) {
    blanks();
    if (at_ >= text_.size()) return false;
    switch (text_[at_]) {
      case L'{':
        return object(out);
      case L'[':
        return array(out);
      case L'"':
        out.kind = JsonValue::Kind::String;
        return string(out.text);
      case L't':
        out.kind = JsonValue::Kind::Bool;
        out.boolean = true;
        return word(L"true");
      case L'f':
        out.kind = JsonValue::Kind::Bool;
        return word(L"false");
      case L'n':
        return word(L"null");
      default:
        return number(out);
    }
  }

  bool object(JsonValue& out) {
    out.kind = JsonValue::Kind::Object;
    ++at_;
    if (take(L'}')) return true;
    do {
      std::wstring name;
      JsonValue member;
      blanks();
      if (!string(name) || !take(L':') || !value(member)) return false;
      out.members[name] = std::move(member);
    } while (take(L','));
    return take(L'}');
  }

  bool array(JsonValue& out) {
    out.kind = JsonValue::Kind::Array;
    ++at_;
    if (take(L']')) return true;
    do {
      JsonValue item;
      if (!value(item)) return false;
      out.items.push_back(std::move(item));
    } while (take(L','));
    return take(L']');
  }

  bool number(JsonValue& out) {
    const std::size_t start = at_;
    if (at_ < text_.size() && text_[at_] == L'-') ++at_;
    while (at_ < text_.size() && ((text_[at_] >= L'0' && text_[at_] <= L'9') || text_[at_] == L'.' ||
                                  text_[at_] == L'e' || text_[at_] == L'E' || text_[at_] == L'+'))
      ++at_;
    if (at_ == start) return false;
    out.kind = JsonValue::Kind::Number;
    out.number = std::stod(text_.substr(start, at_ - start));
    return true;
  }

  bool hex4(unsigned& code) {
    if (at_ + 4 > text_.size()) return false;
    code = 0;
    for (int i = 0; i < 4; ++i) {
      const wchar_t c = text_[at_++];
      const int digit = c >= L'0' && c <= L'9'   ? c - L'0'
                        : c >= L'a' && c <= L'f' ? c - L'a' + 10
                        : c >= L'A' && c <= L'F' ? c - L'A' + 10
                                                 : -1;
      if (digit < 0) return false;
      code = code * 16 + static_cast<unsigned>(digit);
    }
    return true;
  }

  bool escape(std::wstring& out) {
    if (at_ >= text_.size()) return false;
    const wchar_t c = text_[at_++];
    const std::wstring simple = L"\"\\/bfnrt", meant = L"\"\\/\b\f\n\r\t";
    if (const std::size_t i = simple.find(c); i != std::wstring::npos) {
      out += meant[i];
      return true;
    }
    unsigned code = 0;
    if (c != L'u' || !hex4(code)) return false;
    out += static_cast<wchar_t>(code);
    return true;
  }

  bool string(std::wstring& out) {
    if (at_ >= text_.size() || text_[at_] != L'"') return false;
    ++at_;
    while (at_ < text_.size()) {
      const wchar_t c = text_[at_++];
      if (c == L'"') return true;
      if (c < 0x20) return false;  // control characters must be escaped
      if (c != L'\\') {
        out += c;
      } else if (!escape(out)) {
        return false;
      }
    }
    return false;
  }

  const std::wstring& text_;
  std::size_t at_ = 0;
};

}  // namespace brivane::testing
