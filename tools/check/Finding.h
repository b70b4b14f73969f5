#pragma once
#include <string>
#include <utility>
#include <vector>

namespace brivane {

enum class Verdict { Ok, Fail, Skip };

// What the check found about one link of the chain from Explorer to the product's application.
struct Finding {
  std::wstring link;
  Verdict verdict = Verdict::Ok;
  std::wstring found;                 // what was found, in one sentence
  std::wstring action;                // what to do about it; empty for a link that works
  std::vector<std::wstring> details;  // one line each: failing keys, the menu of a rehearsal

  static Finding ok(std::wstring link, std::wstring found) {
    return {std::move(link), Verdict::Ok, std::move(found), {}, {}};
  }
  static Finding fail(std::wstring link, std::wstring found, std::wstring action) {
    return {std::move(link), Verdict::Fail, std::move(found), std::move(action), {}};
  }
};

const wchar_t* verdictText(Verdict verdict);

}  // namespace brivane
