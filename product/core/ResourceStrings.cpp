#include "ResourceStrings.h"

#include <string>

#include "CoreStatus.h"
#include "ResourceFile.h"

namespace brivane::core {
namespace {

struct ResourceFileName {
  const wchar_t* name;      // as requests name it
  const wchar_t* fileName;  // beside the library
};

constexpr ResourceFileName kResourceFiles[] = {
    {L"palisorv3", L"palisorv3.txt"},
};

const wchar_t* resourceFileName(const std::wstring& name) {
  for (const ResourceFileName& file : kResourceFiles)
    if (name == file.name) return file.fileName;
  return nullptr;
}

std::wstring argumentText(ProtocolNode& arguments, const wchar_t* name) {
  ProtocolNode* argument = arguments.findPath(name, false);
  return argument ? argument->getString() : std::wstring();
}

}  // namespace

Status answerReadResourceString(ProtocolNode& arguments, ProtocolNode& answer) {
  const wchar_t* fileName = resourceFileName(argumentText(arguments, L"file"));
  if (!fileName) return STATUS_UNKNOWN_RESOURCE_FILE;
  std::wstring folder = moduleFolder();
  std::wstring text;
  if (folder.empty() || !readUtf8File(folder + fileName, text)) return STATUS_RESOURCE_FILE_UNREADABLE;
  std::wstring value;
  if (findResourceString(text, argumentText(arguments, L"path"), value)) answer.findPath(L"value", true)->setString(value);
  return STATUS_OK;
}

}  // namespace brivane::core
