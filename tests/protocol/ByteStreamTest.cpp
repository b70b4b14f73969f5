#include <gtest/gtest.h>

#include <vector>

#include "protocol/ByteStream.h"
#include "protocol/ValueBuffer.h"

namespace brivane {
namespace {

TEST(ByteSink, GrowsInWholeStepsAndKeepsEveryByte) {
  ByteSink sink;
  EXPECT_EQ(sink.data(), nullptr);
  std::vector<std::uint8_t> written;
  std::size_t growths = 0;
  std::size_t capacity = 0;
  for (int i = 0; i < 5000; ++i) {
    const std::uint8_t chunk[3] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8), 0x5A};
    sink.write(chunk, sizeof chunk);
    written.insert(written.end(), chunk, chunk + sizeof chunk);
    EXPECT_EQ(sink.capacity() % ByteSink::kGrowthStep, 0u);
    if (sink.capacity() != capacity) ++growths;
    capacity = sink.capacity();
  }
  EXPECT_EQ(sink.size(), written.size());
  EXPECT_EQ(std::vector<std::uint8_t>(sink.data(), sink.data() + sink.size()), written);
  EXPECT_LE(growths, 6u);  // 15000 bytes: 1024, 2048, ... at least doubling
  std::uint8_t* taken = sink.take();
  EXPECT_EQ(taken[2], 0x5A);
  EXPECT_EQ(sink.data(), nullptr);
  EXPECT_EQ(sink.size(), 0u);
  releaseValueBuffer(taken, written.size());
}

TEST(ByteSource, NeverReadsPastTheEnd) {
  const std::uint8_t bytes[] = {1, 2, 3, 4, 5};
  ByteSource source(bytes, sizeof bytes);
  std::uint8_t out[8] = {};
  EXPECT_TRUE(source.read(out, 2));
  EXPECT_EQ(out[1], 2);
  EXPECT_FALSE(source.read(out, 4));
  EXPECT_EQ(source.remaining(), 3u);
  EXPECT_FALSE(source.skip(4));
  EXPECT_TRUE(source.skip(1));
  EXPECT_TRUE(source.read(out, 2));
  EXPECT_EQ(out[0], 4);
  EXPECT_EQ(out[1], 5);
  EXPECT_EQ(source.remaining(), 0u);
  EXPECT_TRUE(source.read(out, 0));
}

}  // namespace
}  // namespace brivane
