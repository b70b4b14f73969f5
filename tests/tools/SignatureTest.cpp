// brivane-check's reading of Authenticode signatures, on the package's signed programs and DLLs and on
// the unsigned ones the build makes, whole and damaged.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "PeSignature.h"
#include "support/TestSupport.h"

namespace brivane {
namespace {

using testing::TemporaryFolder;

const std::wstring kSignedDir = BRIVANE_SIGNED_DIR;
const std::wstring kBinDir = BRIVANE_BIN_DIR;
constexpr wchar_t kTestSigner[] = L"CN=Brivane Test Code Signing, O=Brivane";

// The offset of the certificate table in a PE32+ file, read from its data directory.
DWORD certificateTableOffset(const std::string& bytes) {
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes.data() + dos->e_lfanew);
  return nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_SECURITY].VirtualAddress;
}

TEST(PeSignature, NamesTheSignerOfEverySignedProgramAndDll) {
  for (const wchar_t* name : {L"BrivaneShell.dll", L"Brivane_Core.dll", L"Brivane_Application_Palisor_Against_Lib.exe",
                              L"brivane-check.exe"}) {
    const PeSignature signature = readPeSignature(kSignedDir + L"\\" + name);
    EXPECT_EQ(signature.state, PeSignature::State::Signed) << testing::toUtf8(name);
    EXPECT_EQ(signature.signer, kTestSigner) << testing::toUtf8(name);
  }
}

TEST(PeSignature, ABuiltModuleIsUnsigned) {
  const PeSignature signature = readPeSignature(kBinDir + L"\\BrivaneShell.dll");
  EXPECT_EQ(signature.state, PeSignature::State::Unsigned);
  EXPECT_TRUE(signature.signer.empty());
}

TEST(PeSignature, DamagedOrMissingFilesAreUnreadableNotSigned) {
  TemporaryFolder folder;
  const std::optional<std::string> signedBytes = testing::readFileBytes(kSignedDir + L"\\BrivaneShell.dll");
  ASSERT_TRUE(signedBytes);
  const DWORD table = certificateTableOffset(*signedBytes);
  ASSERT_GT(table, 0u);
  ASSERT_LT(table + 64, signedBytes->size());

  std::string truncated = signedBytes->substr(0, table + 16);
  std::string noSignedData = *signedBytes;
  noSignedData[table + 6] = 0x01;  // wCertificateType: an X.509 certificate, not PKCS #7 signed data
  std::string garbled = *signedBytes;
  for (std::size_t at = table + 8; at < table + 64; ++at) garbled[at] = static_cast<char>(0xA5);

  const struct {
    const wchar_t* name;
    std::string bytes;
    const wchar_t* problem;
  } cases[] = {
      {L"truncated.dll", truncated, L"a certificate table beyond the end of the file"},
      {L"x509.dll", noSignedData, L"a certificate table without an Authenticode signature"},
      {L"garbled.dll", garbled, L"a signature that does not decode"},
      {L"text.dll", "not a program", L"not a Windows program file"},
      {L"empty.dll", "", L"not a Windows program file"},
  };
  for (const auto& damaged : cases) {
    const PeSignature signature = readPeSignature(folder.file(damaged.name, damaged.bytes));
    EXPECT_EQ(signature.state, PeSignature::State::Unreadable) << testing::toUtf8(damaged.name);
    EXPECT_EQ(signature.problem, damaged.problem) << testing::toUtf8(damaged.name);
  }
  const PeSignature missing = readPeSignature(folder.pathOf(L"missing.dll"));
  EXPECT_EQ(missing.state, PeSignature::State::Unreadable);
  EXPECT_EQ(missing.problem, L"cannot be read (error 2)");
}

}  // namespace
}  // namespace brivane
