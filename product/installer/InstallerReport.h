#pragma once
#include <windows.h>

#include <string>

namespace brivane {

// What the installer did, one line per step on standard output (UTF-8).
void reportStep(const std::wstring& line);

// One line "brivane-install: MESSAGE" on standard error.
void reportFailure(const std::wstring& message);

void writeErrorText(const std::wstring& text);

std::wstring hresultText(HRESULT hr);

}  // namespace brivane
