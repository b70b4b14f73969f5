#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "RecordingExtensionId.h"

namespace brivane::testing {

// Registers the recording extension for one scope, as a context menu handler for all files and for
// folders, and as the drop handler and property sheet handler of the file type ".shrec"; points the
// record file at recordFile. Everything is removed at scope end.
class RecorderRegistration {
 public:
  explicit RecorderRegistration(const std::wstring& recordFile) {
    const std::wstring clsid = kRecorderClsid;
    const std::wstring dll = std::wstring(BRIVANE_BIN_DIR) + L"\\" + kRecorderDll;
    setDefault(L"CLSID\\" + clsid, L"Shellhost recorder");
    setDefault(L"CLSID\\" + clsid + L"\\InProcServer32", dll);
    setValue(L"CLSID\\" + clsid + L"\\InProcServer32", L"ThreadingModel", L"Apartment");
    setDefault(std::wstring(kAllFiles), clsid);
    setDefault(std::wstring(kFolders), clsid);
    setDefault(L".shrec", kProgId);
    setDefault(std::wstring(kProgId) + L"\\shellex\\DropHandler", clsid);
    setDefault(std::wstring(kProgId) + L"\\shellex\\PropertySheetHandlers\\ShellhostRecorder", clsid);
    SetEnvironmentVariableW(kRecorderFileVariable, recordFile.c_str());
  }
  ~RecorderRegistration() {
    for (const std::wstring& key : {L"CLSID\\" + std::wstring(kRecorderClsid), std::wstring(kAllFiles),
                                    std::wstring(kFolders), std::wstring(L".shrec"), std::wstring(kProgId)}) {
      RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
    }
    SetEnvironmentVariableW(kRecorderFileVariable, nullptr);
  }
  RecorderRegistration(const RecorderRegistration&) = delete;
  RecorderRegistration& operator=(const RecorderRegistration&) = delete;

 private:
  static constexpr wchar_t kAllFiles[] = L"*\\shellex\\ContextMenuHandlers\\ShellhostRecorder";
  static constexpr wchar_t kFolders[] = L"Folder\\shellex\\ContextMenuHandlers\\ShellhostRecorder";
  static constexpr wchar_t kProgId[] = L"ShellhostTest.Recorded";

  static void setValue(const std::wstring& key, const wchar_t* name, const std::wstring& data) {
    RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), name, REG_SZ, data.c_str(),
                    static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
  }
  static void setDefault(const std::wstring& key, const std::wstring& data) { setValue(key, nullptr, data); }
};

// The lines of a UTF-8 text file, empty when there is none.
inline std::vector<std::wstring> fileLines(const std::wstring& path) {
  std::vector<std::wstring> lines;
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return lines;
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  size_t start = 0;
  for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
    std::string line = bytes.substr(start, end - start);
    std::wstring wide(line.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    lines.push_back(wide);
  }
  return lines;
}

}  // namespace brivane::testing
