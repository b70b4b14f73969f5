#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "operations/RandomBytes.h"

namespace brivane {
namespace {

std::string hex(const std::array<std::uint8_t, 32>& digest) {
  static const char digits[] = "0123456789abcdef";
  std::string text;
  for (std::uint8_t byte : digest) {
    text += digits[byte >> 4];
    text += digits[byte & 15];
  }
  return text;
}

void fillName(wchar_t (&buffer)[kUserNameBufferChars], const wchar_t* name) {
  std::memset(buffer, 0, sizeof buffer);
  std::wcscpy(buffer, name);
}

// Reference digests computed independently: SHA-256 of the UTF-16LE name padded with zeros to 256 bytes,
// followed by the process id as 4 little-endian bytes.
TEST(SeedDigest, HashesTheNameBufferAndTheProcessId) {
  wchar_t name[kUserNameBufferChars];
  fillName(name, L"alice");
  EXPECT_EQ(hex(seedDigest(name, 0x01020304)), "f19863b65035f19f190fd81d2a405ec4141c4b58f8cb6f0839cd06d30fc8a1c3");
  fillName(name, L"");
  EXPECT_EQ(hex(seedDigest(name, 0)), "9c0095c04ef53d9df41602f3783c90ef3c3e27cc9d0b38262d23930db6313f5a");
}

TEST(SeedDigest, OnlyTheFirst256BytesOfTheBufferCount) {
  wchar_t name[kUserNameBufferChars];
  fillName(name, L"alice");
  const auto digest = seedDigest(name, 42);
  name[128] = L'x';
  EXPECT_EQ(seedDigest(name, 42), digest);
  name[127] = L'x';
  EXPECT_NE(seedDigest(name, 42), digest);
  fillName(name, L"alice");
  EXPECT_NE(seedDigest(name, 43), digest);
}

TEST(SeedMaterial, TheSameUserAndProcessIdStillSeedDifferently) {
  wchar_t name[kUserNameBufferChars];
  fillName(name, L"alice");
  const std::vector<std::uint8_t> first = seedMaterial(name, 42);
  const std::vector<std::uint8_t> second = seedMaterial(name, 42);
  ASSERT_EQ(first.size(), 64u);
  const auto digest = seedDigest(name, 42);
  EXPECT_TRUE(std::equal(digest.begin(), digest.end(), first.begin()));
  EXPECT_NE(first, second);
}

TEST(RandomBytes, SuccessiveDrawsDiffer) {
  std::uint8_t first[16] = {};
  std::uint8_t second[16] = {};
  randomBytes(first, sizeof first);
  randomBytes(second, sizeof second);
  EXPECT_NE(std::memcmp(first, second, sizeof first), 0);
}

TEST(RandomBytes, FillsExactlyTheBytesAskedFor) {
  std::vector<std::uint8_t> buffer(4100, 0xAB);
  randomBytes(buffer.data(), 4096);
  EXPECT_EQ(buffer[4096], 0xAB);
  EXPECT_EQ(buffer[4099], 0xAB);
  std::set<std::uint8_t> values(buffer.begin(), buffer.begin() + 4096);
  EXPECT_GT(values.size(), 200u);
  randomBytes(buffer.data(), 0);
}

TEST(RandomBytes, ThreadsDrawingAtOnceGetIndependentNumbers) {
  constexpr int kThreads = 8;
  constexpr int kDraws = 250;
  std::vector<std::vector<std::uint64_t>> drawn(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&drawn, t] {
      for (int i = 0; i < kDraws; ++i) {
        std::uint64_t value = 0;
        randomBytes(reinterpret_cast<std::uint8_t*>(&value), sizeof value);
        drawn[t].push_back(value);
      }
    });
  for (std::thread& thread : threads) thread.join();
  std::set<std::uint64_t> distinct;
  for (const auto& values : drawn) distinct.insert(values.begin(), values.end());
  EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kThreads * kDraws));
}

}  // namespace
}  // namespace brivane
