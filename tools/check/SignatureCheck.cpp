#include "SignatureCheck.h"

#include <windows.h>

#include "CheckLinks.h"
#include "PeSignature.h"
#include "RegistryValue.h"
#include "module/RegistrationInputs.h"
#include "operations/HandOff.h"
#include "settings/ProductSettings.h"

namespace brivane {
namespace {

std::wstring described(const std::wstring& path, const PeSignature& signature) {
  switch (signature.state) {
    case PeSignature::State::Signed:
      return path + L" is signed by " + signature.signer;
    case PeSignature::State::Unsigned:
      return path + L" is not signed";
    default:
      return path + L": " + signature.problem;
  }
}

Finding signatures() {
  const std::wstring classId = classIdString().value_or(L"");
  const std::wstring extension = readRawValue(HKEY_CLASSES_ROOT, L"CLSID\\" + classId + L"\\InProcServer32", L"").text;
  std::wstring core;
  coreLibraryPath(kHandOffProductKey, core);
  const PeSignature extensionSignature = readPeSignature(extension);
  const PeSignature coreSignature = readPeSignature(core);
  std::wstring found = described(extension, extensionSignature) + L"; " + described(core, coreSignature);
  if (extensionSignature.state == PeSignature::State::Unsigned && coreSignature.state == PeSignature::State::Unsigned)
    found += L" (a development build: a release is signed)";
  return Finding::ok(kSignatureLink, found);
}

}  // namespace

void checkSignatures(CheckReport& report) {
  report.addChecked(kSignatureLink, {kClassRegistrationLink, kModuleFolderLink}, signatures);
}

}  // namespace brivane
