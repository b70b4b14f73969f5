#pragma once
#include <windows.h>

#include <span>
#include <string>

namespace brivane {

// What a row's data format is filled with.
enum class RowArgument { ModulePath, ClassIdString };

// One registry value that registration writes. "%s" in the key and in the value name stands for the
// CLSID string, in the data for the row's argument; a null value name is the key's default value.
struct RegistrationRow {
  HKEY root;
  const wchar_t* key;
  const wchar_t* valueName;
  const wchar_t* data;
  RowArgument argument;
  bool ntOnly;
};

// One key (a null value name) or one value that unregistration deletes; "%s" stands for the CLSID string.
// A required row that cannot be deleted ends the run.
struct RemovalRow {
  HKEY root;
  const wchar_t* key;
  const wchar_t* valueName;
  bool required;
  bool ntOnly;
};

// In the order written.
std::span<const RegistrationRow> registrationRows();

// A row's key, value name or data with its one "%s" replaced by `argument`; a format without "%s" is
// used unchanged.
std::wstring fillFormat(const wchar_t* format, const std::wstring& argument);

// In the order deleted: a sub-key before its parent.
std::span<const RemovalRow> removalRows();

}  // namespace brivane
