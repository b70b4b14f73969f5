#pragma once
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "protocol/CoreLibrary.h"
#include "protocol/Status.h"

// The labels of the menu, the property page and the destination dialogs: texts in the product's
// language that the core library gives for dotted keys, one read_resource_string request per label.
namespace brivane {

// The label keys of the four menu sets, in the order of their indices.

inline constexpr std::array<const wchar_t*, 12> kFileLabelKeys = {
    L"contextmenu.efile.secure_single",    L"contextmenu.efile.secure_single_as_copy",
    L"contextmenu.efile.send_single",      L"contextmenu.efile.send_single_as_copy",
    L"contextmenu.efile.secure_multiple",  L"contextmenu.efile.secure_multiple_as_copy",
    L"contextmenu.efile.send_multiple",    L"contextmenu.efile.send_multiple_as_copy",
    L"contextmenu.efile.unsecure_single",  L"contextmenu.efile.unsecure_multiple",
    L"contextmenu.efile.unsecure_single_to", L"contextmenu.efile.unsecure_multiple_to",
};

inline constexpr std::array<const wchar_t*, 10> kFolderLabelKeys = {
    L"contextmenu.efolder.secure_single",     L"contextmenu.efolder.secure_single_as_copy",
    L"contextmenu.efolder.send_single",       L"contextmenu.efolder.send_single_as_copy",
    L"contextmenu.efolder.secure_multiple",   L"contextmenu.efolder.secure_multiple_as_copy",
    L"contextmenu.efolder.send_multiple",     L"contextmenu.efolder.send_multiple_as_copy",
    L"contextmenu.efolder.unsecure_multiple", L"contextmenu.efolder.unsecure_multiple_to",
};

inline constexpr std::array<const wchar_t*, 6> kMixedLabelKeys = {
    L"contextmenu.emix.secure",
    L"contextmenu.emix.secure_as_copy",
    L"contextmenu.emix.send",
    L"contextmenu.emix.send_as_copy",
    L"contextmenu.emix.unsecure_files_folders",
    L"contextmenu.emix.unsecure_files_folders_to",
};

inline constexpr std::array<const wchar_t*, 4> kConvertLabelKeys = {
    L"contextmenu.eff.convert_file_to_exe",
    L"contextmenu.eff.convert_files_to_exe",
    L"contextmenu.eff.convert_folders_to_exe",
    L"contextmenu.eff.convert_files_folders_to_exe",
};

inline constexpr wchar_t kDefaultFolderNameKey[] = L"contextmenu.defaultfoldername";

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

using LabelKeys = std::span<const wchar_t* const>;

// One label from a loaded core library: a fresh read_resource_string request for `key`. On success
// `label` gets the text and the result is the entry point's own (non-negative) status; otherwise the
// library's negative status, or STATUS_LABEL_EMPTY for an empty answer, with `label` unchanged.
// Both trees are destroyed before this returns, so the caller may free the library afterwards.
Status queryLabel(CoreEntryPoint entryPoint, const std::wstring& key, std::wstring& label);

// Fetches one label per key, in key order, with one load of the core library for the whole set.
// Library or entry point missing: STATUS_CORE_UNAVAILABLE and `out` untouched. Otherwise `out` gets
// exactly one entry per key; a failing query ends the fetch with its status, the labels before it kept
// and the rest empty. 0 when every label arrived.
Status fetchLabelSet(LabelKeys keys, std::vector<std::wstring>& out);

// The menu's label sets; each costs one load of the core library. 0 on success, else the failure
// status of fetchLabelSet.
Status fetchFileLabels(std::vector<std::wstring>& out);
Status fetchFolderLabels(std::vector<std::wstring>& out);
Status fetchMixedLabels(std::vector<std::wstring>& out);
Status fetchConvertLabels(std::vector<std::wstring>& out);

// The three page labels with one load of the core library. 0 with exactly three entries;
// STATUS_CORE_UNAVAILABLE, the library's own negative status or STATUS_LABEL_EMPTY otherwise.
Status fetchPageLabels(std::vector<std::wstring>& out);

// The suggested name of a new secured folder, with a load of its own. On success the entry point's
// (non-negative) status; on failure `out` is unchanged.
Status fetchDefaultFolderName(std::wstring& out);

}  // namespace brivane
