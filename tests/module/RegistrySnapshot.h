#pragma once
// Saves the registry entries that registration touches and puts them back afterwards, so a test that
// registers and unregisters the extension leaves the prefix as it found it.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "support/Handles.h"

namespace brivane::test {

inline const wchar_t* const kApprovedKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

class RegistrySnapshot {
 public:
  RegistrySnapshot(std::vector<std::wstring> classesKeys, std::wstring approvalValue)
      : keys_(std::move(classesKeys)), approvalValue_(std::move(approvalValue)) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kBackupKey);
    for (std::size_t i = 0; i < keys_.size(); ++i) saved_.push_back(save(keys_[i], i));
    approvalData_ = readApproval();
  }
  ~RegistrySnapshot() {
    for (std::size_t i = 0; i < keys_.size(); ++i) restore(keys_[i], i);
    if (approvalData_) {
      RegSetKeyValueW(HKEY_LOCAL_MACHINE, kApprovedKey, approvalValue_.c_str(), REG_SZ, approvalData_->c_str(),
                      static_cast<DWORD>((approvalData_->size() + 1) * sizeof(wchar_t)));
    } else {
      RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kApprovedKey, approvalValue_.c_str());
    }
    RegDeleteTreeW(HKEY_CURRENT_USER, kBackupKey);
  }
  RegistrySnapshot(const RegistrySnapshot&) = delete;
  RegistrySnapshot& operator=(const RegistrySnapshot&) = delete;

 private:
  static constexpr const wchar_t* kBackupKey = L"Software\\BrivaneTests\\RegistrationBackup";

  static std::wstring backupOf(std::size_t index) { return std::wstring(kBackupKey) + L"\\" + std::to_wstring(index); }

  static bool save(const std::wstring& key, std::size_t index) {
    RegKey source;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, source.out()) != ERROR_SUCCESS) return false;
    RegKey backup;
    RegCreateKeyExW(HKEY_CURRENT_USER, backupOf(index).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, backup.out(),
                    nullptr);
    return RegCopyTreeW(source.get(), nullptr, backup.get()) == ERROR_SUCCESS;
  }

  void restore(const std::wstring& key, std::size_t index) const {
    RegDeleteTreeW(HKEY_CLASSES_ROOT, key.c_str());
    RegDeleteKeyW(HKEY_CLASSES_ROOT, key.c_str());
    if (!saved_[index]) return;
    RegKey backup;
    RegKey target;
    RegOpenKeyExW(HKEY_CURRENT_USER, backupOf(index).c_str(), 0, KEY_READ, backup.out());
    RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, target.out(), nullptr);
    RegCopyTreeW(backup.get(), nullptr, target.get());
  }

  std::optional<std::wstring> readApproval() const {
    wchar_t data[512];
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, kApprovedKey, approvalValue_.c_str(), RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
      return std::nullopt;
    }
    return std::wstring(data);
  }

  std::vector<std::wstring> keys_;
  std::wstring approvalValue_;
  std::vector<bool> saved_;
  std::optional<std::wstring> approvalData_;
};

}  // namespace brivane::test
