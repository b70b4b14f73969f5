#pragma once
#include <string>
#include <vector>

namespace brivane {

// The product's files that a module folder must hold.
constexpr wchar_t kCoreLibraryName[] = L"Brivane_Core.dll";
constexpr wchar_t kApplicationName[] = L"Brivane_Application_Palisor_Against_Lib.exe";

// Whether two absolute folder paths name the same folder (case and a trailing "\" aside).
bool sameFolder(const std::wstring& a, const std::wstring& b);

// Copies every file of source (not its sub-folders) into destination, which is created when missing,
// and lists the copies' paths in copied. Fails, with error set, when source lacks the core library or
// the application, or a copy fails (the copies made so far stay listed).
bool copyModuleFiles(const std::wstring& source, const std::wstring& destination, std::vector<std::wstring>& copied,
                     std::wstring& error);

// Keeps the list of copied files in the product key, and deletes the listed files again.
bool recordInstalledFiles(const std::vector<std::wstring>& files);
void deleteInstalledFiles();

}  // namespace brivane
