// The roll of honour, the season's awards and the clubs' season-end updates.
#include "world/honours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/rand.h"
#include "menus/exm_text.h"
#include "menus/menuprims.h"
#include "season/fixgen.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/players.h"
#include "world/static_country.h"

namespace {

// ---- the season record as bytes ----
constexpr int kAwardArrays = 28;     // seven int32 arrays of six from here
constexpr int kScorerClubs = 196;
constexpr int kScorerGoals = 202;

::testing::AssertionResult IsEmptySeason(int season) {
  const uint8_t* r = HonoursSeasons[season].bytes;
  for (int b = 0; b < HONOUR_HOLDER_BYTES; ++b)
    if (r[b] != 255) return ::testing::AssertionFailure() << "holder byte " << b << " is " << int{r[b]};
  for (int offset = kAwardArrays; offset < kScorerClubs; offset += 4)
    if (LoadI32(r + offset) != -1) return ::testing::AssertionFailure() << "award word at " << offset;
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    if (r[kScorerClubs + d] != 255 || r[kScorerGoals + d] != 0)
      return ::testing::AssertionFailure() << "top scorer of division " << d;
  return ::testing::AssertionSuccess();
}

// Messages the user was shown.
std::vector<std::string> Boxes() {
  std::vector<std::string> texts;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") texts.push_back(call.text);
  return texts;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The club simulation's answers the tests choose: each club's manager, form
// and reputation-rank scores.
struct ClubSimAnswers {
  int16_t manager[NUM_CLUBS];
  int16_t form[NUM_CLUBS];
  int16_t repRank[NUM_CLUBS];
};
ClubSimAnswers gSim;

void AnswerFromTable() {
  ClubSim.getClubManager = [](int16_t club) -> int16_t { return club >= 0 && club < NUM_CLUBS ? gSim.manager[club] : 1; };
  ClubSim.calcClubFormScore = [](int16_t club) -> int16_t { return gSim.form[club]; };
  ClubSim.calcRepRankScore = [](int16_t club) -> int16_t { return gSim.repRank[club]; };
}

// The league world (England, 114 clubs of 18 players, tables in club order).
class HonoursTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    std::fill(std::begin(gSim.manager), std::end(gSim.manager), int16_t{1});
    std::fill(std::begin(gSim.form), std::end(gSim.form), int16_t{0});
    std::fill(std::begin(gSim.repRank), std::end(gSim.repRank), int16_t{0});
    SortLeagueTables();
  }
  // Player k (0-17) of a club.
  static int16_t PlayerOf(int16_t club, int k) { return static_cast<int16_t>(club * tw::kLeagueSquad + k); }
  // Makes player k of the club its manager.
  static int16_t MakeManager(int16_t club, int k) {
    const int16_t p = PlayerOf(club, k);
    Player_SetPosition(p, POSITION_MANAGER);
    gSim.manager[club] = p;
    return p;
  }
};

// ---------------------------------------------------------------------------
// The roll
// ---------------------------------------------------------------------------

TEST_F(HonoursTest, AnEmptyRollHasNoHoldersAndNoAwards) {
  for (int s = 0; s < HONOURS_SEASONS; ++s) ASSERT_TRUE(IsEmptySeason(s)) << s;
  EXPECT_EQ(Honours_GetHolder(0, HOLDER_DIV0_CHAMPION), 255);
  EXPECT_EQ(Honours_GetAwardClub(3, AWARD_MANAGER_OF_YEAR, 2), -1);
  EXPECT_EQ(Honours_GetAwardClub(3, AWARD_TOP_SCORER, 2), 255);
  EXPECT_EQ(Honours_GetAwardSurname(3, AWARD_YOUNG_PLAYER, 5), -1);
  EXPECT_EQ(Honours_GetTopScorerGoals(49, 0), 0);
  // Outside the record.
  EXPECT_EQ(Honours_GetHolder(50, 0), 255);
  EXPECT_EQ(Honours_GetHolder(0, 27), 255);
  EXPECT_EQ(Honours_GetHolder(-1, 0), 255);
  EXPECT_EQ(Honours_GetAwardSurname(0, 28, 0), -1);
  EXPECT_EQ(Honours_GetAwardClub(0, AWARD_PLAYER_OF_YEAR, 6), -1);
}

