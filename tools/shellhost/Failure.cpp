#include "Commands.h"

namespace brivane {

int fail(const std::wstring& what, HRESULT hr) {
  reportError(what + L" (" + hresultText(hr) + L")");
  return kExitFailure;
}

}  // namespace brivane
