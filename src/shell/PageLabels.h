#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "protocol/Status.h"

namespace brivane {

// The property page's labels, in the order of their indices.
namespace PageLabel {
constexpr std::size_t FileText = 0;       // descriptive text of a secured file's page
constexpr std::size_t FolderText = 1;     // descriptive text of a secured folder's page
constexpr std::size_t ButtonCaption = 2;  // the key-change button
}  // namespace PageLabel

inline constexpr std::array<const wchar_t*, 3> kPageLabelKeys = {
    L"contextmenu.property_sheet.efile_text",
    L"contextmenu.property_sheet.efolder_text",
    L"contextmenu.property_sheet.chg_pass_btn",
};

// The three page labels with one load of the core library. 0 with exactly three entries;
// STATUS_CORE_UNAVAILABLE, the library's own negative status or STATUS_LABEL_EMPTY otherwise.
Status fetchPageLabels(std::vector<std::wstring>& out);

}  // namespace brivane
