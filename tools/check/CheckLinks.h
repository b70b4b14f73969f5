#pragma once

namespace brivane {

// The links of the chain, in the order Explorer and the extension use them; the names the report gives.
inline constexpr wchar_t kClassRegistrationLink[] = L"class-registration";
inline constexpr wchar_t kMenuHandlersLink[] = L"menu-handlers";
inline constexpr wchar_t kFileTypesLink[] = L"file-types";
inline constexpr wchar_t kX86ExtensionLink[] = L"x86-extension";
inline constexpr wchar_t kExtensionLink[] = L"extension";
inline constexpr wchar_t kModuleFolderLink[] = L"module-folder";
inline constexpr wchar_t kCoreLibraryLink[] = L"core-library";
inline constexpr wchar_t kLabelsLink[] = L"labels";
inline constexpr wchar_t kTempFolderLink[] = L"temp-folder";
inline constexpr wchar_t kApplicationLink[] = L"application";
inline constexpr wchar_t kRecentListLink[] = L"recent-list";
inline constexpr wchar_t kSignatureLink[] = L"signature";
inline constexpr wchar_t kRightClickLink[] = L"right-click";

}  // namespace brivane
