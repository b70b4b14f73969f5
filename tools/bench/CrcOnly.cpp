// A library holding nothing but Crypto++'s CRC-32: what linking Crypto++ alone costs a load.
#include <cryptopp/crc.h>

extern "C" __declspec(dllexport) unsigned crc32Of(const unsigned char* bytes, unsigned count) {
  CryptoPP::CRC32 crc;
  crc.Update(bytes, count);
  unsigned digest = 0;
  crc.Final(reinterpret_cast<CryptoPP::byte*>(&digest));
  return digest;
}
