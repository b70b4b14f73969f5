#pragma once
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "Finding.h"

namespace brivane {

// The findings of one run, in the order the links were checked.
class CheckReport {
 public:
  void add(Finding finding) { findings_.push_back(std::move(finding)); }

  // A SKIP finding for `link` when one of the links it needs did not pass (naming the first of them),
  // none when all of them passed. A link that was not checked counts as passed.
  std::optional<Finding> skipped(const std::wstring& link, std::initializer_list<const wchar_t*> needs) const;

  // Adds what `check` finds, or the SKIP finding when a needed link did not pass.
  template <typename Check>
  void addChecked(const std::wstring& link, std::initializer_list<const wchar_t*> needs, Check check) {
    std::optional<Finding> skip = skipped(link, needs);
    add(skip ? std::move(*skip) : check());
  }

  bool passed(const std::wstring& link) const;
  bool allPassed() const;
  const std::vector<Finding>& findings() const { return findings_; }

 private:
  std::vector<Finding> findings_;
};

// One line per finding: the verdict, the link, what was found and, unless it passed, what to do; the
// details indented below it; then a summary line.
std::vector<std::wstring> humanReport(const CheckReport& report);

// The same findings as one JSON document.
std::wstring jsonReport(const CheckReport& report, int exitCode);

// `text` as a JSON string literal, quotes included.
std::wstring jsonString(const std::wstring& text);

}  // namespace brivane