TEST_F(HonoursTest, EachShiftDropsTheFiftiethSeasonAndLeavesByteTwentySevenAlone) {
  for (int s = 0; s < HONOURS_SEASONS; ++s) {
    uint8_t* r = HonoursSeasons[s].bytes;
    std::memset(r, s, HONOURS_RECORD_SIZE);
    r[27] = static_cast<uint8_t>(200 + s % 50);
  }
  Honours_ShiftSeasons();
  EXPECT_TRUE(IsEmptySeason(0));
  for (int s = 1; s < HONOURS_SEASONS; ++s) {
    const uint8_t* r = HonoursSeasons[s].bytes;
    for (int b = 0; b < HONOURS_RECORD_SIZE; ++b) {
      if (b == 27) continue;
      ASSERT_EQ(r[b], s - 1) << "season " << s << " byte " << b;
    }
  }
  for (int s = 0; s < HONOURS_SEASONS; ++s) EXPECT_EQ(HonoursSeasons[s].bytes[27], 200 + s % 50) << s;
  Honours_ClearAll();
  for (int s = 0; s < HONOURS_SEASONS; ++s) {
    EXPECT_TRUE(IsEmptySeason(s));
    EXPECT_EQ(HonoursSeasons[s].bytes[27], 200 + s % 50) << s;
  }
}

TEST_F(HonoursTest, HonourKindsFillTheirBytesAndRewardTheSquad) {
  struct Case {
    int16_t kind;
    int byte;  // -1: no such kind
    int16_t experience;
    bool logged;
  };
  const Case cases[] = {
      {1, 14, 7, true},   {2, 16, 4, true},   {3, 18, 3, true},   {4, 20, 2, true},   {5, 15, 5, false},
      {6, 17, 3, false},  {7, 19, 2, false},  {8, 21, 1, false},  {9, 0, 5, true},    {10, 1, 3, false},
      {11, 2, 5, true},   {12, 3, 3, false},  {13, 4, 5, true},   {14, 5, 3, false},  {15, 6, 5, true},
      {16, 7, 3, false},  {17, 8, 5, true},   {18, 9, 3, false},  {19, 10, 5, true},  {20, 11, 3, false},
      {21, 12, 5, true},  {22, 13, 3, false}, {23, 26, 5, true},  {28, 22, 2, true},  {29, 23, 1, false},
      {30, 24, 2, true},  {31, 25, 1, false}, {0, -1, 0, false},  {24, -1, 0, false}, {25, -1, 0, false},
      {26, -1, 0, false}, {27, -1, 0, false}, {32, -1, 0, false}, {-1, -1, 0, false},
  };
  const int16_t club = 20;
  const int16_t captain = PlayerOf(club, 0), starter = PlayerOf(club, 1), reserve = PlayerOf(club, 2);
  Player_SetShirt(captain, 1);
  Player_SetCaptain(captain, 1);
  Player_SetShirt(starter, 2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(Honours_HolderByte(c.kind), c.byte);
    EXPECT_EQ(Honours_ExperienceReward(c.kind), c.experience);
    Honours_ClearAll();
    Club_SetRep(club, 30);
    for (int16_t p : {captain, starter, reserve}) Player_SetExperience(p, 10);
    const int32_t events = ClubEventLog_Used();
    Honours_RecordWinner(club, c.kind);
    for (int b = 0; b < HONOUR_HOLDER_BYTES; ++b) EXPECT_EQ(Honours_GetHolder(0, b), b == c.byte ? club : 255) << b;
    EXPECT_EQ(ClubEventLog_Used() - events, c.logged ? 1 : 0);
    if (c.logged) {
      const ClubEvent e = ClubEventLogEntry_Decode(ClubEventLog[ClubEventLog_Used() - 1]);
      EXPECT_EQ(e.type, 6);
      EXPECT_EQ(e.value, c.kind);
      EXPECT_EQ(e.club, club);
    }
    EXPECT_EQ(Club_GetRep(club), c.byte < 0 ? 30 : 35);
    EXPECT_EQ(Player_GetExperience(reserve), 10);  // no shirt
    if (c.byte < 0) {
      EXPECT_EQ(Player_GetExperience(starter), 10);
      EXPECT_EQ(Player_GetExperience(captain), 10);
    } else {
      EXPECT_GE(Player_GetExperience(starter), 11);
      EXPECT_LE(Player_GetExperience(starter), 10 + c.experience);
      EXPECT_GE(Player_GetExperience(captain), 12);
      EXPECT_LE(Player_GetExperience(captain), 10 + 2 * c.experience);
    }
  }
  // Only the wins of cups 0-6 and the super cup were news (to everyone).
  EXPECT_EQ(Boxes().size(), 8u);
}

