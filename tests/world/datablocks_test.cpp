#include "world/datablocks.h"

#include <cstring>
#include <string>
#include <vector>

#include "support/engine_fixture.h"

namespace {

// A memory file: written to, then read back, with bytes changed in between.
struct MemFile {
  std::vector<uint8_t> bytes;
  FILE* Reader() { return fmemopen(bytes.data(), bytes.size(), "rb"); }
};

class BlockContainerTest : public EngineTest {
 protected:
  int16_t a = 0x1234;
  int32_t b = -5;
  uint8_t c[7] = {1, 2, 3, 4, 5, 6, 7};
  uint8_t empty[1] = {0};
  BlockTable table[5] = {{&a, 2}, {&b, 4}, {c, 7}, {empty, 0}, {nullptr, 0}};

  void SetUp() override {
    EngineTest::SetUp();
    WinInit(nullptr, "Gafferon test", 1);  // the container's Poll needs a ready window
  }

  MemFile Write(const BlockTable* t = nullptr, const char* tag = "OPT0") {
    char* buf = nullptr;
    size_t len = 0;
    FILE* f = open_memstream(&buf, &len);
    EXPECT_EQ(WriteDataBlocks(t ? t : table, f, tag), 0);
    std::fclose(f);
    MemFile m{std::vector<uint8_t>(buf, buf + len)};
    std::free(buf);
    return m;
  }
  int Read(MemFile& m, const BlockTable* t, const char* tag = "OPT0") {
    FILE* f = m.Reader();
    int r = ReadDataBlocks(t, f, tag);
    std::fclose(f);
    return r;
  }
};

TEST_F(BlockContainerTest, WritesTheExactLayout) {
  MemFile m = Write();
  const uint8_t expected[] = {
      'D', 'A', 'T', '0', 'O', 'P', 'T', '0', 29, 0, 0, 0, 4, 0, 0, 0,  // 13 data + 4 x 4 size words
      2, 0, 0, 0, 0x34, 0x12,                                           // a
      4, 0, 0, 0, 0xFB, 0xFF, 0xFF, 0xFF,                               // b
      7, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7,                                  // c
      0, 0, 0, 0,                                                       // the empty block: its size alone
      'E', 'N', 'D', '0', 0, 0, 0, 0};
  ASSERT_EQ(m.bytes.size(), sizeof expected);
  EXPECT_EQ(std::memcmp(m.bytes.data(), expected, sizeof expected), 0);
  EXPECT_EQ(BlockTable_Count(table), 4);
  EXPECT_EQ(BlockTable_TotalSize(table, 2), 6);
}

TEST_F(BlockContainerTest, RoundTrip) {
  MemFile m = Write();
  a = 0;
  b = 0;
  std::memset(c, 0, sizeof c);
  EXPECT_EQ(Read(m, table), 0);
  EXPECT_EQ(a, 0x1234);
  EXPECT_EQ(b, -5);
  EXPECT_EQ(c[6], 7);
}

TEST_F(BlockContainerTest, ShorterFileReportsMissingBlocks) {
  BlockTable two[3] = {{&a, 2}, {&b, 4}, {nullptr, 0}};
  MemFile m = Write(two);
  a = 0;
  EXPECT_EQ(Read(m, table), 2);  // the table has two more blocks than the file
  EXPECT_EQ(a, 0x1234);
}

TEST_F(BlockContainerTest, ReadFaultsNameTheirBlock) {
  struct Case {
    size_t cut;        // the file's length, or 0 to change block 1's size word instead
    int code, block;
  } cases[] = {{0, -13, 1}, {16 + 6 + 8 + 11 + 2, -2, 3}, {16 + 6 + 8 + 6, -3, 2}, {10, -1, -1}};
  for (const Case& c : cases) {
    MemFile m = Write();
    if (c.cut) m.bytes.resize(c.cut);
    else m.bytes[22] = 5;
    int block = 99;
    FILE* f = m.Reader();
    EXPECT_EQ(ReadDataBlocks(table, f, "OPT0", &block), c.code);
    std::fclose(f);
    EXPECT_EQ(block, c.block) << c.code;
    EXPECT_STRNE(DataBlocks_ReadErrorText(c.code), "an unknown fault");
  }
  EXPECT_STREQ(DataBlocks_ReadErrorText(0), "");
  EXPECT_STREQ(DataBlocks_WriteErrorText(-3), "a block could not be written");
  EXPECT_STREQ(DataBlocks_WriteErrorText(-7), "an unknown fault");
}

struct Corruption {
  const char* name;
  int expected;
  void (*apply)(std::vector<uint8_t>&);
};

void PrintTo(const Corruption& c, std::ostream* os) { *os << c.name; }

class BlockContainerErrors : public BlockContainerTest, public testing::WithParamInterface<Corruption> {};

TEST_P(BlockContainerErrors, BadFileReturnsItsCodeAndChangesNothing) {
  MemFile m = Write();
  GetParam().apply(m.bytes);
  a = 1;
  b = 2;
  std::memset(c, 9, sizeof c);
  if (m.bytes.empty()) m.bytes.push_back(0), m.bytes.pop_back();
  FILE* f = m.bytes.empty() ? fmemopen(const_cast<char*>(""), 0, "rb") : m.Reader();
  int r = f ? ReadDataBlocks(table, f, "OPT0") : -1;
  if (f) std::fclose(f);
  EXPECT_EQ(r, GetParam().expected);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c[0], 9);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, BlockContainerErrors,
    testing::Values(
        Corruption{"ShortHeader", -1, [](std::vector<uint8_t>& v) { v.resize(15); }},
        Corruption{"NotDat0", -10, [](std::vector<uint8_t>& v) { v[3] = '1'; }},
        Corruption{"OtherTag", -20, [](std::vector<uint8_t>& v) { std::memcpy(&v[4], "SAV0", 4); }},
        Corruption{"TooManyBlocks", -11, [](std::vector<uint8_t>& v) { v[12] = 5; }},
        Corruption{"NegativeCount", -11, [](std::vector<uint8_t>& v) { v[13] = 0x80; }},
        Corruption{"TotalWrong", -12, [](std::vector<uint8_t>& v) { v[8] = 30; }},
        Corruption{"SizeWordMissing", -2, [](std::vector<uint8_t>& v) { v.resize(16 + 6 + 8 + 11 + 2); }},
        Corruption{"BlockSizeDiffers", -13, [](std::vector<uint8_t>& v) { v[22] = 5; }},
        Corruption{"BlockShort", -3, [](std::vector<uint8_t>& v) { v.resize(16 + 6 + 8 + 6); }},
        Corruption{"TrailerShort", -4, [](std::vector<uint8_t>& v) { v.resize(v.size() - 1); }},
        Corruption{"TrailerWrong", -14, [](std::vector<uint8_t>& v) { v[v.size() - 8] = 'X'; }},
        Corruption{"HeaderPaddingNotZero", -10, [](std::vector<uint8_t>& v) { v[15] = 1; }},
        Corruption{"TrailerPaddingNotZero", -14, [](std::vector<uint8_t>& v) { v[v.size() - 1] = 0x40; }}),
    [](const testing::TestParamInfo<Corruption>& info) { return std::string(info.param.name); });

}  // namespace
