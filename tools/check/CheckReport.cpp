#include "CheckReport.h"

#include <algorithm>
#include <cwchar>

namespace brivane {
namespace {

constexpr std::size_t kLinkColumn = 19;

std::wstring padded(std::wstring text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), L' ');
  return text;
}

std::wstring jsonArray(const std::vector<std::wstring>& items) {
  std::wstring text = L"[";
  for (std::size_t i = 0; i < items.size(); ++i) text += (i ? L"," : L"") + jsonString(items[i]);
  return text + L"]";
}

std::wstring jsonFinding(const Finding& finding) {
  return L"{\"link\":" + jsonString(finding.link) + L",\"status\":" + jsonString(verdictText(finding.verdict)) +
         L",\"found\":" + jsonString(finding.found) + L",\"action\":" + jsonString(finding.action) + L",\"details\":" +
         jsonArray(finding.details) + L"}";
}

std::size_t countOf(const CheckReport& report, Verdict verdict) {
  return static_cast<std::size_t>(std::count_if(report.findings().begin(), report.findings().end(),
                                                [verdict](const Finding& f) { return f.verdict == verdict; }));
}

}  // namespace

const wchar_t* verdictText(Verdict verdict) {
  switch (verdict) {
    case Verdict::Ok:
      return L"OK";
    case Verdict::Fail:
      return L"FAIL";
    case Verdict::Skip:
      return L"SKIP";
  }
  return L"FAIL";
}

std::optional<Finding> CheckReport::skipped(const std::wstring& link,
                                            std::initializer_list<const wchar_t*> needs) const {
  for (const wchar_t* need : needs) {
    if (passed(need)) continue;
    return Finding{link,
                   Verdict::Skip,
                   L"not checked: it needs " + std::wstring(need) + L", which did not pass",
                   L"fix " + std::wstring(need) + L" first",
                   {}};
  }
  return std::nullopt;
}

bool CheckReport::passed(const std::wstring& link) const {
  return std::none_of(findings_.begin(), findings_.end(),
                      [&link](const Finding& f) { return f.link == link && f.verdict != Verdict::Ok; });
}

bool CheckReport::allPassed() const {
  return std::all_of(findings_.begin(), findings_.end(), [](const Finding& f) { return f.verdict == Verdict::Ok; });
}

std::vector<std::wstring> humanReport(const CheckReport& report) {
  std::vector<std::wstring> lines;
  for (const Finding& finding : report.findings()) {
    std::wstring line = padded(verdictText(finding.verdict), 5) + padded(finding.link, kLinkColumn) + finding.found;
    if (!finding.action.empty()) line += L" => " + finding.action;
    lines.push_back(line);
    for (const std::wstring& detail : finding.details) lines.push_back(std::wstring(5 + 2, L' ') + detail);
  }
  lines.push_back(std::to_wstring(countOf(report, Verdict::Ok)) + L" OK, " +
                  std::to_wstring(countOf(report, Verdict::Fail)) + L" FAIL, " +
                  std::to_wstring(countOf(report, Verdict::Skip)) + L" SKIP");
  return lines;
}

std::wstring jsonReport(const CheckReport& report, int exitCode) {
  std::wstring text = L"{\"exitCode\":" + std::to_wstring(exitCode) + L",\"links\":[";
  for (std::size_t i = 0; i < report.findings().size(); ++i) {
    text += (i ? L"," : L"") + jsonFinding(report.findings()[i]);
  }
  return text + L"]}";
}

std::wstring jsonString(const std::wstring& text) {
  std::wstring out = L"\"";
  for (wchar_t c : text) {
    switch (c) {
      case L'"':
        out += L"\\\"";
        break;
      case L'\\':
        out += L"\\\\";
        break;
      case L'\n':
        out += L"\\n";
        break;
      case L'\r':
        out += L"\\r";
        break;
      case L'\t':
        out += L"\\t";
        break;
      default:
        if (c < 0x20) {
          wchar_t escape[8];
          swprintf(escape, 8, L"\\u%04x", static_cast<unsigned>(c));
          out += escape;
        } else {
          out += c;
        }
    }
  }
  return out + L"\"";
}

}  // namespace brivane
