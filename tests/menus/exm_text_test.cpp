#include "menus/exm_text.h"

#include <cstdint>
#include <string>

#include "menus/langtext.h"
#include "support/test_world.h"
#include "world/static_clubs.h"

namespace {

using TextNumberTest = WorldTest;

std::string ClubName(int db) { return ClubNameTable[db] ? ClubNameTable[db] : ""; }

TEST_F(TextNumberTest, EveryRangeOfTheNumberSpace) {
  struct {
    int number;
    std::string expected;
  } cases[] = {
      {-32768, ""},
      {-1, ""},
      {0, LanguageTextTable[0]},
      {1262, LanguageTextTable[1262]},
      {2499, LanguageTextTable[2499]},
      {2500, "END"},
      {2501, ""},  // between the language table and the players
      {2750, ""},
      {2999, ""},
      {3000 + tw::kHumanManager, "Gaffney"},  // 3000 is the first player
      {3000 + tw::kKeeper, "J.Safehands"},
      {3000 + tw::kForward, "Striker"},
      {3000 + tw::kFreeAgent, "Drifter"},
      {28000, ClubName(0)},
      {28000 + 700, ClubName(700)},
      {28000 + 1045, ClubName(1045)},  // the last named club
      {28000 + 1046, ""},              // numbers past the named clubs have no name
      {29199, ""},
      {29200, LanguageTextTable[2310]},  // nationality 0
      {29205, LanguageTextTable[2315]},
      {29303, LanguageTextTable[2413]},
      {29304, "No fixtures left in this competition"},  // the first soak text
      {29311, "Squad size"},
      {29336, "Soak is On"},
      {29344, "Unconditional soak"},
      {29348, "Check all teams"},
      {29349, "Fixtures/Soak"},
      {29350, ""},  // the five spare texts
      {29354, ""},
      {29355, ""},  // above the last soak text
      {32767, ""},
      {70000, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GetTextNoAddr(c.number), c.expected) << c.number;
}

TEST_F(TextNumberTest, LanguageTextsAreTheTableItself) {
  for (int n : {0, 1, 1260, 2310, 2500}) EXPECT_EQ(GetTextNoAddr(n), LanguageTextTable[n]) << n;
}

TEST_F(TextNumberTest, NoNumberGivesNull) {
  // Players past the player count, clubs past the named ones and every gap
  // between the tables included.
  for (int n = INT16_MIN; n <= INT16_MAX; ++n) ASSERT_NE(GetTextNoAddr(n), nullptr) << n;
}

TEST_F(TextNumberTest, PlayerNamesShareOneBuffer) {
  // A caller that needs two names at once copies the first.
  std::string first = GetTextNoAddr(3000 + tw::kKeeper);
  const char* second = GetTextNoAddr(3000 + tw::kForward);
  EXPECT_EQ(first, "J.Safehands");
  EXPECT_STREQ(second, "Striker");
}

TEST(SoakTexts, FiftyOneTextsTheLastFiveEmpty) {
  int named = 0;
  for (int i = 0; i < NUM_SOAK_TEXTS; ++i)
    if (SoakTextByNumber(i)[0] != 0) ++named;
  EXPECT_EQ(named, 46);
  for (int i = 46; i < NUM_SOAK_TEXTS; ++i) EXPECT_STREQ(SoakTextByNumber(i), "") << i;
  EXPECT_STREQ(SoakTextByNumber(-1), "");
  EXPECT_STREQ(SoakTextByNumber(NUM_SOAK_TEXTS), "");
  EXPECT_STREQ(SoakTextByNumber(45), "Fixtures/Soak");
}

}  // namespace
