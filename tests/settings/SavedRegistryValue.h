#pragma once
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace brivane {

// Keeps a registry value's type and bytes, deletes the value for the test, and puts it back (or deletes
// what the test left there) at the end.
class SavedRegistryValue {
 public:
  SavedRegistryValue(HKEY root, const wchar_t* subKey, const wchar_t* name)
      : root_(root), subKey_(subKey), name_(name) {
    DWORD bytes = 0;
    if (RegGetValueW(root, subKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type_, nullptr, &bytes) != ERROR_SUCCESS)
      return;
    std::vector<BYTE> data(bytes);
    if (RegGetValueW(root, subKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type_, data.data(), &bytes) != ERROR_SUCCESS)
      return;
    data.resize(bytes);
    saved_ = std::move(data);
    RegDeleteKeyValueW(root, subKey, name);
  }
  ~SavedRegistryValue() {
    if (saved_)
      RegSetKeyValueW(root_, subKey_, name_, type_, saved_->data(), static_cast<DWORD>(saved_->size()));
    else
      RegDeleteKeyValueW(root_, subKey_, name_);
  }
  SavedRegistryValue(const SavedRegistryValue&) = delete;
  SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

  void set(const std::wstring& text, DWORD type = REG_SZ) const {
    ASSERT_EQ(RegSetKeyValueW(root_, subKey_, name_, type, text.c_str(),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }
  void setDword(DWORD value) const {
    ASSERT_EQ(RegSetKeyValueW(root_, subKey_, name_, REG_DWORD, &value, sizeof value), ERROR_SUCCESS);
  }

 private:
  HKEY root_;
  const wchar_t* subKey_;
  const wchar_t* name_;
  DWORD type_ = REG_NONE;
  std::optional<std::vector<BYTE>> saved_;
};

}  // namespace brivane
