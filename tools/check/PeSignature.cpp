#include "PeSignature.h"

#include <windows.h>
#include <wincrypt.h>
#include <wintrust.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "support/Handles.h"

namespace brivane {
namespace {

// More than any real signature with its chain; a larger table is not read.
constexpr DWORD kLargestTable = 1024 * 1024;
// WIN_CERTIFICATE up to its content.
constexpr DWORD kCertificateHeader = offsetof(WIN_CERTIFICATE, bCertificate);
constexpr DWORD kEncodings = X509_ASN_ENCODING | PKCS_7_ASN_ENCODING;

struct StoreTraits {
  using Handle = HCERTSTORE;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { CertCloseStore(h, 0); }
};
struct MessageTraits {
  using Handle = HCRYPTMSG;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { CryptMsgClose(h); }
};
struct CertificateTraits {
  using Handle = PCCERT_CONTEXT;
  static Handle invalid() { return nullptr; }
  static void close(Handle h) { CertFreeCertificateContext(h); }
};

PeSignature unreadable(std::wstring problem) { return {PeSignature::State::Unreadable, {}, std::move(problem)}; }

bool readAt(HANDLE file, LONGLONG offset, void* buffer, DWORD size) {
  LARGE_INTEGER position;
  position.QuadPart = offset;
  DWORD read = 0;
  return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && ReadFile(file, buffer, size, &read, nullptr) &&
         read == size;
}

// The certificate table's entry of the optional header's data directory; false when the file is no
// Windows program file.
bool certificateTableEntry(HANDLE file, IMAGE_DATA_DIRECTORY& entry) {
  IMAGE_DOS_HEADER dos{};
  DWORD signature = 0;
  WORD magic = 0;
  if (!readAt(file, 0, &dos, sizeof dos) || dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew <= 0 ||
      !readAt(file, dos.e_lfanew, &signature, sizeof signature) || signature != IMAGE_NT_SIGNATURE)
    return false;
  const LONGLONG optional = dos.e_lfanew + sizeof signature + sizeof(IMAGE_FILE_HEADER);
  if (!readAt(file, optional, &magic, sizeof magic)) return false;
  LONGLONG directory = 0;
  DWORD count = 0;
  if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
    directory = optional + offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory);
    if (!readAt(file, optional + offsetof(IMAGE_OPTIONAL_HEADER64, NumberOfRvaAndSizes), &count, sizeof count))
      return false;
  } else if (magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
    directory = optional + offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory);
    if (!readAt(file, optional + offsetof(IMAGE_OPTIONAL_HEADER32, NumberOfRvaAndSizes), &count, sizeof count))
      return false;
  } else {
    return false;
  }
  entry = {};
  return count <= IMAGE_DIRECTORY_ENTRY_SECURITY ||
         readAt(file, directory + IMAGE_DIRECTORY_ENTRY_SECURITY * sizeof entry, &entry, sizeof entry);
}

// The subject of the certificate that signed the PKCS #7 signed data.
PeSignature signerOf(const BYTE* data, DWORD size) {
  CRYPT_DATA_BLOB blob{size, const_cast<BYTE*>(data)};
  UniqueHandle<StoreTraits> store;
  UniqueHandle<MessageTraits> message;
  if (!CryptQueryObject(CERT_QUERY_OBJECT_BLOB, &blob, CERT_QUERY_CONTENT_FLAG_PKCS7_SIGNED,
                        CERT_QUERY_FORMAT_FLAG_BINARY, 0, nullptr, nullptr, nullptr, store.out(), message.out(),
                        nullptr))
    return unreadable(L"a signature that does not decode");
  DWORD infoSize = 0;
  if (!CryptMsgGetParam(message.get(), CMSG_SIGNER_CERT_INFO_PARAM, 0, nullptr, &infoSize) || infoSize == 0)
    return unreadable(L"a signature without a signer");
  std::vector<BYTE> info(infoSize);
  if (!CryptMsgGetParam(message.get(), CMSG_SIGNER_CERT_INFO_PARAM, 0, info.data(), &infoSize))
    return unreadable(L"a signature without a signer");
  UniqueHandle<CertificateTraits> certificate(CertFindCertificateInStore(
      store.get(), kEncodings, 0, CERT_FIND_SUBJECT_CERT, reinterpret_cast<CERT_INFO*>(info.data()), nullptr));
  if (!certificate) return unreadable(L"a signature without its signing certificate");
  // As Windows shows a signer: "CN=..., O=...", without quotes around values with spaces.
  DWORD type = CERT_X500_NAME_STR | CERT_NAME_STR_REVERSE_FLAG | CERT_NAME_STR_NO_QUOTING_FLAG;
  wchar_t subject[512] = {};
  CertGetNameStringW(certificate.get(), CERT_NAME_RDN_TYPE, 0, &type, subject, 512);
  return {PeSignature::State::Signed, subject, {}};
}

}  // namespace

PeSignature readPeSignature(const std::wstring& path) {
  UniqueFile file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return unreadable(L"cannot be read (error " + std::to_wstring(GetLastError()) + L")");
  IMAGE_DATA_DIRECTORY entry{};
  if (!certificateTableEntry(file.get(), entry)) return unreadable(L"not a Windows program file");
  if (entry.VirtualAddress == 0 || entry.Size == 0) return {};
  if (entry.Size <= kCertificateHeader || entry.Size > kLargestTable)
    return unreadable(L"a certificate table of " + std::to_wstring(entry.Size) + L" bytes");
  // The table's "VirtualAddress" is an offset in the file.
  std::vector<BYTE> table(entry.Size);
  if (!readAt(file.get(), entry.VirtualAddress, table.data(), entry.Size))
    return unreadable(L"a certificate table beyond the end of the file");
  WIN_CERTIFICATE header{};
  CopyMemory(&header, table.data(), kCertificateHeader);
  if (header.dwLength <= kCertificateHeader || header.dwLength > entry.Size ||
      header.wRevision != WIN_CERT_REVISION_2_0 || header.wCertificateType != WIN_CERT_TYPE_PKCS_SIGNED_DATA)
    return unreadable(L"a certificate table without an Authenticode signature");
  return signerOf(table.data() + kCertificateHeader, header.dwLength - kCertificateHeader);
}

}  // namespace brivane
