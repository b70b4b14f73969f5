#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

namespace brivane {

// What the property page of one kind of secured item shows.
struct PageKind {
  const wchar_t* extension;
  WORD icon;
  const wchar_t* title;
  std::size_t textLabel;  // index into the page labels
};

// The kind of page for an item, by its extension in any letter case; null for an item that is not
// secured, which gets no page.
const PageKind* pageKindOf(const std::wstring& path);

}  // namespace brivane