TEST_F(HonoursTest, ACupOrSuperCupWinTellsEveryoneAndTheManagersCareerKeepsIt) {
  const int16_t club = 30;
  const int16_t manager = MakeManager(club, 17);
  AnswerFromTable();
  struct Case {
    int country;
    int16_t kind;
    std::string name;
  };
  const Case cases[] = {
      {0, 9, GetTextNoAddr(CompNameBase[0])},      {0, 15, GetTextNoAddr(CompNameBase[0] + 3)},
      {0, 23, "Charity Shield"},                    {2, 23, "Super Coppa"},
      {3, 23, "Super Pokal"},                       {0, 21, GetTextNoAddr(CompNameBase[0] + 6)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    GameCountry = static_cast<int8_t>(c.country);
    MenuPrims_ClearCalls();
    Honours_RecordWinner(club, c.kind);
    const std::vector<std::string> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(Contains(boxes[0], "have won the " + c.name + ".")) << boxes[0];
  }
  GameCountry = 0;
  MenuPrims_ClearCalls();
  Honours_RecordWinner(club, 10);  // runners-up: no news
  EXPECT_TRUE(Boxes().empty());

  PlayerCareerLogEntry entries[CAREER_ENTRIES_MAX];
  const int n = PlayerCareerLog_GetEntries(manager, entries);
  ASSERT_EQ(n, 7);
  const CareerEntry last = PlayerCareerLogEntry_Decode(entries[6]);
  EXPECT_EQ(last.type, 6);
  EXPECT_EQ(last.value, 10);
  EXPECT_EQ(last.club, Club_GetDbId(club));
  // Each title gave the manager 2n reputation: six wins of 10 and a second place of 6, up to 63.
  EXPECT_EQ(Player_GetReputation(manager), 63);
}

TEST_F(HonoursTest, AClubOfAnotherCountryKeepsItsReputationAndNoClubMeansNothing) {
  const int16_t foreign = 130;  // a club of another country's block
  ASSERT_NE(Club_GetCountry(foreign), GameCountry);
  const int16_t rep = Club_GetRep(foreign);
  Honours_RecordWinner(foreign, 17);  // a European cup
  EXPECT_EQ(Honours_GetHolder(0, 8), foreign);
  EXPECT_EQ(Club_GetRep(foreign), rep);
  Honours_ClearAll();
  for (int16_t club : {-1, 250, 255}) Honours_RecordWinner(club, 1);
  EXPECT_TRUE(IsEmptySeason(0));
}

TEST_F(HonoursTest, SquadExperienceGoesToTheShirtsAndStopsAtSixtyThree) {
  const int16_t club = 5;
  const int16_t manager = MakeManager(club, 17);
  AnswerFromTable();
  const int16_t a = PlayerOf(club, 0), b = PlayerOf(club, 1), captain = PlayerOf(club, 2);
  Player_SetShirt(a, 1);
  Player_SetShirt(b, 12);
  Player_SetShirt(captain, 5);
  Player_SetCaptain(captain, 1);
  Player_SetExperience(a, 62);
  Player_SetExperience(b, 20);
  Player_SetExperience(captain, 63);
  Player_SetReputation(manager, 10);
  Club_AwardSquadExperience(club, 0);
  EXPECT_EQ(Player_GetExperience(b), 20);
  EXPECT_EQ(Player_GetReputation(manager), 10);
  Club_AwardSquadExperience(club, 1);  // rand() % 1 is 0: exactly one more, the captain two
  EXPECT_EQ(Player_GetExperience(a), 63);
  EXPECT_EQ(Player_GetExperience(b), 21);
  EXPECT_EQ(Player_GetExperience(captain), 63);
  EXPECT_EQ(Player_GetReputation(manager), 12);
  Player_SetExperience(captain, 40);
  Club_AwardSquadExperience(club, 1);
  EXPECT_EQ(Player_GetExperience(captain), 42);
  // Another club's shirts gain nothing.
  EXPECT_EQ(Player_GetExperience(PlayerOf(6, 0)), 0);
}

TEST_F(HonoursTest, PlayerAwardsGoIntoTheirDivisionsArrays) {
  struct Case {
    int16_t award;
    int16_t division;
  };
  const Case cases[] = {{AWARD_MANAGER_OF_YEAR, 0}, {AWARD_PLAYER_OF_YEAR, 3}, {AWARD_TOP_SCORER, 5},
                        {AWARD_YOUNG_PLAYER, 1}};
  int16_t player = PlayerOf(44, 4);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.award);
    Player_SetWage(player, 100);
    Player_SetReputation(player, 20);
    Player_SetGoals(player, 27);
    Honours_RecordPlayerAward(player, c.award, c.division);
    EXPECT_EQ(Player_GetReputation(player), 25);
    EXPECT_EQ(Honours_GetAwardSurname(0, c.award, c.division), Player_GetSurname(player));
    EXPECT_EQ(Honours_GetAwardClub(0, c.award, c.division), Player_GetClub(player));
    EXPECT_EQ(Honours_GetTopScorerGoals(0, c.division), c.award == AWARD_TOP_SCORER ? 27 : 0);
    PlayerCareerLogEntry entries[CAREER_ENTRIES_MAX];
    ASSERT_EQ(PlayerCareerLog_GetEntries(player, entries), 1);
    const CareerEntry e = PlayerCareerLogEntry_Decode(entries[0]);
    EXPECT_EQ(e.type, 5);
    EXPECT_EQ(e.value, c.award);
    EXPECT_EQ(e.apps, 0);
    EXPECT_EQ(e.club, Club_GetDbId(Player_GetClub(player)));
    ++player;
  }
  // Other divisions and awards are untouched.
  EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_MANAGER_OF_YEAR, 1), -1);
  // Another award only goes into the player's career.
  Honours_ClearAll();
  Player_SetReputation(player, 20);
  Honours_RecordPlayerAward(player, 30, 0);
  EXPECT_TRUE(IsEmptySeason(0));
  EXPECT_EQ(Player_GetReputation(player), 20);
  PlayerCareerLogEntry entries[CAREER_ENTRIES_MAX];
  EXPECT_EQ(PlayerCareerLog_GetEntries(player, entries), 1);
}

