#include "ResourceStrings.h"

#include <array>
#include <mutex>
#include <optional>
#include <string>

#include "CoreStatus.h"
#include "ResourceFile.h"
#include "support/SystemLock.h"

namespace brivane::core {
namespace {

struct ResourceFileName {
  const wchar_t* name;      // as requests name it
  const wchar_t* fileName;  // beside the library
};

constexpr ResourceFileName kResourceFiles[] = {
    {L"palisorv3", L"palisorv3.txt"},
};

constexpr std::size_t kNoResourceFile = std::size(kResourceFiles);

std::size_t resourceFileIndex(const std::wstring& name) {
  for (std::size_t index = 0; index < std::size(kResourceFiles); ++index)
    if (name == kResourceFiles[index].name) return index;
  return kNoResourceFile;
}

// A resource file's text, read on its first request and kept while the library stays loaded: a caller
// that loads the library for a set of labels pays for one read, and the next load reads the file anew.
SystemLock textsLock;
std::array<std::optional<std::optional<std::wstring>>, std::size(kResourceFiles)> texts;

// Null when the file could not be read.
const std::wstring* resourceText(std::size_t index) {
  std::lock_guard<SystemLock> guard(textsLock);
  std::optional<std::optional<std::wstring>>& entry = texts[index];
  if (!entry) {
    const std::wstring folder = moduleFolder();
    std::wstring text;
    entry.emplace();
    if (!folder.empty() && readUtf8File(folder + kResourceFiles[index].fileName, text)) entry->emplace(std::move(text));
  }
  return *entry ? &**entry : nullptr;
}

std::wstring argumentText(ProtocolNode& arguments, const wchar_t* name) {
  ProtocolNode* argument = arguments.findPath(name, false);
  return argument ? argument->getString() : std::wstring();
}

}  // namespace

Status answerReadResourceString(ProtocolNode& arguments, ProtocolNode& answer) {
  const std::size_t index = resourceFileIndex(argumentText(arguments, L"file"));
  if (index == kNoResourceFile) return STATUS_UNKNOWN_RESOURCE_FILE;
  const std::wstring* text = resourceText(index);
  if (!text) return STATUS_RESOURCE_FILE_UNREADABLE;
  std::wstring value;
  if (findResourceString(*text, argumentText(arguments, L"path"), value)) answer.findPath(L"value", true)->setString(value);
  return STATUS_OK;
}

}  // namespace brivane::core
