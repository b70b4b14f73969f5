#pragma once
#include <string>

namespace brivane {

// What one selected path is on disk; secured files and secured folders are told apart by extension alone.
enum class ItemKind {
  Unfound,
  Folder,
  QeldItem,
  QelfItem,
  PlainFile,
};

// Searches for the exact path text: a drive root, a vanished path or one holding wildcards is Unfound.
ItemKind itemKindOf(const std::wstring& path);

}  // namespace brivane