TEST_F(HonoursTest, ANewGameStartsFromTheCountrysRecordOfLastSeason) {
  for (int country = 0; country < NUM_GAME_COUNTRIES; ++country) {
    SCOPED_TRACE(country);
    ResetWorld();
    BuildCountryLeagueWorld(country);
    Honours_ClearAll();
    Honours_InitFromCountryRecord();
    Honours_ShiftSeasons();
    EXPECT_TRUE(IsEmptySeason(0));
    const int16_t* record = CountryRecordTable[country];
    auto club = [](int16_t db) -> int32_t {
      const int16_t c = Club_FindByDbId(db);
      return c >= 0 && c < NUM_CLUBS ? c : -1;
    };
    for (int b = 0; b < HONOUR_HOLDER_BYTES; ++b) {
      const int32_t c = club(record[b]);
      EXPECT_EQ(Honours_GetHolder(1, b), c < 0 ? 255 : c) << b;
    }
    for (int d = 0; d < NUM_DIVISIONS; ++d) {
      EXPECT_EQ(Honours_GetAwardClub(1, AWARD_MANAGER_OF_YEAR, d), club(record[REC_MANAGER_CLUB + d]));
      EXPECT_EQ(Honours_GetAwardSurname(1, AWARD_MANAGER_OF_YEAR, d), record[REC_MANAGER_SURNAME + d]);
      EXPECT_EQ(Honours_GetAwardSurname(1, AWARD_PLAYER_OF_YEAR, d), record[REC_PLAYER_SURNAME + d]);
      EXPECT_EQ(Honours_GetAwardClub(1, AWARD_PLAYER_OF_YEAR, d), club(record[REC_PLAYER_CLUB + d]));
      EXPECT_EQ(Honours_GetAwardSurname(1, AWARD_YOUNG_PLAYER, d), record[REC_YOUNG_SURNAME + d]);
      EXPECT_EQ(Honours_GetAwardClub(1, AWARD_YOUNG_PLAYER, d), club(record[REC_YOUNG_CLUB + d]));
      EXPECT_EQ(Honours_GetAwardSurname(1, AWARD_TOP_SCORER, d), record[REC_SCORER_SURNAME + d]);
      const int32_t scorerClub = club(record[REC_SCORER_CLUB + d]);
      EXPECT_EQ(Honours_GetAwardClub(1, AWARD_TOP_SCORER, d), scorerClub < 0 ? 255 : scorerClub);
      EXPECT_EQ(Honours_GetTopScorerGoals(1, d), record[REC_SCORER_GOALS + d] & 0xFF);
    }
    // The country's champions are known clubs of its first division.
    const int16_t champion = Honours_GetHolder(1, HOLDER_DIV0_CHAMPION);
    ASSERT_NE(champion, 255);
    EXPECT_EQ(Club_GetCountry(champion), country);
  }
}

// ---------------------------------------------------------------------------
// The season's awards
// ---------------------------------------------------------------------------

