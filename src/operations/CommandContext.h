#pragma once
#include <cstdint>
#include <string>
#include <utility>

#include "operations/FailureNotice.h"

namespace brivane {

namespace CommandOption {
constexpr std::uint16_t KeepOriginal = 1;       // the sources stay in place
constexpr std::uint16_t AppendDestination = 2;  // the items are added to an existing secured folder
}  // namespace CommandOption

// What the command dispatcher and the drop handler hand to an operation. Made like a record of its three
// fields; a context made without a notice tells nobody of a failure.
struct CommandContext {
  CommandContext(std::wstring destination = {}, std::uint16_t optionFlags = 0, FailureNotice notice = {})
      : destination(std::move(destination)), optionFlags(optionFlags), notice(notice) {}

  std::wstring destination;  // a folder ending in "\", or the path of a secured folder
  std::uint16_t optionFlags = 0;
  FailureNotice notice;  // where a hand-off that fails is told
};

}  // namespace brivane
