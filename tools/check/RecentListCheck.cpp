#include "RecentListCheck.h"

#include <shlwapi.h>
#include <windows.h>

#include <cwctype>
#include <vector>

#include "CheckLinks.h"
#include "RegistryValue.h"
#include "menu/RecentList.h"
#include "settings/RegistryHelpers.h"
#include "support/Handles.h"

namespace brivane {
namespace {

struct HistoryRead {
  std::wstring limits;                 // "max_history 3, max_qelf 3"
  std::vector<std::wstring> problems;  // limits the extension ignores
  std::vector<std::wstring> notes;     // entries it skips or never reaches
  DWORD shown = 0;                     // max_history, when the menu reads one
  unsigned listed = 0;
  unsigned end = 1;  // the number at which the list ends
};

// What the menu does without a usable limit: without max_history it lists no recent folders and sets
// the key up again (both limits as REG_DWORD, 3 where there was none); without max_qelf it uses 3.
struct LimitRule {
  const wchar_t* name;
  const wchar_t* whenAbsent;
  const wchar_t* whenNotDword;
};

constexpr LimitRule kLimitRules[] = {
    {kRecentLimitValue, L" absent (the next right-click lists no recent folders and stores 3)",
     L", not REG_DWORD, so the next right-click lists no recent folders and stores 3 in its place"},
    {kNearLimitValue, L" absent (3 is used)", L", not REG_DWORD, so the menu ignores it and uses 3"},
};

void readLimit(const LimitRule& rule, HistoryRead& read) {
  const RawValue value = readRawValue(HKEY_CURRENT_USER, kHistoryKey, rule.name);
  DWORD limit = 0;
  const std::wstring separator = read.limits.empty() ? L"" : L", ";
  if (readRegDword(HKEY_CURRENT_USER, kHistoryKey, rule.name, limit)) {
    read.limits += separator + rule.name + L" " + std::to_wstring(limit);
    if (rule.name == kRecentLimitValue) read.shown = limit;
  } else if (value.valueFound) {
    read.problems.push_back(rule.name + (L" is " + registryTypeName(value.type)) + rule.whenNotDword);
  } else {
    read.limits += separator + rule.name + rule.whenAbsent;
  }
}

// The menu offers at most max_history of the existing entries.
std::wstring listedText(const HistoryRead& read) {
  std::wstring text = std::to_wstring(read.listed) + L" recent secured folders";
  if (read.listed > read.shown) text += L" (the menu offers the first " + std::to_wstring(read.shown) + L")";
  return text;
}

void readEntries(HistoryRead& read) {
  std::wstring path;
  for (;; ++read.end) {
    const std::wstring name = std::to_wstring(read.end);
    if (!readRegString(HKEY_CURRENT_USER, kHistoryKey, name, path)) {
      const RawValue value = readRawValue(HKEY_CURRENT_USER, kHistoryKey, name.c_str());
      if (value.valueFound)
        read.notes.push_back(L"entry " + name + L" is not a readable string (" + registryTypeName(value.type) +
                             L"): the list ends before it");
      return;
    }
    if (PathFileExistsW(path.c_str())) {
      ++read.listed;
    } else {
      read.notes.push_back(L"entry " + name + L" names " + path + L", which no longer exists: skipped");
    }
  }
}

bool isNumberName(const std::wstring& name) {
  if (name.empty() || name.size() > 9 || name.front() == L'0') return false;
  for (wchar_t c : name)
    if (!std::iswdigit(c)) return false;
  return true;
}

// Numbered entries beyond the end of the list are never read.
void noteGap(HistoryRead& read) {
  RegKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kHistoryKey, 0, KEY_READ, key.out()) != ERROR_SUCCESS) return;
  unsigned unreached = 0;
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    if (RegEnumValueW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    if (isNumberName(name) && std::stoul(name) > read.end) ++unreached;
  }
  if (unreached)
    read.notes.push_back(std::to_wstring(unreached) + L" numbered entries after the gap at " +
                         std::to_wstring(read.end) + L" are never read");
}

Finding recentList() {
  const std::wstring place = registryPlace(HKEY_CURRENT_USER, kHistoryKey);
  if (!readRawValue(HKEY_CURRENT_USER, kHistoryKey, nullptr).keyFound)
    return Finding::ok(kRecentListLink, place + L" does not exist yet; the first right-click creates it");
  HistoryRead read;
  for (const LimitRule& rule : kLimitRules) readLimit(rule, read);
  readEntries(read);
  noteGap(read);
  Finding finding = read.problems.empty()
                        ? Finding::ok(kRecentListLink, place + L": " + read.limits + L"; " + listedText(read))
                        : Finding::fail(kRecentListLink, place + L": " + read.problems.front(),
                                        L"delete that value (3 is then used) or store the limit as REG_DWORD");
  finding.details = std::move(read.notes);
  return finding;
}

}  // namespace

void checkRecentList(CheckReport& report) { report.add(recentList()); }

}  // namespace brivane