TEST_F(HonoursTest, TheGoldenBootGoesToTheFirstOfTheBestOutfieldScorers) {
  // Division 1 is clubs 20-43. A keeper and a manager with more goals do not count.
  const int16_t keeper = PlayerOf(21, 0), manager = PlayerOf(22, 3);
  Player_SetPosition(keeper, 0);
  Player_SetGoals(keeper, 40);
  Player_SetPosition(manager, POSITION_MANAGER);
  Player_SetGoals(manager, 40);
  const int16_t first = PlayerOf(25, 7), second = PlayerOf(30, 2), outside = PlayerOf(5, 3);
  for (int16_t p : {first, second, outside}) Player_SetPosition(p, 11);
  Player_SetGoals(first, 31);
  Player_SetGoals(second, 31);
  Player_SetGoals(outside, 50);  // division 0
  Club_SetControl(40, 1);        // the user plays in division 1 and hears of it
  Honours_SelectTopScorer(1);
  EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_TOP_SCORER, 1), Player_GetSurname(first));
  EXPECT_EQ(Honours_GetAwardClub(0, AWARD_TOP_SCORER, 1), 25);
  EXPECT_EQ(Honours_GetTopScorerGoals(0, 1), 31);
  const std::vector<std::string> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(Contains(boxes[0], "Golden Boot winner with 31 goals.")) << boxes[0];
  EXPECT_TRUE(Contains(boxes[0], GetTextNoAddr(GNW_GetDivisionNameTextNo(1)))) << boxes[0];
  // A division without clubs has no award.
  Honours_SelectTopScorer(5);
  EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_TOP_SCORER, 5), -1);
  Honours_SelectTopScorer(6);
}

TEST_F(HonoursTest, PlayerAndYoungPlayerOfTheYearNeedTheirAppearancesAndAge) {
  struct Entry {
    int16_t player;
    int apps, age, perf;
  };
  // Division 2 is clubs 44-67.
  const Entry entries[] = {
      {PlayerOf(44, 1), 31, 10, 40},   // player of the year
      {PlayerOf(45, 1), 30, 10, 49},   // too few appearances for player of the year
      {PlayerOf(46, 1), 40, 7, 35},    // young, but not as good
      {PlayerOf(47, 1), 11, 7, 38},    // young player of the year
      {PlayerOf(48, 1), 10, 3, 50},    // too few appearances
      {PlayerOf(49, 1), 50, 8, 45},    // too old to be young
      {PlayerOf(50, 1), 12, 2, 38},    // as good as the young winner, later in player order
  };
  for (int16_t p = 0; p < PlayerCount; ++p) Player_SetAge(p, 20);
  for (const Entry& e : entries) {
    Player_SetApps(e.player, e.apps);
    Player_SetAge(e.player, e.age);
    Player_SetPerf(e.player, e.perf);
  }
  Honours_SelectPlayerOfYear(2);
  Honours_SelectYoungPlayer(2);
  EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_PLAYER_OF_YEAR, 2), Player_GetSurname(entries[5].player));
  EXPECT_EQ(Honours_GetAwardClub(0, AWARD_PLAYER_OF_YEAR, 2), 49);
  EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_YOUNG_PLAYER, 2), Player_GetSurname(entries[3].player));
  EXPECT_EQ(Honours_GetAwardClub(0, AWARD_YOUNG_PLAYER, 2), 47);
}

TEST_F(HonoursTest, TheManagerOfTheYearHasTheBestFormAndRankAndIsNoCaretaker) {
  // Division 0: clubs 0-19 in table order 0, 1, 2 ...
  for (int16_t club = 0; club < 20; ++club) MakeManager(club, 17);
  gSim.manager[3] = 1;  // no manager
  gSim.form[3] = 60;
  gSim.form[4] = 50;    // a caretaker
  Player_SetCaretaker(gSim.manager[4], 1);
  gSim.form[7] = 30;
  gSim.repRank[7] = 12;
  gSim.form[9] = 40;
  gSim.repRank[9] = 2;  // level with club 7, later in the table
  AnswerFromTable();
  const int32_t events = ClubEventLog_Used();
  Honours_SelectManagerOfYear(0);
  EXPECT_EQ(Honours_GetAwardClub(0, AWARD_MANAGER_OF_YEAR, 0), 7);
  EXPECT_EQ(Honours_GetAwardSurname(0, AWARD_MANAGER_OF_YEAR, 0), Player_GetSurname(gSim.manager[7]));
  ASSERT_EQ(ClubEventLog_Used(), events + 1);
  const ClubEvent e = ClubEventLogEntry_Decode(ClubEventLog[events]);
  EXPECT_EQ(e.type, 17);
  EXPECT_EQ(e.player, gSim.manager[7]);
  EXPECT_EQ(e.club, 7);
}

