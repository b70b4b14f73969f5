#include "operations/RandomBytes.h"

#include <cryptopp/randpool.h>
#include <cryptopp/sha.h>
#include <process.h>
#include <bcrypt.h>

#include <iterator>

#include <mutex>

#include "operations/ProcessLock.h"

namespace brivane {
namespace {

struct RandomState {
  CryptoPP::RandomPool pool;
  bool seeded = false;
};

// Made when the module loads, as a guarded local static would take a TLS slot the thread library never
// returns when the module is freed.
RandomState randomState;

std::array<std::uint8_t, 4> littleEndian(std::uint32_t value) {
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

void seed(CryptoPP::RandomPool& pool) {
  // Cleared first, so the hashed bytes behind a short name are always zeros.
  wchar_t userName[kUserNameBufferChars] = {};
  DWORD size = kUserNameBufferChars;
  GetUserNameW(userName, &size);
  const std::vector<std::uint8_t> material = seedMaterial(userName, static_cast<std::uint32_t>(_getpid()));
  pool.IncorporateEntropy(material.data(), material.size());
}

}  // namespace

std::array<std::uint8_t, 32> seedDigest(const wchar_t (&userName)[kUserNameBufferChars], std::uint32_t processId) {
  CryptoPP::SHA256 hash;
  hash.Update(reinterpret_cast<const CryptoPP::byte*>(userName), 256);
  const auto id = littleEndian(processId);
  hash.Update(id.data(), id.size());
  std::array<std::uint8_t, 32> digest{};
  hash.Final(digest.data());
  return digest;
}

std::vector<std::uint8_t> seedMaterial(const wchar_t (&userName)[kUserNameBufferChars], std::uint32_t processId) {
  const auto digest = seedDigest(userName, processId);
  std::vector<std::uint8_t> material(digest.begin(), digest.end());
  std::uint8_t system[32] = {};
  if (BCryptGenRandom(nullptr, system, sizeof system, BCRYPT_USE_SYSTEM_PREFERRED_RNG) >= 0)
    material.insert(material.end(), std::begin(system), std::end(system));
  return material;
}

void randomBytes(std::uint8_t* buffer, std::size_t count) {
  std::lock_guard<SystemLock> guard(processStateLock());
  RandomState& state = randomState;
  if (!state.seeded) {
    state.seeded = true;
    seed(state.pool);
  }
  const auto ticks = littleEndian(GetTickCount());
  state.pool.IncorporateEntropy(ticks.data(), ticks.size());
  state.pool.GenerateBlock(buffer, count);
}

}  // namespace brivane
