#include "menus/kittab.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "engine/bytes.h"
#include "support/engine_fixture.h"

namespace {

// A design of one pattern and three colours (the rest zero).
KitDesign Design(int pattern, int c1, int c2 = 0, int c3 = 0) {
  KitDesign d{};
  StoreI16(d.bytes + KIT_PATTERN_OFFSET, pattern);
  StoreI16(d.bytes + KIT_COLOUR_OFFSET, c1);
  StoreI16(d.bytes + KIT_COLOUR_OFFSET + 2, c2);
  StoreI16(d.bytes + KIT_COLOUR_OFFSET + 4, c3);
  return d;
}

// A pattern of the table showing exactly these slots.
int PatternShowing(std::vector<int> slots) {
  for (int p = 0; p < KIT_PATTERNS; ++p) {
    std::vector<int> shown;
    for (int i = 0; i < KIT_PATTERN_SLOTS && KitPatterns[p][i] != 0; ++i) shown.push_back(KitPatterns[p][i]);
    if (shown == slots) return p;
  }
  ADD_FAILURE() << "no pattern shows these slots";
  return 0;
}

void ExpectLegalDesign(const KitDesign& d, const char* table, int index) {
  SCOPED_TRACE(testing::Message() << table << " design " << index);
  const int16_t pattern = KitDesign_GetPattern(d.bytes);
  ASSERT_GE(pattern, 0);
  ASSERT_LT(pattern, KIT_PATTERNS);
  for (int slot = 1; slot <= 3; ++slot) {
    EXPECT_GE(KitDesign_GetColour(d.bytes, slot), 0);
    EXPECT_LT(KitDesign_GetColour(d.bytes, slot), KIT_COLOURS);
  }
  for (int part = 0; part < KIT_PARTS; ++part) {
    const int16_t slot = LoadI16(d.bytes + KIT_PART_SLOT_OFFSET + 2 * part);
    EXPECT_GE(slot, 1);
    EXPECT_LE(slot, 3);
  }
}

class KitTabTest : public EngineTest {};

TEST_F(KitTabTest, EveryPatternShowsSlotOneThenLegalSlotsAndEndsCleanly) {
  for (int p = 0; p < KIT_PATTERNS; ++p) {
    SCOPED_TRACE(p);
    EXPECT_EQ(KitPatterns[p][0], 1);
    bool ended = false;
    for (int i = 0; i < KIT_PATTERN_SLOTS; ++i) {
      const int slot = KitPatterns[p][i];
      if (slot == 0) ended = true;
      else EXPECT_TRUE(!ended && slot >= 1 && slot <= 3) << "slot " << i << " = " << slot;
    }
  }
}

TEST_F(KitTabTest, EveryDesignOfTheThreeTablesIsLegal) {
  for (int i = 0; i < KIT_HOME_DESIGNS; ++i) ExpectLegalDesign(KitHomeDesigns[i], "home", i);
  for (int i = 0; i < KIT_AWAY_DESIGNS; ++i) ExpectLegalDesign(KitAwayDesigns[i], "away", i);
  for (int i = 0; i < KIT_ALT_DESIGNS; ++i) ExpectLegalDesign(KitAltDesigns[i], "alternative", i);
  // Every design clashes with itself in each colour its pattern shows, and
  // the check never stops on a table design.
  for (int i = 0; i < KIT_HOME_DESIGNS; i += 97) EXPECT_GE(DesignsClash(GetHomeDesign(i), GetHomeDesign(i)), 1);
}

TEST_F(KitTabTest, EveryDesignNamesKitStylesAndAKeeperColourApartFromTheShirts) {
  auto check = [](const KitDesign& d, const char* table, int i) {
    for (int style = KIT_STYLE_SHIRT; style <= KIT_STYLE_SOCKS; ++style) {
      EXPECT_GE(KitDesign_GetStyle(d.bytes, style), 0) << table << " " << i;
      EXPECT_LT(KitDesign_GetStyle(d.bytes, style), KIT_STYLE_COUNT) << table << " " << i;
    }
    const int16_t keeper = KitDesign_GetColour(d.bytes, KIT_KEEPER_COLOUR_SLOT);
    ASSERT_GE(keeper, 0) << table << " " << i;
    ASSERT_LT(keeper, KIT_COLOURS) << table << " " << i;
    for (int slot : {1, 2})
      EXPECT_EQ(KitColoursClash(keeper, KitDesign_GetColour(d.bytes, slot)), 0) << table << " " << i << " slot " << slot;
  };
  for (int i = 0; i < KIT_HOME_DESIGNS; ++i) check(KitHomeDesigns[i], "home", i);
  for (int i = 0; i < KIT_AWAY_DESIGNS; ++i) check(KitAwayDesigns[i], "away", i);
  for (int i = 0; i < KIT_ALT_DESIGNS; ++i) check(KitAltDesigns[i], "alternative", i);
  EXPECT_FATAL(KitDesign_GetColour(KitAltDesigns[0].bytes, 4), "KitDesign_GetColour\\(\\): no colour slot 4");
  EXPECT_FATAL(KitDesign_GetStyle(KitAltDesigns[0].bytes, 6), "KitDesign_GetStyle\\(\\): no style 6");
}

TEST_F(KitTabTest, TheColourTableHoldsTheFortyKitColours) {
  const struct { int index, r, g, b; } cases[] = {
      {0, 94, 86, 86}, {4, 41, 134, 226}, {16, 41, 211, 0}, {28, 240, 0, 0}, {32, 240, 240, 240}, {39, 180, 127, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(KitRGB[c.index][0], c.r) << c.index;
    EXPECT_EQ(KitRGB[c.index][1], c.g) << c.index;
    EXPECT_EQ(KitRGB[c.index][2], c.b) << c.index;
  }
}

TEST_F(KitTabTest, ColoursClashUpToSquaredDistanceTenThousand) {
  const uint8_t black[3] = {0, 0, 0};
  const uint8_t at10000[3] = {100, 0, 0};   // 100^2
  const uint8_t at10001[3] = {100, 1, 0};   // 100^2 + 1
  const uint8_t at9999[3] = {99, 14, 1};   // 9801 + 196 + 1 = 9998
  EXPECT_EQ(RGBColoursClash(black, at10000), 1);
  EXPECT_EQ(RGBColoursClash(at10000, black), 1);
  EXPECT_EQ(RGBColoursClash(black, at10001), 0);
  EXPECT_EQ(RGBColoursClash(black, at9999), 1);
  // Table colours either side of the bound: 6 and 7 lie 9,996 apart, 8 and 15 10,084.
  EXPECT_EQ(KitColoursClash(6, 7), 1);
  EXPECT_EQ(KitColoursClash(8, 15), 0);
  const KitDesign a = Design(PatternShowing({1}), 6), b = Design(PatternShowing({1}), 7), c = Design(PatternShowing({1}), 15);
  const KitDesign d = Design(PatternShowing({1}), 8);
  EXPECT_EQ(DesignsClash(a.bytes, b.bytes), 1);
  EXPECT_EQ(DesignsClash(d.bytes, c.bytes), 0);
}

TEST_F(KitTabTest, DesignsClashCountsEveryPairOfShownColours) {
  // The same colour everywhere: slots 1 and 2 against slot 1 alone give 2;
  // three shown slots against three give all nine pairs.
  const KitDesign two = Design(PatternShowing({1, 2}), 28, 28, 5);
  const KitDesign one = Design(PatternShowing({1}), 28, 5, 5);
  EXPECT_EQ(DesignsClash(two.bytes, one.bytes), 2);
  EXPECT_EQ(DesignsClash(one.bytes, two.bytes), 2);
  const KitDesign three = Design(PatternShowing({1, 2, 3}), 32, 32, 32);
  EXPECT_EQ(DesignsClash(three.bytes, three.bytes), 9);
  // Slots 1 and 3: slot 2's colour is not shown.
  const KitDesign oneThree = Design(PatternShowing({1, 3}), 32, 28, 5);
  const KitDesign red = Design(PatternShowing({1}), 28);
  EXPECT_EQ(DesignsClash(oneThree.bytes, red.bytes), 0);
}

TEST_F(KitTabTest, TheFirstLeastClashingCandidateIsWorn) {
  const KitDesign home = Design(PatternShowing({1}), 28);       // red
  const KitDesign otherHome = Design(PatternShowing({1}), 5);   // blue: 0 clashes
  const KitDesign otherAway = Design(PatternShowing({1}), 32);  // white: 0 clashes too
  const KitDesign redAgain = Design(PatternShowing({1}), 29);   // clashes
  {
    const uint8_t* candidates[] = {otherHome.bytes, otherAway.bytes};
    EXPECT_EQ(PickContrastingDesign(home.bytes, candidates, 2), otherHome.bytes);  // a tie keeps the earlier
  }
  {
    const uint8_t* candidates[] = {redAgain.bytes, otherAway.bytes, otherHome.bytes};
    EXPECT_EQ(PickContrastingDesign(home.bytes, candidates, 3), otherAway.bytes);
  }
  {
    const uint8_t* candidates[] = {redAgain.bytes, redAgain.bytes};
    EXPECT_EQ(PickContrastingDesign(home.bytes, candidates, 2), candidates[0]);  // all clash: the first
    EXPECT_EQ(PickContrastingDesign(home.bytes, candidates, 0), nullptr);
  }
}

TEST_F(KitTabTest, GetTeamDesignWearsHomeUnlessItClashes) {
  // With contrast 0 the home club's own home kit, whatever the other club.
  EXPECT_EQ(GetTeamDesign(10, 20, 0), GetHomeDesign(10));
  // Two clubs whose home kits do not clash: the other club's home kit is
  // worn even when its away kit does not clash either.
  int tested = 0;
  for (int16_t a = 0, b = 1; b < 1200 && tested < 20; ++b) {
    if (DesignsClash(GetHomeDesign(a), GetHomeDesign(b)) != 0) continue;
    if (DesignsClash(GetHomeDesign(a), GetAwayDesign(b)) != 0) continue;
    EXPECT_EQ(GetTeamDesign(a, b, 1), GetHomeDesign(b)) << b;
    ++tested;
  }
  EXPECT_GT(tested, 0);
  // A club against itself wears the first candidate that clashes least.
  for (int16_t c = 0; c < 1200; c += 37) {
    const uint8_t* kit = GetTeamDesign(c, c, 1);
    const int16_t worn = DesignsClash(GetHomeDesign(c), kit);
    EXPECT_LT(worn, DesignsClash(GetHomeDesign(c), GetHomeDesign(c))) << c;
    EXPECT_LE(worn, DesignsClash(GetHomeDesign(c), GetAwayDesign(c))) << c;
  }
}

TEST_F(KitTabTest, ClubsOutsideTheTablesAndBrokenDesignsStopTheProgram) {
  EXPECT_FATAL(GetHomeDesign(-1), "GetHomeDesign\\(\\): database club -1 has no home kit");
  EXPECT_FATAL(GetHomeDesign(KIT_HOME_DESIGNS), "database club 2000 has no home kit");
  EXPECT_FATAL(GetTeamDesign(5, KIT_AWAY_DESIGNS, 1), "GetAwayDesign\\(\\): database club 1566 has no away kit");
  KitDesign bad = Design(KIT_PATTERNS, 1);
  EXPECT_FATAL(DesignsClash(bad.bytes, KitAltDesigns[0].bytes), "kit pattern 116 is not in the table");
  bad = Design(0, 40);
  EXPECT_FATAL(DesignsClash(bad.bytes, KitAltDesigns[0].bytes), "kit colour 40 is not in the table");
}

}  // namespace