TEST_F(HonoursTest, TheManagerOfTheMonthNeedsSomeForm) {
  for (int16_t club = 20; club < 44; ++club) MakeManager(club, 17);
  AnswerFromTable();
  Honours_SelectManagerOfMonth(1);  // nobody has any form
  EXPECT_EQ(MonthManager_GetSurname(1), -1);
  EXPECT_EQ(MonthManager_GetClub(1), -1);
  gSim.form[30] = 41;
  gSim.form[35] = 41;
  gSim.form[22] = 60;
  Player_SetCaretaker(gSim.manager[22], 1);
  Club_SetControl(21, 1);
  Month = 2;  // March ends
  Honours_SelectManagerOfMonth(1);
  EXPECT_EQ(MonthManager_GetSurname(1), Player_GetSurname(gSim.manager[30]));
  EXPECT_EQ(MonthManager_GetClub(1), 30);
  EXPECT_EQ(MonthManager_GetClub(0), -1);
  const std::vector<std::string> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(Contains(boxes[0], "Manager of the Month")) << boxes[0];
  EXPECT_TRUE(Contains(boxes[0], "March")) << boxes[0];
  const ClubEvent e = ClubEventLogEntry_Decode(ClubEventLog[ClubEventLog_Used() - 1]);
  EXPECT_EQ(e.type, 16);
  EXPECT_EQ(e.value, 2);
}

// ---------------------------------------------------------------------------
// The clubs at the season's end
// ---------------------------------------------------------------------------

TEST_F(HonoursTest, LeaguePrizesFollowPlaceDivisionCountryAndTheLevy) {
  struct Case {
    int country, division, place, rate;
    int32_t prize;
  };
  const Case cases[] = {
      {0, 0, 0, 17, 90 * 28 * 200000 / 100}, {0, 0, 1, 17, 90 * 20 * 200000 / 100},
      {0, 3, 20, 17, 90 * 1 * 9000 / 100},   {0, 3, 21, 17, 0},
      {0, 3, 23, 17, 0},                     {2, 3, 0, 17, 90 * 28 * 17000 / 100},
      {3, 5, 2, 17, 90 * 19 * 17000 / 100},  {6, 4, 5, 17, 90 * 16 * 9000 / 100},
      {1, 4, 0, 17, 90 * 28 * 3000 / 100},   {0, 0, 0, 15, 28 * 200000},
      {0, 1, 3, 20, 75 * 18 * 32000 / 100},  {0, 0, 0, 40, 0},
      {0, 6, 0, 17, 0},                      {0, 0, 24, 17, 0},
      {9, 0, 0, 17, 0},
  };
  for (const Case& c : cases) {
    GameCountry = static_cast<int8_t>(c.country);
    MoneyRate2 = static_cast<uint8_t>(c.rate);
    EXPECT_EQ(LeaguePrize(c.division, c.place), c.prize)
        << c.country << " " << c.division << " " << c.place << " " << c.rate;
  }
}

TEST_F(HonoursTest, PrizeMoneyComesOutOfThePoolAndTheUserHearsOfHis) {
  Club_SetControl(21, 1);  // second in division 1
  int64_t before = MoneyPool;
  std::vector<int32_t> balances(NUM_CLUBS), misc(NUM_CLUBS);
  for (int16_t c = 0; c < NUM_CLUBS; ++c) {
    balances[c] = Club_GetBalance(c);
    misc[c] = Club_GetMiscIn(c);
    before += balances[c];
  }
  Club_PayLeaguePrizeMoney();
  int64_t after = MoneyPool;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) after += Club_GetBalance(c);
  EXPECT_EQ(after, before);
  int64_t paid = 0;
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    for (int p = 0; p < DIVISION_PLACES; ++p) {
      const uint8_t club = DivisionTable[d][p];
      if (club == NO_TABLE_CLUB) continue;
      EXPECT_EQ(Club_GetBalance(club) - balances[club], LeaguePrize(d, p)) << d << " " << p;
      EXPECT_EQ(Club_GetMiscIn(club) - misc[club], LeaguePrize(d, p));
      paid += LeaguePrize(d, p);
    }
  EXPECT_EQ(MONEY_POOL_START - MoneyPool, paid);
  const std::vector<std::string> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(Contains(boxes[0], "2nd")) << boxes[0];
  ASSERT_EQ(Seam_CountCalls("AddWeeklyMiscIncome"), 1);
  for (const SeamCall& call : Seam_Calls())
    if (call.name == "AddWeeklyMiscIncome") {
      EXPECT_EQ(call.args, std::vector<int32_t>{LeaguePrize(1, 1)});
    }
}

TEST_F(HonoursTest, APrizeBeyondTheBalanceFieldStaysInThePool) {
  Club_SetBalance(0, CLUB_BALANCE_MAX - 100);
  int64_t before = MoneyPool;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) before += Club_GetBalance(c);
  Club_PayLeaguePrizeMoney();
  int64_t after = MoneyPool;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) after += Club_GetBalance(c);
  EXPECT_EQ(after, before);
  EXPECT_EQ(Club_GetBalance(0), CLUB_BALANCE_MAX);
}

