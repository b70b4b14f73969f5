#pragma once
#include <array>

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

}  // namespace brivane
