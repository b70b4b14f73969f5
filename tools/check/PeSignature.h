#pragma once
#include <string>

namespace brivane {

// The Authenticode signature a program or DLL carries in its certificate table, as far as reading it
// goes: whether there is one and who signed it. Whether it is valid and trusted is Windows' decision.
struct PeSignature {
  enum class State { Unsigned, Signed, Unreadable };
  State state = State::Unsigned;
  std::wstring signer;   // Signed: the signing certificate's subject, "CN=..., O=..."
  std::wstring problem;  // Unreadable: why, in a few words
};

PeSignature readPeSignature(const std::wstring& path);

}  // namespace brivane