TEST_F(HonoursTest, TheTenHistoryBlocksRollAndTheSeasonFillsBlockZero) {
  const int16_t club = 12;
  for (int b = 0; b < CLUB_HISTORY_BLOCKS; ++b) Club_SetSeasonAvgAtt(club, b, 1000 + b);
  Club_SetAvgAtt(club, 23456);
  LeagueTableRow& row = LeagueTable[club];
  row.played = 38;
  row.homeWon = 10, row.awayWon = 7, row.homeDrawn = 4, row.awayDrawn = 5;
  row.homeFor = 40, row.awayFor = 25, row.homeAgainst = 20, row.awayAgainst = 22;
  row.points = 17 * 3 + 9;
  Club_SetRecordPointsTotal(club, 59);
  Club_SetRecordGoalsTotal(club, 70);
  // Scorers: a keeper with most goals, a tie kept in player order.
  const int goals[tw::kLeagueSquad] = {30, 4, 9, 0, 9, 15, 2, 1, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0};
  for (int k = 0; k < tw::kLeagueSquad; ++k) {
    Player_SetPosition(PlayerOf(club, k), k == 0 ? 0 : 11);
    Player_SetGoals(PlayerOf(club, k), goals[k]);
  }
  // The club's first cup tie stands in fixture slot 0; a later tie of the same cup does not count.
  ASSERT_EQ(Fixture_Add(0, COMP_CUP_FIRST, club, 13, 0), 0);
  Fixture_SetResult(0, 2, 1);
  ASSERT_GE(Fixture_Add(5, COMP_CUP_FIRST + 1, 14, club, 0), 0);
  Fixture_SetResult(1, 0, 3);

  Month = 4;
  Year = 2000;
  Club_RollSeasonHistory();
  for (int b = 1; b < CLUB_HISTORY_BLOCKS; ++b) EXPECT_EQ(Club_GetSeasonAvgAtt(b, club), 1000 + b - 1) << b;
  EXPECT_EQ(Club_GetSeasonAvgAtt(0, club), 23456);
  EXPECT_EQ(Club_GetRecordPointsTotal(club), 60);
  EXPECT_EQ(Club_GetRecordGoalsTotal(club), 70);  // 65 did not beat it
  for (int m = 0; m < 12; ++m) EXPECT_EQ(Club_GetMonthLeaguePos(club, 0, m), 0);

  const uint8_t* h = Club_GetFullRecord(club)->bytes + CLUB_HISTORY_OFFSET;
  const int16_t figures[6] = {60, 38, 17, 9, 65, 42};
  for (int f = 0; f < 6; ++f) EXPECT_EQ(LoadI16(h + 12 + 2 * f), figures[f]) << f;
  const int expected[CLUB_TOP_SCORERS] = {5, 13, 2, 4, 1};
  for (int e = 0; e < CLUB_TOP_SCORERS; ++e) {
    EXPECT_EQ(Club_GetSeasonTopScorer(club, 0, e), PlayerOf(club, expected[e])) << e;
    EXPECT_EQ(Club_GetSeasonTopScorerGoals(club, 0, e), goals[expected[e]]) << e;
  }
  // Cup 0: the tie in slot 0; the other cups have no tie of this club.
  const uint8_t* cup0 = h + 48;
  EXPECT_EQ(LoadI32(cup0), COMP_CUP_FIRST);
  EXPECT_EQ(LoadI32(cup0 + 4), 2);
  EXPECT_EQ(LoadI32(cup0 + 8), 1);
  EXPECT_EQ(LoadI32(cup0 + 16), 13);
  for (int i = 20; i < 140; ++i) EXPECT_EQ(h[48 + i], 0) << i;
}

TEST_F(HonoursTest, AClubWithFewScorersLeavesItsOtherEntriesFree) {
  const int16_t club = 50;
  Player_SetPosition(PlayerOf(club, 0), 0);
  for (int k = 1; k < tw::kLeagueSquad; ++k) Player_SetClub(PlayerOf(club, k), 60);  // all but the keeper leave
  Club_RollSeasonHistory();
  for (int e = 0; e < CLUB_TOP_SCORERS; ++e) {
    EXPECT_EQ(Club_GetSeasonTopScorer(club, 0, e), -1) << e;
    EXPECT_EQ(Club_GetSeasonTopScorerGoals(club, 0, e), 0) << e;
  }
}

