#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "protocol/ByteStream.h"
#include "protocol/ProtocolNode.h"
#include "protocol/Timestamp.h"
#include "FileTimeTicks.h"
#include "support/Handles.h"

namespace brivane {
namespace {

std::vector<std::uint8_t> rawOf(ProtocolNode& node) {
  const auto [bytes, length] = node.getRaw();
  return bytes ? std::vector<std::uint8_t>(bytes, bytes + length) : std::vector<std::uint8_t>();
}

void setWord(ProtocolNode& node, ValueKind kind, std::uint32_t word) { node.setValue(kind, &word, sizeof word); }

FILETIME fileTimeOf(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME fields{};
  fields.wYear = year;
  fields.wMonth = month;
  fields.wDay = day;
  fields.wHour = hour;
  fields.wMinute = minute;
  fields.wSecond = second;
  FILETIME fileTime{};
  EXPECT_TRUE(SystemTimeToFileTime(&fields, &fileTime));
  return fileTime;
}

TEST(SetString, StoresCodeUnitsAndOneNul) {
  ProtocolNode node(L"system", L"");
  node.setFlags(0);
  node.setString(L"");
  EXPECT_EQ(node.kind(), ValueKind::String);
  EXPECT_EQ(node.dataLength(), 2u);
  EXPECT_EQ(rawOf(node), (std::vector<std::uint8_t>{0, 0}));
  EXPECT_EQ(node.flags(), NodeFlag::Changed);
  node.setString(L"\u00fc\u20ac");
  EXPECT_EQ(rawOf(node), (std::vector<std::uint8_t>{0xFC, 0x00, 0xAC, 0x20, 0, 0}));
  EXPECT_EQ(node.getString(), L"\u00fc\u20ac");
}

TEST(SetBinary, CopiesTheBytesOrZeroFillsWithoutKind) {
  ProtocolNode node;
  const std::uint8_t bytes[] = {1, 2, 3};
  node.setBinary(bytes, 3);
  EXPECT_EQ(node.kind(), ValueKind::Binary);
  EXPECT_EQ(rawOf(node), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_NE(node.getRaw().first, bytes);
  node.setBinary(nullptr, 2);
  EXPECT_EQ(node.kind(), ValueKind::None);
  EXPECT_EQ(rawOf(node), (std::vector<std::uint8_t>{0, 0}));
  node.setBinary(bytes, 0);
  EXPECT_EQ(node.kind(), ValueKind::Binary);
  EXPECT_EQ(node.getRaw().first, nullptr);
  EXPECT_EQ(node.dataLength(), 0u);
}

TEST(SetValue, NodeCanBeGivenItsOwnBytes) {
  ProtocolNode node;
  const std::uint8_t bytes[] = {9, 8, 7, 6};
  node.setBinary(bytes, 4);
  const auto [own, length] = node.getRaw();
  node.setValue(ValueKind::UInt32, own, length);
  EXPECT_EQ(node.kind(), ValueKind::UInt32);
  EXPECT_EQ(rawOf(node), (std::vector<std::uint8_t>{9, 8, 7, 6}));
}

TEST(SetValue, BorrowedBufferIsNeitherReportedNorReleased) {
  std::uint8_t borrowed[4] = {0x2A, 0, 0, 0};
  {
    ProtocolNode node;
    node.setValue(ValueKind::Borrowed, borrowed, sizeof borrowed);
    EXPECT_EQ(node.kind(), ValueKind::Borrowed);
    EXPECT_EQ(node.getRaw().first, nullptr);
    EXPECT_EQ(node.getRaw().second, 0u);
    EXPECT_EQ(node.getString(), L"");
    EXPECT_EQ(node.getInt(), 0x2A);
    node.setString(L"replaced");
  }
  EXPECT_EQ(borrowed[0], 0x2A);  // neither wiped nor freed by the node
}

TEST(GetInt, ParsesTheLeadingDecimalOfAString) {
  ProtocolNode node;
  node.setString(L" 42abc");
  EXPECT_EQ(node.getInt(), 42);
  node.setString(L"abc");
  EXPECT_EQ(node.getInt(), 0);
  node.setString(L"\t-17 apples");
  EXPECT_EQ(node.getInt(), -17);
  node.setString(L"+5");
  EXPECT_EQ(node.getInt(), 5);
}

TEST(GetInt, ReadsFourLittleEndianBytesOrZeroForKindsWithoutNumber) {
  ProtocolNode node;
  setWord(node, ValueKind::UInt32, 0x01020304);
  EXPECT_EQ(node.getInt(), 0x01020304);
  setWord(node, ValueKind::Int32, 0xFFFFFFFE);
  EXPECT_EQ(node.getInt(), -2);
  const std::uint8_t six[] = {1, 0, 0, 0, 9, 9};
  node.setBinary(six, sizeof six);
  EXPECT_EQ(node.getInt(), 1);
  setWord(node, ValueKind::Timestamp, 7);
  EXPECT_EQ(node.getInt(), 0);
  setWord(node, ValueKind::SerializedTree, 7);
  EXPECT_EQ(node.getInt(), 0);
  node.setBinary(nullptr, 0);
  EXPECT_EQ(node.getInt(), 0);
}

TEST(GetInt, ShortValueIsZeroExtendedAndNeverReadPast) {
  const std::uint8_t bytes[] = {0x41, 0xFF, 0xFF, 0xFF};
  ProtocolNode node;
  node.setValue(ValueKind::Borrowed, bytes, 1);
  EXPECT_EQ(node.getInt(), 0x41);
  node.setValue(ValueKind::Borrowed, bytes, 3);
  EXPECT_EQ(node.getInt(), 0xFFFF41);
  node.setBinary(bytes, 1);
  EXPECT_EQ(node.getInt(), 0x41);
  node.setValue(ValueKind::UInt32, bytes + 1, 2);
  EXPECT_EQ(node.getInt(), 0xFFFF);
}

TEST(GetString, RendersEachKind) {
  ProtocolNode node;
  EXPECT_EQ(node.getString(), L"");
  setWord(node, ValueKind::UInt32, 0xFFFFFFFF);
  EXPECT_EQ(node.getString(), L"4294967295");
  setWord(node, ValueKind::Int32, 0xFFFFFFFF);
  EXPECT_EQ(node.getString(), L"-1");
  const wchar_t text[] = L"hi\0tail";
  node.setValue(ValueKind::String, text, sizeof text);
  EXPECT_EQ(node.getString(), L"hi");
  setWord(node, ValueKind::SerializedTree, 0x41);
  EXPECT_EQ(node.getString(), L"");
}

TEST(GetString, ReadsBinaryAsUtf16UpToTheFirstNul) {
  ProtocolNode node;
  const std::uint8_t odd[] = {'o', 0, 'k', 0, '!'};
  node.setBinary(odd, sizeof odd);
  EXPECT_EQ(node.getString(), L"ok!");
  const std::uint8_t stopped[] = {'a', 0, 0, 0, 'b', 0};
  node.setBinary(stopped, sizeof stopped);
  EXPECT_EQ(node.getString(), L"a");
}

TEST(GetTimestamp, OnlyAnEightByteTimestampIsOne) {
  ProtocolNode node;
  std::uint8_t out[8] = {};
  const std::uint8_t eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  node.setValue(ValueKind::Timestamp, eight, 4);
  EXPECT_FALSE(node.getTimestamp(out));
  EXPECT_EQ(node.getString(), L"");
  node.setBinary(eight, 8);
  EXPECT_FALSE(node.getTimestamp(out));
  node.setValue(ValueKind::Timestamp, eight, 8);
  EXPECT_TRUE(node.getTimestamp(out));
  EXPECT_EQ(std::memcmp(out, eight, 8), 0);
  node.setValue(ValueKind::Timestamp, nullptr, 0);
  EXPECT_FALSE(node.getTimestamp(out));
}

TEST(FormatTimestamp, ZeroIsEmptyAndAnOutOfRangeTimeIsInvalid) {
  EXPECT_EQ(formatTimestamp(std::uint64_t{0}), L"");
  EXPECT_EQ(formatTimestamp(~std::uint64_t{0}), L"Invalid DateTime");
}

TEST(FormatTimestamp, GivesTheLocalTimeInTheUsersDefaultFormat) {
  const FILETIME utc = fileTimeOf(2021, 3, 4, 5, 6, 7);
  const std::wstring text = formatTimestamp(ticksOf(utc));
  ASSERT_NE(text, L"");
  ASSERT_NE(text, L"Invalid DateTime");
  EXPECT_NE(text.find(L"2021"), std::wstring::npos) << text;

  FILETIME local;
  SYSTEMTIME expected;
  ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
  ASSERT_TRUE(FileTimeToSystemTime(&local, &expected));
  UniqueBstr parsedText(SysAllocString(text.c_str()));
  DATE parsed;
  SYSTEMTIME fields;
  ASSERT_EQ(VarDateFromStr(parsedText.get(), LOCALE_USER_DEFAULT, 0, &parsed), S_OK) << text;
  ASSERT_TRUE(VariantTimeToSystemTime(parsed, &fields));
  EXPECT_EQ(fields.wYear, expected.wYear);
  EXPECT_EQ(fields.wMonth, expected.wMonth);
  EXPECT_EQ(fields.wDay, expected.wDay);
  EXPECT_EQ(fields.wHour, expected.wHour);
  EXPECT_EQ(fields.wMinute, expected.wMinute);
  EXPECT_EQ(fields.wSecond, expected.wSecond);
}

TEST(FormatTimestamp, TimestampNodeReadsAsItsDateTimeText) {
  const FILETIME utc = fileTimeOf(2020, 12, 31, 23, 59, 58);
  ProtocolNode node;
  node.setValue(ValueKind::Timestamp, &utc, sizeof utc);
  EXPECT_EQ(node.getString(), formatTimestamp(ticksOf(utc)));
  EXPECT_NE(node.getString(), L"");
}

TEST(GetRaw, TurnsAnEmbeddedTreeIntoItsBinaryForm) {
  auto* tree = new ProtocolNode(L"inner", L"text");
  ProtocolNode::addChild(tree, L"leaf");
  ByteSink expected;
  {
    ProtocolNode twin(L"inner", L"text");
    ProtocolNode::addChild(&twin, L"leaf");
    twin.writeBinary(expected, twin.kind());
  }
  ProtocolNode holder;
  holder.setEmbeddedTree(tree);
  EXPECT_EQ(rawOf(holder), std::vector<std::uint8_t>(expected.data(), expected.data() + expected.size()));
  EXPECT_EQ(holder.kind(), ValueKind::SerializedTree);
  EXPECT_EQ(holder.dataLength(), expected.size());
  EXPECT_EQ(rawOf(holder), std::vector<std::uint8_t>(expected.data(), expected.data() + expected.size()));
}

TEST(GetRaw, EmbeddedTreeLeftOutOfTheBinaryFormBecomesAnEmptyValue) {
  auto* tree = new ProtocolNode(L"secret", L"x");
  tree->setFlags(NodeFlag::NotSerialized);
  ProtocolNode holder;
  holder.setEmbeddedTree(tree);
  EXPECT_EQ(holder.getRaw().first, nullptr);
  EXPECT_EQ(holder.kind(), ValueKind::SerializedTree);
  EXPECT_EQ(holder.dataLength(), 0u);
}

}  // namespace
}  // namespace brivane
