#include <gtest/gtest.h>

#include <cstring>

#include "world/source_records.h"

namespace {

TEST(SourceRecords, TotstatBlocksLieAtTheirOffsets) {
  EXPECT_EQ(TOTSTAT_PLAYERS_OFFSET, 68400);
  EXPECT_EQ(TOTSTAT_FIRST_NAMES_OFFSET, 1143400);
  EXPECT_EQ(TOTSTAT_FIRST_NAMES_SIZE, 425000);
  EXPECT_EQ(TOTSTAT_COUNT_OFFSET, 1568400);
  EXPECT_EQ(TOTSTAT_SIZE, 1568404);
  EXPECT_EQ(NAMES_FILE_SIZE, 340000);
}

// Each field the new game reads sits at its byte offset, little-endian.
TEST(SourceRecords, ClubFieldsSitAtTheirOffsets) {
  SourceClub c{};
  std::strcpy(c.name, "Kestlemore Swifts");
  c.dbNumber = 0x0412;
  c.country = 7;
  c.division = 3;
  c.mapX = 0x0123;
  c.mapY = -2;
  c.capacity = 0x01020304;
  uint8_t r[SOURCE_CLUB_RECORD_SIZE];
  EncodeSourceClub(c, r);
  const struct {
    int offset;
    uint8_t byte;
  } bytes[] = {{0, 'K'},  {16, 's'}, {17, 0},     {35, 0x12}, {36, 0x04}, {37, 7},    {38, 0},   {39, 3},
               {41, 0x23}, {42, 0x01}, {43, 0xFE}, {44, 0xFF}, {53, 0x04}, {54, 0x03}, {55, 0x02}, {56, 0x01}};
  for (const auto& b : bytes) EXPECT_EQ(r[b.offset], b.byte) << b.offset;
  const SourceClub back = DecodeSourceClub(r);
  EXPECT_STREQ(back.name, c.name);
  EXPECT_EQ(back.dbNumber, c.dbNumber);
  EXPECT_EQ(back.mapY, -2);
  EXPECT_EQ(back.capacity, c.capacity);
}

TEST(SourceRecords, PlayerFieldsSitAtTheirOffsets) {
  SourcePlayer p{};
  p.initial = 'K';
  p.quality = 81;
  p.position = SRC_POS_MANAGER;
  p.lookA = 1;
  p.lookB = 2;
  p.lookC = 3;
  p.nationality = 66;
  p.birthYear = 72;
  p.trainingFlag = 1;
  p.side = 4;
  p.dbClub = SRC_CLUB_FREE_AGENT;
  p.surname = 0x3FFF;
  uint8_t r[SOURCE_PLAYER_RECORD_SIZE];
  EncodeSourcePlayer(p, r);
  const struct {
    int offset;
    int16_t value;
  } fields[] = {{17, 81}, {19, 13}, {21, 1}, {25, 2}, {27, 3}, {29, 66}, {31, 72}, {33, 1}, {35, 4}, {37, -2}, {39, 0x3FFF}};
  EXPECT_EQ(r[0], 'K');
  for (const auto& f : fields) EXPECT_EQ(LoadI16(r + f.offset), f.value) << f.offset;
  for (int i = src_player::RESERVED; i < src_player::RESERVED + src_player::RESERVED_SIZE; ++i) EXPECT_EQ(r[i], 0);
  const SourcePlayer back = DecodeSourcePlayer(r);
  EXPECT_EQ(back.dbClub, -2);
  EXPECT_EQ(back.surname, 0x3FFF);
  EXPECT_EQ(back.initial, 'K');
}

TEST(SourceRecords, PositionCodesFallIntoLines) {
  const struct {
    int code;
    int line;
  } cases[] = {{0, 0}, {1, 1}, {4, 1}, {14, 1}, {5, 2}, {9, 2}, {15, 2}, {10, 3}, {12, 3}, {16, 3}, {13, 4}, {17, 0}, {17 + 7, 2}};
  for (const auto& k : cases) EXPECT_EQ(SourcePositionLine(k.code), k.line) << k.code;
}

}  // namespace