TEST_F(HonoursTest, RelegationLetsTheReleaseClausePlayersGo) {
  const int16_t club = 0;
  Club_SetControl(club, 1);
  const int16_t released = PlayerOf(club, 3), boss = PlayerOf(club, 4), manager = PlayerOf(club, 5),
                kept = PlayerOf(club, 6);
  for (int16_t p : {released, boss, manager}) Player_SetRRClause(p, 1);
  Player_SetBossvane(boss, 1);
  Player_SetPosition(manager, POSITION_MANAGER);
  Player_SetSaleStatus(released, 1);
  Club_ApplyRelegationClauses(club);
  EXPECT_EQ(Club_GetRep(club), 28);
  EXPECT_EQ(Player_GetTxReq(released), 1);
  EXPECT_EQ(Player_GetTxList(released), 1);
  EXPECT_EQ(Player_GetSaleStatus(released), 0);
  EXPECT_EQ(Player_GetMorale(released), 0);
  for (int16_t p : {boss, manager, kept}) {
    EXPECT_EQ(Player_GetTxReq(p), 0) << p;
    EXPECT_EQ(Player_GetMorale(p), 40) << p;
  }
  const std::vector<std::string> boxes = Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(Contains(boxes[0], "relegat")) << boxes[0];
  EXPECT_TRUE(Contains(boxes[0], "Defender") || Contains(boxes[0], "release")) << boxes[0];
}

TEST_F(HonoursTest, ANewGamesSeasonDataIsLaidOutAfresh) {
  Club_SetControl(7, 1);  // human manager 1's club
  for (int r = 0; r < NUM_FULL_CLUBS; ++r) std::memset(ClubRecords[r].bytes + 1998, 0x11, 4470 - 1998);
  Club_InitSeasonData();
  for (int16_t club : {0, 7, 113}) {
    const uint8_t* r = Club_GetFullRecord(club)->bytes;
    for (int e = 0; e < 2 * 127; ++e) {
      const uint8_t* half = r + 1998 + 8 * e;
      ASSERT_EQ(LoadI16(half), -1);
      ASSERT_EQ(half[2], 0xFF);
      ASSERT_EQ(half[3], 0x7F);
      ASSERT_EQ(half[4], 0x11);
      ASSERT_EQ(half[7], 0xFF);
    }
    for (int i = 4030; i < 4430; ++i) ASSERT_EQ(r[i], 0xFF) << i;
    for (int i = 4430; i < 4470; ++i) ASSERT_EQ(r[i], 0) << i;
    for (int b = 0; b < CLUB_HISTORY_BLOCKS; ++b) EXPECT_EQ(Club_GetSeasonAvgAtt(b, club), -1);
  }
  BuildClubSquadList(7);
  for (int n = 0; n < SQUAD_STAT_RECORDS; ++n) EXPECT_EQ(SquadStatRecord_GetPlayer(n), SquadList[n]) << n;
  EXPECT_EQ(SquadStatRecord_GetPlayer(0), PlayerOf(7, 0));
  EXPECT_EQ(SquadStatRecord_GetPlayer(tw::kLeagueSquad), -1);
  // The per-club resets of a new season do the same for one club.
  std::memset(ClubRecords[3].bytes + 1998, 0x22, 4470 - 1998);
  Club_ResetMatchPairs(3);
  Club_ResetSeasonBlocks(3);
  Club_ResetMatchList(3);
  const uint8_t* r3 = ClubRecords[3].bytes;
  EXPECT_EQ(LoadI16(r3 + 1998), -1);
  EXPECT_EQ(r3[1998 + 3], 0x7F);
  EXPECT_EQ(r3[1998 + 4], 0x22);
  EXPECT_EQ(r3[4030], 0xFF);
  EXPECT_EQ(r3[4469], 0);
  Club_ResetMatchList(200);  // a minor club has no such lists
}

TEST_F(HonoursTest, ATransferRequestNeedsAPlayingPlayer) {
  const int16_t p = PlayerOf(3, 3), boss = PlayerOf(3, 4);
  Player_SetSaleStatus(p, 1);
  Player_RequestTransfer(p);
  EXPECT_EQ(Player_GetTxReq(p), 1);
  EXPECT_EQ(Player_GetTxList(p), 1);
  EXPECT_EQ(Player_GetSaleStatus(p), 0);
  Player_SetBossvane(boss, 1);
  Player_RequestTransfer(boss);
  EXPECT_EQ(Player_GetTxReq(boss), 0);
}

TEST_F(HonoursTest, AResetEmptiesTheRollAndTheMonthsManagers) {
  Honours_RecordWinner(3, 1);
  StoreI16(MonthManagerTable.bytes, 77);
  SquadStatRecord_Reset(4, 99);
  ResetAllModules();
  EXPECT_TRUE(IsEmptySeason(0));
  EXPECT_EQ(MonthManager_GetSurname(0), -1);
  EXPECT_EQ(SquadStatRecord_GetPlayer(4), -1);
}

}  // namespace
