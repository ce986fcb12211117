// The world facade's records, honours, board targets, advice lists and best
// players.
#include <climits>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/rand.h"
#include "gamecode/matchrec.h"
#include "menus/langtext.h"
#include "season/endseason.h"
#include "season/euroentrants.h"
#include "season/postmatch.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/career_world.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/honours.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"

namespace {

int16_t NameText(int16_t club) { return GNW_GetClubTextNo(GNW_GetClubDbId(club)); }

// Records stamped in the season 2002/03: date year 3, season year 3.
void StampIn2003() {
  Year = 2003;
  Month = 2;
}

// ------------------------------------------------------------------ record holders

class RecordHoldersTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    StampIn2003();
  }
};

// Each finder: club 3 (Italy) has the biggest record, clubs 5 and 9 share the
// best of the game country, club 7 has less. The holder is club 5.
TEST_F(RecordHoldersTest, TheLowestGameCountryClubWithTheBestValueHoldsEachRecord) {
  struct Finder {
    const char* name;
    void (*set)(int16_t club, int value);
    int16_t (*find)(int16_t* year, int16_t* name);
    bool nameIsClub;  // the second out names the holder (else: see the case)
  };
  const Finder finders[] = {
      {"dispoints", [](int16_t c, int v) { Club_SetRecordDispoints(c, v); }, GNW_FindRecordDispointsClub, true},
      {"goals total", [](int16_t c, int v) { Club_SetRecordGoalsTotal(c, v); }, GNW_FindRecordGoalsTotalClub, true},
      {"points total", [](int16_t c, int v) { Club_SetRecordPointsTotal(c, v); }, GNW_FindRecordPointsTotalClub, true},
  };
  for (const Finder& f : finders) {
    SCOPED_TRACE(f.name);
    ResetWorld();
    BuildTestWorld();
    StampIn2003();
    f.set(tw::kForeignClub, 200);
    f.set(5, 90);
    f.set(7, 40);
    f.set(9, 90);
    int16_t year = 0, name = 0;
    EXPECT_EQ(f.find(&year, &name), 5);
    EXPECT_EQ(year, 3);
    EXPECT_EQ(name, NameText(5));
  }
}

TEST_F(RecordHoldersTest, RecordGoalsCrowdAndWinHolders) {
  // Goals in a season by one player: the out is the scorer's surname index.
  Club_SetRecordGoals(tw::kForeignClub, tw::kItalian, 60);
  Club_SetRecordGoals(6, tw::kForward, 31);
  Club_SetRecordGoals(8, tw::kKeeper, 31);
  int16_t year = 0, surname = 0;
  EXPECT_EQ(GNW_FindRecordGoalsClub(&year, &surname), 6);
  EXPECT_EQ(year, 3);
  EXPECT_EQ(surname, tw::kSurnameBase + tw::kForward);
  EXPECT_EQ(GNW_GetClubRecordGoals(6), 31);

  // The crowd: the out names the visiting club of the record.
  Club_SetRecordCrowd(tw::kForeignClub, 90000, 4);
  Club_SetRecordCrowd(10, 41000, 12);
  Club_SetRecordCrowd(11, 41000, 13);
  int16_t opponent = 0;
  EXPECT_EQ(GNW_FindRecordCrowdClub(&year, &opponent), 10);
  EXPECT_EQ(year, 3);
  EXPECT_EQ(opponent, NameText(12));
  EXPECT_EQ(GNW_GetClubRecordCrowd(10), 41000);
}

TEST_F(RecordHoldersTest, RecordWinIsTheWidestMarginThenTheMostGoals) {
  struct {
    const char* name;
    struct {
      int16_t club, goalsFor, goalsAgainst;
    } wins[3];
    int16_t holder;
  } cases[] = {
      {"wider margin", {{5, 3, 0}, {6, 6, 2}, {7, 2, 1}}, 6},
      {"same margin, more goals", {{5, 3, 0}, {6, 5, 2}, {7, 4, 1}}, 6},
      {"same margin and goals: the first", {{5, 5, 2}, {6, 5, 2}, {7, 1, 0}}, 5},
      {"a foreign club's bigger win does not count", {{3, 9, 0}, {6, 4, 1}, {7, 2, 0}}, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    BuildTestWorld();
    StampIn2003();
    for (const auto& w : c.wins) Club_SetRecordWin(w.club, w.goalsFor, w.goalsAgainst, 20 + w.club);
    int16_t opponent = 0, year = 0;
    EXPECT_EQ(GNW_FindRecordWinClub(&opponent, &year), c.holder);
    EXPECT_EQ(opponent, NameText(static_cast<int16_t>(20 + c.holder)));
    EXPECT_EQ(year, 3);
  }
}

TEST_F(RecordHoldersTest, RecordBuyGivesTheFeePlayerSellerYearAndBuyer) {
  Club_SetRecordBuy(tw::kForeignClub, tw::kItalian, 90000, 4);  // 9,000,000, but in Italy
  Club_SetRecordBuy(5, tw::kForward, 25000, 30);
  Club_SetRecordBuy(6, tw::kKeeper, 25000, 31);
  int16_t surname = 0, seller = 0, year = 0, buyer = 0;
  EXPECT_EQ(GNW_FindRecordBuyClub(&surname, &seller, &year, &buyer), 2500000);
  EXPECT_EQ(surname, tw::kSurnameBase + tw::kForward);
  EXPECT_EQ(seller, NameText(30));
  EXPECT_EQ(year, 3);
  EXPECT_EQ(buyer, 5);
  EXPECT_EQ(GNW_GetClubRecordBuy(5), 2500000);
  // The buyer may be left out.
  EXPECT_EQ(GNW_FindRecordBuyClub(&surname, &seller, &year), 2500000);
}

TEST_F(RecordHoldersTest, ARecordBuyFromNoClubNamesNoSeller) {
  // From the reserve pool with no reserve slot: the seller field holds none.
  Club_SetRecordBuy(5, tw::kForward, 500, 252);
  int16_t surname = 0, seller = 0, year = 0;
  EXPECT_EQ(GNW_FindRecordBuyClub(&surname, &seller, &year), 50000);
  EXPECT_EQ(surname, tw::kSurnameBase + tw::kForward);
  EXPECT_EQ(seller, -1);
}

TEST_F(RecordHoldersTest, NoFeePaidInTheGameCountryGivesTheLowestFeeAndNoOuts) {
  Club_SetRecordBuy(tw::kForeignClub, tw::kItalian, 90000, 4);  // abroad only
  int16_t surname = 0, seller = 0, year = 0, buyer = 0;
  EXPECT_EQ(GNW_FindRecordBuyClub(&surname, &seller, &year, &buyer), INT32_MIN);
  EXPECT_EQ(surname, -1);
  EXPECT_EQ(seller, -1);
  EXPECT_EQ(year, -1);
  EXPECT_EQ(buyer, -1);
}

// No club of the game country at all: every finder answers -1 and -1 outs,
// also when club 0 (the old starting holder) has the best record.
TEST_F(RecordHoldersTest, WithNoClubOfTheGameCountryEveryFinderAnswersNone) {
  Club_SetRecordDispoints(0, 99);
  Club_SetRecordWin(0, 9, 0, 3);
  Club_SetRecordBuy(0, tw::kForward, 1000, 3);
  GameCountry = 8;  // no club of the test world plays in country 8
  int16_t a = 0, b = 0, c = 0;
  EXPECT_EQ(GNW_FindRecordDispointsClub(&a, &b), -1);
  EXPECT_EQ(a, -1);
  EXPECT_EQ(b, -1);
  for (auto find : {GNW_FindRecordGoalsTotalClub, GNW_FindRecordPointsTotalClub, GNW_FindRecordGoalsClub,
                    GNW_FindRecordCrowdClub, GNW_FindRecordWinClub}) {
    a = b = 0;
    EXPECT_EQ(find(&a, &b), -1);
    EXPECT_EQ(a, -1);
    EXPECT_EQ(b, -1);
  }
  EXPECT_EQ(GNW_FindRecordBuyClub(&a, &b, &c), INT32_MIN);
  EXPECT_EQ(c, -1);
}

// The finders take null outs.
TEST_F(RecordHoldersTest, OutsMayBeLeftOut) {
  Club_SetRecordPointsTotal(9, 80);
  EXPECT_EQ(GNW_FindRecordPointsTotalClub(nullptr, nullptr), 9);
  EXPECT_EQ(GNW_FindRecordBuyClub(nullptr, nullptr, nullptr), INT32_MIN);
}

TEST_F(RecordHoldersTest, OneClubsRecordsAndTheCareerRecords) {
  Club_SetRecordDispoints(5, 44);
  Club_SetRecordGoalsTotal(5, 88);
  Club_SetRecordPointsTotal(5, 91);
  Club_SetRecordWin(5, 7, 1, 9);
  Club_SetRecordDefeat(5, 0, 6, 9);
  Club_SetSeasonDispoints(5, 17);
  EXPECT_EQ(GNW_GetClubRecordDispoints(5), 44);
  EXPECT_EQ(GNW_GetClubRecordGoalsTotal(5), 88);
  EXPECT_EQ(GNW_GetClubRecordGoalsTotalYear(5), 3);
  EXPECT_EQ(GNW_GetClubRecordPointsTotal(5), 91);
  EXPECT_EQ(GNW_GetClubRecordWinGoalsFor(5), 7);
  EXPECT_EQ(GNW_GetClubRecordWinGoalsAgainst(5), 1);
  EXPECT_EQ(GNW_GetClubRecordDefeatGoalsFor(5), 0);
  EXPECT_EQ(GNW_GetClubRecordDefeatGoalsAgainst(5), 6);
  EXPECT_EQ(GNW_GetClubSeasonDispoints(5), 17);
  // A club without a full record has none.
  EXPECT_EQ(GNW_GetClubRecordPointsTotal(tw::kMinorClub), 0);

  RecordCareerGoals = 312;
  RecordCareerGoalsPlayer = tw::kForward;
  RecordCareerApps = 701;
  RecordCareerAppsPlayer = tw::kKeeper;
  int16_t holder = 0;
  EXPECT_EQ(GNW_GetRecordCareerGoals(&holder), 312);
  EXPECT_EQ(holder, tw::kForward);
  EXPECT_EQ(GNW_GetRecordCareerApps(&holder), 701);
  EXPECT_EQ(holder, tw::kKeeper);
  EXPECT_EQ(GNW_GetRecordCareerApps(nullptr), 701);
}

TEST_F(RecordHoldersTest, ANegativeClubEndsTheProgramWithTheAccessorsMessage) {
  EXPECT_FATAL_EXIT(GNW_GetClubRecordCrowd(-3), "Trying to get Record Crowd of neg club : '-3'");
}

// ------------------------------------------------------------------ history

class HistoryReadersTest : public WorldTest {};

TEST_F(HistoryReadersTest, LastMonthsLeaguePositionAndTopScorersOfEachBlock) {
  Club_SetMonthLeaguePos(tw::kHumanClub, 0, 4, 11);
  Club_SetMonthLeaguePos(tw::kHumanClub, 0, 9, 10);  // an earlier month is not the last
  Club_SetMonthLeaguePos(tw::kHumanClub, 9, 17, 11);
  uint8_t* history = GNW_GetClubRecord(tw::kHumanClub)->bytes + CLUB_HISTORY_OFFSET;
  StoreI16(history + 28 + 4 * 2, tw::kForward);  // block 0, entry 2: player, goals
  StoreI16(history + 28 + 4 * 2 + 2, 23);
  StoreI16(history + CLUB_HISTORY_SIZE * 9 + 28 + 4 * 4, tw::kKeeper);
  StoreI16(history + CLUB_HISTORY_SIZE * 9 + 28 + 4 * 4 + 2, 1);

  struct {
    int16_t club, block, entry;
    int16_t position, player, goals;
  } cases[] = {
      {tw::kHumanClub, 0, 2, 4, tw::kForward, 23},
      {tw::kHumanClub, 9, 4, 17, tw::kKeeper, 1},
      {tw::kHumanClub, 10, 0, 0, -1, 0},            // past the ten blocks
      {tw::kHumanClub, -1, 0, 0, -1, 0},
      {tw::kHumanClub, 0, 5, 4, -1, 0},             // past the five entries
      {tw::kMinorClub, 0, 0, 0, -1, 0},             // no full record
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.club << " " << c.block << " " << c.entry);
    EXPECT_EQ(GNW_GetClubHistoryLeaguePos(c.block, c.club), c.position);
    EXPECT_EQ(GNW_GetClubHistoryPlayer(c.club, c.block, c.entry), c.player);
    EXPECT_EQ(GNW_GetClubHistoryPlayerValue(c.club, c.block, c.entry), c.goals);
  }
}

TEST_F(HistoryReadersTest, APlayersMatchHistoryIsHisCareerLog) {
  SeasonCounter = 2;
  PlayerCareerLog_Add(tw::kForward, 40, 1, 2, 0);
  PlayerCareerLog_Add(tw::kKeeper, 40, 1, 0, 0);
  PlayerCareerLog_Add(tw::kForward, 41, 0, 500, 1);
  std::vector<PlayerCareerLogEntry> out(CAREER_ENTRIES_MAX);
  ASSERT_EQ(GNW_GetPlayerMatchHistory(tw::kForward, out.data()), 2);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(out[0]).club, 40);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(out[0]).goals, 2);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(out[1]).club, 41);
  EXPECT_EQ(GNW_GetPlayerMatchHistory(tw::kDefender, out.data()), 0);
  EXPECT_EQ(GNW_GetPlayerMatchHistory(tw::kForward, nullptr), 0);
}

TEST_F(HistoryReadersTest, ClearingTheSeasonMarksForgetsThePreviousAttendance) {
  Club_SetAvgAtt(tw::kHumanClub, 30000);
  Club_SetAvgAtt(tw::kHumanClub, 31000);  // the human club keeps the old average
  ASSERT_EQ(ClubSeasonMarks_GetPreviousAvgAtt(GetClubRecordSlot(tw::kHumanClub)), 30000);
  GNW_ClearClubSeasonMarks();
  EXPECT_EQ(ClubSeasonMarks_GetPreviousAvgAtt(GetClubRecordSlot(tw::kHumanClub)), 0);
}

// ------------------------------------------------------------------ roll of honour

class RollOfHonourTest : public WorldTest {};

// Season 1's holder bytes: each award kind reads its pair; an entry is empty
// when its runner-up (cups) or its champion (divisions) is none.
TEST_F(RollOfHonourTest, EachKindReadsItsPairOfHolderBytes) {
  uint8_t* bytes = HonoursSeasons[1].bytes;
  for (int i = 0; i < HONOUR_HOLDER_BYTES; ++i) bytes[i] = static_cast<uint8_t>(100 + i);
  bytes[3] = 255;   // cup 1 without runner-up: empty
  bytes[4] = 255;   // cup 2 without winner: kept, the winner none
  bytes[16] = 255;  // division 1 without champion: empty
  bytes[19] = 255;  // division 2 without runner-up: kept
  struct {
    int16_t kind, first, second;
  } cases[] = {
      {0, 100, 101}, {1, -1, -1},   {2, -1, 105},  {3, 106, 107},  {4, 108, 109},
      {5, 110, 111}, {6, 112, 113}, {7, 114, 115}, {8, -1, -1},    {9, 118, -1},
      {10, 120, 121}, {11, 122, 123}, {12, 124, 125}, {13, -1, -1}, {-1, -1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    int16_t second = 0;
    EXPECT_EQ(GNW_GetRollOfHonourEntry(1, c.kind, &second), c.first);
    EXPECT_EQ(second, c.second);
  }
  // Seasons outside the roll and empty seasons are empty.
  int16_t second = 0;
  EXPECT_EQ(GNW_GetRollOfHonourEntry(HONOURS_SEASONS, 0, &second), -1);
  EXPECT_EQ(second, -1);
  EXPECT_EQ(GNW_GetRollOfHonourEntry(-1, 0, &second), -1);
  EXPECT_EQ(GNW_GetRollOfHonourEntry(2, 7, &second), -1);
  EXPECT_EQ(GNW_GetRollOfHonourEntry(1, 0, nullptr), 100);
}

TEST_F(RollOfHonourTest, AClubWinsACupInASeasonWhenItHoldsTheWinnersByte) {
  Honours_RecordWinner(tw::kHumanClub, HONOUR_CUP_WINNERS + 2 * 3);  // cup 3
  Honours_RecordWinner(tw::kLeagueClub, HONOUR_CUP_WINNERS + 2 * 3 + 1);
  Honours_RecordWinner(tw::kLeagueClub, HONOUR_CHAMPIONS);
  Honours_ShiftSeasons();
  struct {
    int16_t club, kind, season, won;
  } cases[] = {
      {tw::kHumanClub, 3, 1, 1},  {tw::kHumanClub, 3, 0, 0},  {tw::kLeagueClub, 3, 1, 0},  // runner-up only
      {tw::kHumanClub, 2, 1, 0},  {tw::kLeagueClub, 7, 1, 0},  // kinds above 6 are no cups
      {255, 0, 0, 0},  // no club against the empty byte
      {-1, 3, 1, 0},   {tw::kHumanClub, 3, 50, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GNW_IsClubInRollOfHonour(c.club, c.kind, c.season), c.won) << c.club << " " << c.kind << " " << c.season;
}

TEST_F(RollOfHonourTest, HonourLabelsFollowTheEuropeanHonoursWords) {
  EuroHonourWords[EURO_HONOUR_HOLDER_A] = 10;
  EuroHonourWords[EURO_HONOUR_A_ENTRANT] = 11;
  EuroHonourWords[EURO_HONOUR_HOLDER_C] = 12;
  EuroHonourWords[EURO_HONOUR_CUP_WINNER] = 13;
  EuroHonourWords[EURO_HONOUR_CUP_RUNNER_UP] = 14;
  struct {
    int16_t club, label;
  } cases[] = {{10, 1466}, {11, 1470}, {12, 1466}, {13, 1466}, {14, 1467}, {15, -1}, {-1, -1}};
  for (const auto& c : cases) EXPECT_EQ(GNW_GetHonourLabelTextNo(c.club), c.label) << c.club;
  EXPECT_STREQ(LanguageTextTable[1470], "Champions");
}

TEST_F(RollOfHonourTest, PromotedMarksOfThePlayOffClubs) {
  Club_SetDivision(20, 1);  // went up from division 2 to 1
  Club_SetDivision(21, 2);
  PlayoffClubs[2][0] = 20;
  PlayoffClubs[2][1] = 21;
  struct {
    int16_t division, place, club, mark;
  } cases[] = {
      {2, 0, 20, 1818}, {2, 1, 21, -1}, {2, 2, -1, -1},  // an empty place
      {0, 0, -1, -1},   {6, 0, -1, -1}, {2, 4, -1, -1}, {2, -1, -1, -1},
  };
  for (const auto& c : cases) {
    int16_t mark = 0;
    EXPECT_EQ(GNW_GetPromotedMark(c.division, &mark, c.place), c.club) << c.division << " " << c.place;
    EXPECT_EQ(mark, c.mark) << c.division << " " << c.place;
  }
  EXPECT_EQ(GNW_GetHonourListLength(), 4);
}

TEST_F(RollOfHonourTest, ManagerOfTheMonthAndTheAwardLists) {
  StoreI16(MonthManagerTable.bytes + 4 * 2, 777);
  StoreI16(MonthManagerTable.bytes + 4 * 2 + 2, tw::kLeagueClub);
  int16_t club = 0;
  EXPECT_EQ(GNW_GetManagerOfSeason(2, &club), 777);
  EXPECT_EQ(club, tw::kLeagueClub);
  EXPECT_EQ(GNW_GetManagerOfSeason(0, &club), -1);
  EXPECT_EQ(club, -1);
  EXPECT_EQ(GNW_GetManagerOfSeason(6, &club), -1);
  EXPECT_EQ(club, -1);

  Player_SetGoals(tw::kForward, 20);
  Honours_RecordPlayerAward(tw::kHumanManager, AWARD_MANAGER_OF_YEAR, 0);
  Honours_RecordPlayerAward(tw::kKeeper, AWARD_PLAYER_OF_YEAR, 1);
  Honours_RecordPlayerAward(tw::kDefender, AWARD_YOUNG_PLAYER, 2);
  Honours_RecordPlayerAward(tw::kForward, AWARD_TOP_SCORER, 3);
  Honours_ShiftSeasons();
  struct {
    int16_t (*pair)(int16_t, int16_t, int16_t*);
    int16_t entry, player;
  } cases[] = {
      {GNW_GetHonourPair1, 0, tw::kHumanManager},
      {GNW_GetHonourPair2, 1, tw::kKeeper},
      {GNW_GetHonourPair3, 2, tw::kDefender},
      {GNW_GetHonourPair4, 3, tw::kForward},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.player);
    EXPECT_EQ(c.pair(1, c.entry, &club), tw::kSurnameBase + c.player);
    EXPECT_EQ(club, tw::kHumanClub);
    EXPECT_EQ(c.pair(0, c.entry, &club), -1);  // this season: nobody yet
    EXPECT_EQ(club, -1);
    EXPECT_EQ(c.pair(1, 6, &club), -1);
    EXPECT_EQ(c.pair(50, c.entry, &club), -1);
  }
}

// ------------------------------------------------------------------ board

class BoardTargetsTest : public WorldTest {};

// England: division 0 has 20 clubs (half 10), division 1 24 (half 12).
TEST_F(BoardTargetsTest, TheBoardsTargetFromTheExpectedPlace) {
  struct {
    int16_t division;
    int16_t places[2];  // first and last place of the band
    int16_t target;
  } cases[] = {
      {0, {0, 4}, 1695},   {0, {5, 7}, 1696},   {0, {8, 9}, 1697},   {0, {10, 14}, 1698},
      {0, {15, 15}, 1699}, {0, {16, 24}, 1671}, {1, {0, 4}, 1672},   {1, {5, 7}, 1673},
      {1, {8, 11}, 1697},  {1, {12, 16}, 1698}, {1, {17, 19}, 1699}, {1, {20, 24}, 1671},
  };
  for (const auto& c : cases) {
    Club_SetDivision(tw::kLeagueClub, c.division);
    for (int16_t p = c.places[0]; p <= c.places[1]; ++p) {
      Club_SetRepPlace(tw::kLeagueClub, p);
      EXPECT_EQ(GNW_GetBoardTargetTextNo(tw::kLeagueClub), c.target) << c.division << " " << p;
    }
  }
  EXPECT_STREQ(LanguageTextTable[1695], "Qualify for Champion's League");
  EXPECT_STREQ(LanguageTextTable[1671], "Avoid relegation");
}

TEST_F(BoardTargetsTest, ScoresComeFromTheClubSimulation) {
  ClubSim.calcClubFormScore = [](int16_t club) -> int16_t { return static_cast<int16_t>(40 + club); };
  ClubSim.calcRepRankScore = [](int16_t club) -> int16_t { return static_cast<int16_t>(20 + club); };
  ClubSim.calcFinanceScore = [](int16_t club) -> int16_t { return static_cast<int16_t>(10 + club); };
  EXPECT_EQ(GNW_GetClubForm(2), 42);
  EXPECT_EQ(GNW_GetClubRepRankScore(2), 22);
  EXPECT_EQ(GNW_GetClubFinanceScore(2), 12);
  EXPECT_EQ(GNW_GetClubStrengthScore(2), 42 + 12 + 22);
}

TEST_F(BoardTargetsTest, JobsInJeopardyInClubOrderUpToTheBound) {
  ClubSim.boardWouldSackManager = [](int16_t club) -> int16_t { return club % 50 == 7 ? 1 : 0; };
  struct {
    int16_t n, count;
    std::vector<int16_t> expected;  // the list's first n + 2 entries
  } cases[] = {
      {10, 5, {7, 57, 107, 157, 207, -1, -1, -1, -1, -1, 99, 99}},
      {3, 3, {7, 57, 107, 99, 99}},
      {0, 0, {99, 99}},
  };
  for (const auto& c : cases) {
    int16_t list[12];
    for (int16_t& e : list) e = 99;
    EXPECT_EQ(GNW_ListJobsInJeopardy(list, c.n), c.count) << c.n;
    EXPECT_EQ(std::vector<int16_t>(list, list + c.expected.size()), c.expected) << c.n;
  }
  EXPECT_EQ(GNW_ListJobsInJeopardy(nullptr, 5), 0);
}

// ------------------------------------------------------------------ squad report

// A 330-byte tactic whose slots (behind the 5-byte header) give each shirt a
// column and the three rows the ground to cover is measured by.
struct TestTactic {
  uint8_t bytes[TACTICS_RECORD_SIZE] = {};
  void Slot(int shirt, int16_t column, int16_t a, int16_t b, int16_t c) {
    uint8_t* s = bytes + 5 + 30 * (shirt - 1);
    StoreI16(s, column);
    StoreI16(s + 2, a);
    StoreI16(s + 6, b);
    StoreI16(s + 17, c);
  }
};
TestTactic gTactic;

// The player's pace (physical stat 8) through a stats code of his own.
void SetPace(int16_t player, int pace) {
  const int code = 100 + player;
  Player_SetPhysicalStats(player, code);
  std::memset(PlayerStatTables.physicalTemplate[code], pace, sizeof PlayerStatTables.physicalTemplate[code]);
}

class AdviceTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    gTactic = TestTactic{};
    for (int shirt = 2; shirt <= 11; ++shirt) gTactic.Slot(shirt, 7, 8, -1, -1);  // central, no running
    MenuSystem.getCurrentTactic = []() -> int16_t { return 41; };
    MenuSystem.getTacticRecord = [](int16_t tactic) -> const uint8_t* {
      return tactic == 41 ? gTactic.bytes : nullptr;
    };
    // The club's starters: a fit, happy, experienced keeper, defender,
    // midfielder (from club 1) and forward.
    Player_SetClub(tw::kMidfielder, tw::kHumanClub);
    for (int16_t p : {tw::kKeeper, tw::kDefender, tw::kMidfielder, tw::kForward}) {
      Player_SetFitness(p, 60);
      Player_SetMorale(p, 60);
      Player_SetFatigue(p, 0);
      Player_SetExperience(p, 63);
      SetPace(p, 90);
    }
    Player_SetShirt(tw::kKeeper, 1);
    Player_SetShirt(tw::kDefender, 2);
    Player_SetShirt(tw::kMidfielder, 7);
    Player_SetShirt(tw::kForward, 9);
    Player_SetPosition(tw::kDefender, 2);
    Player_SetPosition(tw::kMidfielder, 6);
    Player_SetPosition(tw::kForward, 11);
  }
  // The lines of the list as (pair or code, player); a pair's second line is
  // read as the first.
  static std::vector<std::pair<int16_t, int16_t>> Lines(int16_t count, const std::set<int16_t>& singles) {
    std::vector<std::pair<int16_t, int16_t>> lines;
    for (int i = 0; i < count; ++i) {
      int16_t code = AssistantAdvice.codes[i];
      if (!singles.count(code) && (code - 1220) % 2 == 1) --code;
      lines.emplace_back(code, AssistantAdvice.players[i]);
    }
    return lines;
  }
};

const std::set<int16_t> kSingles = {ADVICE_NOT_LEFT_SIDED, ADVICE_NOT_RIGHT_SIDED, ADVICE_TOO_MUCH_GROUND};

TEST_F(AdviceTest, AFitExperiencedSquadGetsNoReport) {
  EXPECT_EQ(GNW_BuildSquadReport(tw::kHumanClub), 0);
  EXPECT_EQ(AssistantAdvice.codes[0], 0);
  EXPECT_EQ(AssistantAdvice.players[ADVICE_LIST_SIZE - 1], 0);
}

TEST_F(AdviceTest, EachConditionOfAStarterGivesItsLine) {
  const int16_t p = tw::kDefender;
  struct {
    const char* name;
    void (*make)(int16_t p);
    std::vector<int16_t> pairs;
  } cases[] = {
      {"fitness 41 (68 %, x 100 / 60 = 113): fit enough", [](int16_t p) { Player_SetFitness(p, 41); }, {}},
      {"fitness 25 (41 % -> 68)", [](int16_t p) { Player_SetFitness(p, 25); }, {ADVICE_NOT_FIT}},
      {"morale 21 (35 % -> 58)", [](int16_t p) { Player_SetMorale(p, 21); }, {ADVICE_LOW_MORALE}},
      {"morale 22 (36 % -> 60)", [](int16_t p) { Player_SetMorale(p, 22); }, {}},
      {"fatigue 8 (13 % -> 21)", [](int16_t p) { Player_SetFatigue(p, 8); }, {ADVICE_TIRED}},
      {"fatigue 7 (11 % -> 18)", [](int16_t p) { Player_SetFatigue(p, 7); }, {}},
      {"suspended", [](int16_t p) { Player_SetSuspension(p, 2); }, {ADVICE_BANNED}},
      {"banned in Europe", [](int16_t p) { Player_SetEuroBan(p, 1); }, {ADVICE_BANNED}},
      {"injury type 3",
       [](int16_t p) {
         Player_SetInFlag(p, 1);
         Patient_SetPlayerNo(0, p);
         Patient_SetInjuryType(0, 3);
       },
       {ADVICE_INJURED}},
      {"injury type 9",
       [](int16_t p) {
         Player_SetInFlag(p, 1);
         Patient_SetPlayerNo(0, p);
         Patient_SetInjuryType(0, 9);
       },
       {ADVICE_INJURED_LONG}},
      {"injured, not on the list", [](int16_t p) { Player_SetInFlag(p, 1); }, {ADVICE_KNOCK}},
      {"cup-tied",
       [](int16_t p) {
         GNW_AddFixture(10, 5, tw::kHumanClub, tw::kLeagueClub, 0);
         Player_SetCupTied(p, tw::kLeagueClub, 0);
       },
       {ADVICE_CUP_TIED}},
      {"everything at once, in the report's order",
       [](int16_t p) {
         Player_SetFitness(p, 10);
         Player_SetMorale(p, 10);
         Player_SetFatigue(p, 30);
         Player_SetSuspension(p, 1);
         Player_SetInFlag(p, 1);
       },
       {ADVICE_NOT_FIT, ADVICE_LOW_MORALE, ADVICE_TIRED, ADVICE_BANNED, ADVICE_KNOCK}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.make(p);
    std::vector<std::pair<int16_t, int16_t>> expected;
    for (int16_t pair : c.pairs) expected.emplace_back(pair, p);
    EXPECT_EQ(Lines(GNW_BuildSquadReport(tw::kHumanClub), kSingles), expected);
  }
}

TEST_F(AdviceTest, APlayerOutOfTheStartingElevenGetsNoLine) {
  Player_SetShirt(tw::kDefender, 12);  // on the bench
  Player_SetFitness(tw::kDefender, 0);
  Player_SetShirt(tw::kForward, 0);  // not in the match squad
  Player_SetMorale(tw::kForward, 0);
  // The defence has no starter now: its best experience is 0.
  const auto lines = Lines(GNW_BuildSquadReport(tw::kHumanClub), kSingles);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].first, ADVICE_DEFENCE_GREEN);
  EXPECT_EQ(lines[1].first, ADVICE_ATTACK_GREEN);
}

TEST_F(AdviceTest, TheExperienceLinesOfTheThreeGroups) {
  // Experience 63 is 100 %, x 100 / 60 = 166. Percent p gives p x 100 / 60.
  struct {
    int16_t experience;  // of the defender (the forward stays at 63)
    int16_t pair;        // 0: no line
  } cases[] = {
      {0, ADVICE_DEFENCE_GREEN},           // 0 %
      {7, ADVICE_DEFENCE_GREEN},           // 11 % -> 18
      {8, ADVICE_DEFENCE_INEXPERIENCED},   // 12 % -> 20
      {15, ADVICE_DEFENCE_INEXPERIENCED},  // 23 % -> 38
      {16, 0},                             // 25 % -> 41
  };
  for (const auto& c : cases) {
    SetUp();
    Player_SetExperience(tw::kDefender, c.experience);
    GNW_FillSquadList(tw::kHumanClub);
    const int16_t after = SquadListLength < SQUAD_LIST_SIZE ? SquadList[SquadListLength] : int16_t{-1};
    std::vector<std::pair<int16_t, int16_t>> expected;
    if (c.pair != 0) expected.emplace_back(c.pair, after);
    EXPECT_EQ(Lines(GNW_BuildSquadReport(tw::kHumanClub), kSingles), expected) << c.experience;
    EXPECT_EQ(after, -1);
  }
}

TEST_F(AdviceTest, PositionLinesFromTheTacticSlots) {
  struct {
    const char* name;
    int16_t side, column, a, b, c, pace;
    std::vector<int16_t> codes;
  } cases[] = {
      {"left flank, right-footed", 2, 3, 8, -1, -1, 200, {ADVICE_NOT_LEFT_SIDED}},
      {"left flank, left-footed", 1, 3, 8, -1, -1, 200, {}},
      {"left flank, both feet", 3, 0, 8, -1, -1, 200, {}},
      {"right flank, no side", 0, 11, 8, -1, -1, 200, {ADVICE_NOT_RIGHT_SIDED}},
      {"right flank, left-footed", 1, 14, 8, -1, -1, 200, {ADVICE_NOT_RIGHT_SIDED}},
      {"columns 5 and 10 are central", 0, 5, 8, -1, -1, 200, {}},
      {"central at 10", 0, 10, 8, -1, -1, 200, {}},
      // ground 4 + 3 = 7 against pace 60 / 10 = 6
      {"too much ground", 0, 7, 8, 12, 5, 60, {ADVICE_TOO_MUCH_GROUND}},
      {"ground 7, pace 70", 0, 7, 8, 12, 5, 70, {}},
      {"an unused row (negative) counts nothing", 0, 7, 8, -1, 15, 60, {ADVICE_TOO_MUCH_GROUND}},
      {"both unused", 0, 7, 8, -1, -1, 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    Player_SetSide(tw::kDefender, c.side);
    SetPace(tw::kDefender, c.pace);
    ASSERT_EQ(GNW_GetPlayerPhysicalStat(tw::kDefender, 8), c.pace < 10 ? 10 : c.pace);
    gTactic.Slot(2, c.column, c.a, c.b, c.c);
    std::vector<std::pair<int16_t, int16_t>> expected;
    for (int16_t code : c.codes) expected.emplace_back(code, tw::kDefender);
    EXPECT_EQ(Lines(GNW_BuildSquadReport(tw::kHumanClub), kSingles), expected);
  }
}

TEST_F(AdviceTest, TheKeepersShirtHasNoPositionLinesAndNoTacticMeansNone) {
  Player_SetSide(tw::kKeeper, 2);
  Player_SetSide(tw::kDefender, 2);
  gTactic.Slot(1 + 1, 0, 0, -1, -1);  // shirt 2 on the left flank
  std::vector<std::pair<int16_t, int16_t>> lines = Lines(GNW_BuildSquadReport(tw::kHumanClub), kSingles);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], std::make_pair(ADVICE_NOT_LEFT_SIDED, tw::kDefender));
  // Without a tactic record the report leaves the position lines out.
  MenuSystem.getTacticRecord = [](int16_t) -> const uint8_t* { return nullptr; };
  EXPECT_EQ(GNW_BuildSquadReport(tw::kHumanClub), 0);
}

TEST_F(AdviceTest, APairGivesBothLinesOverManyReports) {
  Player_SetFitness(tw::kDefender, 0);
  std::set<int16_t> seen;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    GameSeedRandom(seed);
    ASSERT_GE(GNW_BuildSquadReport(tw::kHumanClub), 1);
    seen.insert(AssistantAdvice.codes[0]);
  }
  EXPECT_EQ(seen, (std::set<int16_t>{1232, 1233}));
}

TEST_F(AdviceTest, TheReportStopsAtTheListsSize) {
  // Twenty starters all wearing shirt 6 (a squad in a bad state), each with
  // eight lines: the report keeps the first hundred.
  PlayerCount = PlayerTotalCount = static_cast<int16_t>(tw::kPlayerCount + 20);
  for (int16_t p = 0; p < 20; ++p) {
    const int16_t player = static_cast<int16_t>(tw::kPlayerCount + p);
    Player_SetClub(player, tw::kHumanClub);
    Player_SetPosition(player, 2);
    Player_SetWage(player, 100);
    Player_SetShirt(player, 6);
    Player_SetFitness(player, 0);
    Player_SetMorale(player, 0);
    Player_SetFatigue(player, 60);
    Player_SetSuspension(player, 1);
    Player_SetInFlag(player, 1);
    Player_SetSide(player, 2);
    for (int cup = 0; cup < NUM_PLAYER_CUPS; ++cup) Player_SetCupTied(player, tw::kLeagueClub, cup);
  }
  GNW_AddFixture(10, 5, tw::kHumanClub, tw::kLeagueClub, 0);
  gTactic.Slot(6, 0, 0, 14, 14);
  EXPECT_EQ(GNW_BuildSquadReport(tw::kHumanClub), ADVICE_LIST_SIZE);
  for (int i = 0; i < ADVICE_LIST_SIZE; ++i) EXPECT_NE(AssistantAdvice.codes[i], 0) << i;
}

// ------------------------------------------------------------------ match advice

class MatchAdviceTest : public AdviceTest {
 protected:
  uint8_t* Stats(int side, int place) { return GetMatchResultRecord() + PlayerStatsOffset(side, place); }
  // A player of a side who played a quiet, blameless match.
  uint8_t* Played(int side, int place, int16_t player) {
    uint8_t* s = Stats(side, place);
    StoreI16(s + PLAYER_STATS_MARK, 60);
    uint8_t* r = s + PLAYER_STATS_RECORD;
    StoreI16(r + MATCH_RECORD_PLAYER, player);
    StoreI16(r + 8, 60);  // involvement
    r[37] = 20;           // passes completed
    r[15] = 2;            // key passes
    r[16] = 2;            // key runs
    r[17] = 1;            // key crosses
    r[30] = 2;            // shots on target
    r[46] = 3;            // tackles won
    r[112] = 80;          // condition
    return r;
  }
  void SetUp() override {
    AdviceTest::SetUp();
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < 16; ++place) StoreI16(Stats(side, place) + PLAYER_STATS_RECORD, -1);
  }
};

TEST_F(MatchAdviceTest, EachComparisonThatFailsGivesItsLine) {
  struct {
    const char* name;
    int16_t player;  // keeper (place 0), defender (1) or forward (9)
    void (*make)(uint8_t* record);
    std::vector<int16_t> codes;
  } cases[] = {
      {"a quiet defender", tw::kDefender, [](uint8_t*) {}, {}},
      {"gave the ball away", tw::kDefender, [](uint8_t* r) { r[37] = 2, r[38] = 5; }, {1276}},
      {"careless passing", tw::kDefender, [](uint8_t* r) { r[37] = 2, r[38] = 3; }, {1289}},
      {"no tackle, no interception", tw::kDefender, [](uint8_t* r) { r[46] = 0; }, {1278}},
      {"a forward who never shot", tw::kForward, [](uint8_t* r) { r[30] = 0; }, {1279}},
      {"snatched at chances", tw::kForward, [](uint8_t* r) { r[30] = 1, r[31] = 4; }, {1280}},
      {"offside", tw::kForward, [](uint8_t* r) { r[25] = 3; }, {1281}},
      {"not involved", tw::kForward, [](uint8_t* r) { StoreI16(r + 8, 23); }, {1284}},
      {"involved enough", tw::kForward, [](uint8_t* r) { StoreI16(r + 8, 24); }, {}},
      {"a keeper is never uninvolved", tw::kKeeper, [](uint8_t* r) { StoreI16(r + 8, 0); }, {}},
      {"crosses to the opposition", tw::kForward, [](uint8_t* r) { r[44] = 5; }, {1287}},
      {"holding on", tw::kForward, [](uint8_t* r) { StoreI16(r + 21, 130); }, {1288}},
      {"mistakes at the back", tw::kDefender, [](uint8_t* r) { r[63] = 2; }, {1292}},
      {"a keeper's bad day", tw::kKeeper, [](uint8_t* r) { r[58] = 3, r[62] = 1; }, {1293}},
      {"tired", tw::kForward, [](uint8_t* r) { r[112] = 39; }, {1297}},
      {"several at once, in the rules' order", tw::kForward, [](uint8_t* r) { r[30] = 0, r[25] = 4, r[112] = 10; },
       {1279, 1281, 1297}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    const int place = c.player == tw::kKeeper ? 0 : c.player == tw::kDefender ? 1 : 9;
    c.make(Played(0, place, c.player));
    std::vector<std::pair<int16_t, int16_t>> expected;
    for (int16_t code : c.codes) expected.emplace_back(code, c.player);
    EXPECT_EQ(Lines(GNW_BuildAssistantAdvice(0), {c.codes.begin(), c.codes.end()}), expected);
  }
}

TEST_F(MatchAdviceTest, TheTacticsInstructionsAndTheFlanks) {
  // Squad place 1 plays the tactic's slot 1 (shirt 2): its forward-run flag
  // and its column.
  gTactic.bytes[30 * 1 + TACTICS_SLOT_FORWARD_RUN] = 1;
  uint8_t* r = Played(0, 1, tw::kDefender);
  r[16] = 0;
  std::vector<std::pair<int16_t, int16_t>> expected = {{1282, tw::kDefender}};
  EXPECT_EQ(Lines(GNW_BuildAssistantAdvice(0), {1282}), expected);
  // Told to stay back, yet forward four times.
  gTactic.bytes[30 * 1 + TACTICS_SLOT_FORWARD_RUN] = 0;
  r[16] = 4;
  expected = {{1283, tw::kDefender}};
  EXPECT_EQ(Lines(GNW_BuildAssistantAdvice(0), {1283}), expected);
  // A forward on the wing (slot 9's column 13) who never crossed.
  StoreI16(gTactic.bytes + 30 * 9 + TACTICS_SLOT_X, 13);
  r = Played(0, 9, tw::kForward);
  r[17] = 0;
  expected = {{1283, tw::kDefender}, {1286, tw::kForward}};
  EXPECT_EQ(Lines(GNW_BuildAssistantAdvice(0), {1283, 1286}), expected);
  // Without a tactic the instructions are not judged.
  MenuSystem.getTacticRecord = [](int16_t) -> const uint8_t* { return nullptr; };
  EXPECT_EQ(GNW_BuildAssistantAdvice(0), 0);
}

TEST_F(MatchAdviceTest, OnlyPlayersWhoTookPartOfTheSideAreJudged) {
  uint8_t* r = Played(1, 3, tw::kMidfielder);
  r[112] = 5;  // tired
  r = Played(1, 4, tw::kItalian);
  r[112] = 5;
  StoreI16(Stats(1, 4) + PLAYER_STATS_MARK, 0);  // an unused substitute
  r = Played(0, 2, tw::kForward);
  r[112] = 5;
  std::vector<std::pair<int16_t, int16_t>> expected = {{1297, tw::kMidfielder}};
  EXPECT_EQ(Lines(GNW_BuildAssistantAdvice(1), {1297}), expected);
  EXPECT_EQ(AssistantAdvice.codes[1], -1);
  EXPECT_EQ(AssistantAdvice.players[ADVICE_LIST_SIZE - 1], -1);
  for (int16_t side : {-1, 2}) {
    EXPECT_EQ(GNW_BuildAssistantAdvice(side), 0) << side;
    EXPECT_EQ(AssistantAdvice.codes[0], -1);
  }
}

TEST_F(MatchAdviceTest, TheAdviceStopsAtTheListsSize) {
  for (int place = 0; place < 16; ++place) {
    uint8_t* r = Played(0, place, tw::kForward);
    // seven lines each
    r[30] = 1, r[31] = 5, r[25] = 9, r[44] = 9, r[112] = 0, r[37] = 0, r[38] = 9;
    StoreI16(r + 8, 0);
    StoreI16(r + 21, 200);
  }
  EXPECT_EQ(GNW_BuildAssistantAdvice(0), ADVICE_LIST_SIZE);
  for (int i = 0; i < ADVICE_LIST_SIZE; ++i) EXPECT_EQ(AssistantAdvice.players[i], tw::kForward) << i;
}

TEST_F(MatchAdviceTest, RatingsComeFromTheClubSimulation) {
  ClubSim.matchPlayerRating = [](int16_t slot, int16_t side, int16_t group) -> int16_t {
    return static_cast<int16_t>((slot + side + group) % 10);
  };
  EXPECT_EQ(GNW_GetMatchPlayerRating(3, 1, 4, 99), 8);
}

// Every advice code either list gives has its own advice text; the codes the
// language table also holds as advice lines agree with it, and those it
// gives to other screens ("Graphic Options", the news lines) keep theirs.
TEST_F(AdviceTest, EveryAdviceCodeHasItsAdviceText) {
  std::vector<int16_t> report;
  for (int16_t pair : {1220, 1222, 1224, 1226, 1228, 1230, 1232, 1236, 1238, 1240, 1242, 1244, 1246, 1250}) {
    report.push_back(pair);
    report.push_back(static_cast<int16_t>(pair + 1));
  }
  for (int16_t code : {1252, 1253, 1254}) report.push_back(code);
  std::vector<int16_t> match = {1276, 1278, 1279, 1280, 1281, 1282, 1283, 1284,
                                      1286, 1287, 1288, 1289, 1291, 1292, 1293, 1297, 1299};
  std::set<std::string> texts;
  for (const auto* codes : {&report, &match})
    for (int16_t code : *codes) {
      const std::string text = GNW_GetAdviceText(code);
      EXPECT_FALSE(text.empty()) << code;
      EXPECT_TRUE(texts.insert(text).second) << code << " repeats " << text;
    }
  for (int16_t code : {1220, 1221, 1232, 1233, 1250, 1251, 1252, 1253, 1254, 1276, 1289, 1297})
    EXPECT_STREQ(GNW_GetAdviceText(code), LanguageTextTable[code]) << code;
  EXPECT_STREQ(LanguageTextTable[1222], "Graphic Options");
  EXPECT_STRNE(GNW_GetAdviceText(1222), LanguageTextTable[1222]);
  EXPECT_STREQ(GNW_GetAdviceText(1234), "");
  EXPECT_STREQ(GNW_GetAdviceText(1268), "");  // a news line, never advice
  EXPECT_STREQ(GNW_GetAdviceText(-1), "");
}

// ------------------------------------------------------------------ best players

class TopPlayersTest : public WorldTest {
 protected:
  std::vector<std::pair<int16_t, int16_t>> Places(int first, int end) {
    std::vector<std::pair<int16_t, int16_t>> v;
    for (int i = first; i < end; ++i) v.emplace_back(TopPlayers.players[i], TopPlayers.values[i]);
    return v;
  }
};

TEST_F(TopPlayersTest, InsertionKeepsEachGroupInOrderEqualsBehind) {
  GNW_ClearTopPlayerTable();
  EXPECT_EQ(Places(0, 11), (std::vector<std::pair<int16_t, int16_t>>(11, {-1, -1})));
  GNW_InsertTopDefender(10, 50);
  GNW_InsertTopDefender(11, 70);
  GNW_InsertTopDefender(12, 50);  // equal: behind 10
  GNW_InsertTopDefender(13, 60);
  GNW_InsertTopDefender(14, 40);  // the group is full: 14 would be last, drops out
  EXPECT_EQ(Places(1, 5), (std::vector<std::pair<int16_t, int16_t>>{{11, 70}, {13, 60}, {10, 50}, {12, 50}}));
  GNW_InsertTopDefender(15, 65);  // 12 drops out
  EXPECT_EQ(Places(1, 5), (std::vector<std::pair<int16_t, int16_t>>{{11, 70}, {15, 65}, {13, 60}, {10, 50}}));
  GNW_InsertTopDefender(16, 50);  // equal to the last: no place
  EXPECT_EQ(Places(4, 5), (std::vector<std::pair<int16_t, int16_t>>{{10, 50}}));

  GNW_InsertTopForward(20, 5);
  GNW_InsertTopForward(21, 9);
  GNW_InsertTopForward(22, 7);
  EXPECT_EQ(Places(9, 11), (std::vector<std::pair<int16_t, int16_t>>{{21, 9}, {22, 7}}));
  GNW_InsertTopMidfielder(30, 0);  // above the free places' -1
  EXPECT_EQ(Places(5, 7), (std::vector<std::pair<int16_t, int16_t>>{{30, 0}, {-1, -1}}));
  // The groups stay apart.
  EXPECT_EQ(Places(0, 1), (std::vector<std::pair<int16_t, int16_t>>{{-1, -1}}));

  GNW_SetTopGoalkeeper(40, 30);
  GNW_SetTopGoalkeeper(41, 30);  // equal: the first keeps it
  GNW_SetTopGoalkeeper(42, 20);
  EXPECT_EQ(Places(0, 1), (std::vector<std::pair<int16_t, int16_t>>{{40, 30}}));
  GNW_SetTopGoalkeeper(43, 31);
  EXPECT_EQ(Places(0, 1), (std::vector<std::pair<int16_t, int16_t>>{{43, 31}}));
}

TEST_F(TopPlayersTest, TheTablesOfEachMode) {
  // No fixtures yet: a player with an appearance is a regular.
  struct Who {
    int16_t player;
    int apps, perf, dispoints, age;
  };
  const Who who[] = {
      {tw::kKeeper, 5, 60, 2, 3},      // club 0 (division 0), young
      {tw::kDefender, 5, 70, 5, 17},   // club 0, old (33)
      {tw::kForward, 0, 90, 1, 8},     // club 0, not a regular
      {tw::kMidfielder, 5, 40, 4, 8},  // club 1 (division 1)
      {tw::kItalian, 5, 99, 9, 3},     // Italy: never
  };
  for (const Who& w : who) {
    Player_SetApps(w.player, w.apps);
    Player_SetPerf(w.player, w.perf);
    Player_SetDispoints(w.player, w.dispoints);
    Player_SetAge(w.player, w.age);
  }
  DivisionTable[0][0] = tw::kHumanClub;
  DivisionTable[1][0] = tw::kLeagueClub;
  Player_SetPosition(tw::kMidfielder, 6);
  Player_SetPosition(tw::kForward, 11);
  Player_SetPosition(tw::kDefender, 3);
  using Table = std::vector<std::pair<int16_t, int16_t>>;
  struct {
    int16_t mode, division;
    Table keeper, defence, midfield, attack;
  } cases[] = {
      {0, 0, {{tw::kKeeper, 60}}, {{tw::kDefender, 70}}, {}, {}},
      {0, 1, {}, {}, {{tw::kMidfielder, 40}}, {}},
      {1, 5, {{tw::kKeeper, 6}}, {{tw::kDefender, 15}}, {{tw::kMidfielder, 12}}, {{tw::kForward, 3}}},
      {2, 0, {{tw::kKeeper, 40}}, {{tw::kDefender, 30}}, {}, {}},
      {3, 9, {{tw::kKeeper, 60}}, {}, {}, {}},
      {4, 9, {}, {{tw::kDefender, 70}}, {}, {}},
      {5, 0, {}, {}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " division " << c.division);
    GNW_ClearTopPlayerTable();
    GNW_BuildTopPlayerTables(c.mode, c.division);
    auto used = [&](int first, int end) {
      Table t;
      for (const auto& e : Places(first, end))
        if (e.first >= 0) t.push_back(e);
      return t;
    };
    EXPECT_EQ(used(0, 1), c.keeper);
    EXPECT_EQ(used(1, 5), c.defence);
    EXPECT_EQ(used(5, 9), c.midfield);
    EXPECT_EQ(used(9, 11), c.attack);
  }
}

TEST_F(TopPlayersTest, AClubsBestRegularAndTopScorer) {
  struct {
    const char* name;
    int keeperApps, keeperPerf, keeperGoals;
    int defenderApps, defenderPerf, defenderGoals;
    int forwardApps, forwardPerf, forwardGoals;
    int16_t bestRegular, topScorer;
  } cases[] = {
      {"the best performance", 3, 50, 0, 3, 70, 1, 3, 60, 9, tw::kDefender, tw::kForward},
      {"not a regular", 3, 50, 0, 0, 70, 1, 3, 60, 0, tw::kForward, tw::kDefender},
      {"equal: the first listed", 3, 60, 0, 3, 60, 4, 3, 60, 4, tw::kKeeper, tw::kDefender},
      {"nobody regular, nobody scored", 0, 60, 0, 0, 60, 0, 0, 60, 0, -1, -1},
      {"a keeper's clean sheets are no goals", 3, 0, 9, 0, 0, 0, 0, 0, 0, tw::kKeeper, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Player_SetApps(tw::kKeeper, c.keeperApps);
    Player_SetPerf(tw::kKeeper, c.keeperPerf);
    Player_SetGoals(tw::kKeeper, c.keeperGoals);
    Player_SetApps(tw::kDefender, c.defenderApps);
    Player_SetPerf(tw::kDefender, c.defenderPerf);
    Player_SetGoals(tw::kDefender, c.defenderGoals);
    Player_SetApps(tw::kForward, c.forwardApps);
    Player_SetPerf(tw::kForward, c.forwardPerf);
    Player_SetGoals(tw::kForward, c.forwardGoals);
    EXPECT_EQ(GNW_FindClubBestRegular(tw::kHumanClub), c.bestRegular);
    EXPECT_EQ(GNW_FindClubTopScorer(tw::kHumanClub), c.topScorer);
  }
}

// ------------------------------------------------------------------ manager events

class ManagerEventsTest : public WorldTest {};

TEST_F(ManagerEventsTest, TheFacadeForwardsToTheClubSimulationsList) {
  Seam_ClearCalls();
  GNW_SetManagerEvent(1, 300, 7, 9, -4);
  EXPECT_EQ(GNW_FindFreeManagerEvent(1), -1);  // the stub: none free
  GNW_ClearManagerEventKinds(1);
  GNW_GetManagerEventKind(1, 7);
  GNW_GetManagerEventValue(1, 7);
  GNW_GetManagerEventValue2(1, 7);
  const std::vector<SeamCall>& calls = Seam_Calls();
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[0].name, "ManagerList_Set");
  EXPECT_EQ(calls[0].args, (std::vector<int32_t>{1, 7, 9, 300, -4}));  // manager, entry, kind, a, b
  EXPECT_EQ(calls[1].name, "ManagerList_FindFree");
  EXPECT_EQ(calls[2].name, "ManagerList_DropKinds");
  EXPECT_EQ(calls[3].name, "ManagerList_GetKind");
  EXPECT_EQ(calls[4].name, "ManagerList_GetA");
  EXPECT_EQ(calls[5].name, "ManagerList_GetB");
  EXPECT_EQ(calls[5].args, (std::vector<int32_t>{1, 7}));
}

// ------------------------------------------------------------------ the career tool's lines

TEST_F(RecordHoldersTest, TheRecordHoldersAsLines) {
  DivisionTable[1][0] = tw::kLeagueClub;
  DivisionTable[1][1] = 9;
  Club_SetRecordPointsTotal(5, 80);
  Club_SetRecordPointsTotal(tw::kLeagueClub, 70);
  Club_SetRecordPointsTotal(9, 75);
  Club_SetRecordBuy(9, tw::kForward, 400, 30);
  const std::vector<std::string> lines = GNW_DescribeRecordHolders(1);
  ASSERT_EQ(lines.size(), 16u);
  EXPECT_EQ(lines[0], "country records");
  EXPECT_EQ(lines[1], "  record fee paid: " + std::string(GNW_GetClubName(GNW_GetClubDbId(9))) + " 40000");
  EXPECT_EQ(lines[2], "  record win: none");
  EXPECT_EQ(lines[4], "  most points in a season: " + std::string(GNW_GetClubName(GNW_GetClubDbId(5))) + " 80");
  EXPECT_EQ(lines[8], "division 2 records");
  EXPECT_EQ(lines[12], "  most points in a season: " + std::string(GNW_GetClubName(GNW_GetClubDbId(9))) + " 75");
  EXPECT_EQ(GNW_DescribeRecordHolders(6).size(), 8u);  // no such division: the country's lines only
}

}  // namespace

// ------------------------------------------------------------------ after a played season

namespace {

class RecordsCareerTest : public CareerWorldTest {};

bool IsGameCountryClub(int16_t club) { return club >= 0 && club < 250 && GNW_GetClubCountry(club) == GameCountry; }

// The first club of the game country with the greatest value, -1 for none.
int16_t ExpectedHolder(int64_t (*value)(int16_t club)) {
  int16_t best = -1;
  for (int16_t c = 0; c < 250; ++c)
    if (IsGameCountryClub(c) && (best < 0 || value(c) > value(best))) best = c;
  return best;
}

TEST_F(RecordsCareerTest, TheRecordHoldersAreTheGameCountrysBestClubs) {
  ASSERT_GE(LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 1}), 0);
  int16_t a = 0, b = 0;
  struct {
    const char* name;
    int16_t holder;
    int64_t (*value)(int16_t club);
  } cases[] = {
      {"dispoints", GNW_FindRecordDispointsClub(&a, &b),
       [](int16_t c) -> int64_t { return GNW_GetClubRecordDispoints(c); }},
      {"goals total", GNW_FindRecordGoalsTotalClub(&a, &b),
       [](int16_t c) -> int64_t { return GNW_GetClubRecordGoalsTotal(c); }},
      {"points total", GNW_FindRecordPointsTotalClub(&a, &b),
       [](int16_t c) -> int64_t { return GNW_GetClubRecordPointsTotal(c); }},
      {"player's goals", GNW_FindRecordGoalsClub(&a, &b),
       [](int16_t c) -> int64_t { return GNW_GetClubRecordGoals(c); }},
      {"crowd", GNW_FindRecordCrowdClub(&a, &b), [](int16_t c) -> int64_t { return GNW_GetClubRecordCrowd(c); }},
      {"win", GNW_FindRecordWinClub(&a, &b),
       [](int16_t c) -> int64_t {
         const int f = GNW_GetClubRecordWinGoalsFor(c), g = GNW_GetClubRecordWinGoalsAgainst(c);
         return (f - g) * 64 + f;
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(IsGameCountryClub(c.holder)) << c.holder;
    EXPECT_EQ(c.holder, ExpectedHolder(c.value));
    EXPECT_GT(c.value(c.holder), 0);  // a season was played
  }
  // The crowd's visitors and the win's opponent are clubs with names.
  int16_t year = 0, name = 0;
  GNW_FindRecordCrowdClub(&year, &name);
  EXPECT_GE(name, 28000);
  GNW_FindRecordWinClub(&name, &year);
  EXPECT_GE(name, 28000);
  EXPECT_TRUE(year == 99 || year == 0) << year;  // played in 1999 or 2000
  // The fee paid: whatever the market did, the answer agrees with the clubs.
  int16_t buyer = -1;
  const int32_t fee = GNW_FindRecordBuyClub(&a, &b, &year, &buyer);
  const int16_t best = ExpectedHolder([](int16_t c) -> int64_t { return GNW_GetClubRecordBuy(c); });
  if (GNW_GetClubRecordBuy(best) > 0) {
    EXPECT_EQ(buyer, best);
    EXPECT_EQ(fee, GNW_GetClubRecordBuy(best));
  } else {
    EXPECT_EQ(fee, INT32_MIN);
    EXPECT_EQ(buyer, -1);
  }
  const std::vector<std::string> lines = GNW_DescribeRecordHolders(0);
  ASSERT_EQ(lines.size(), 16u);
  for (int i : {2, 3, 4, 5, 10, 11, 12, 13}) EXPECT_EQ(lines[i].find(": none"), std::string::npos) << lines[i];
}

TEST_F(RecordsCareerTest, EveryLeagueClubHasABoardTargetAndLastSeasonsChampionsAreItsOwn) {
  ASSERT_GE(LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 1}), 0);
  const std::set<int16_t> top = {1695, 1696, 1697, 1698, 1699, 1671};
  const std::set<int16_t> lower = {1672, 1673, 1697, 1698, 1699, 1671};
  int clubs = 0;
  for (int16_t d = 0; d < GNW_GetNumDivisions(); ++d)
    for (int16_t place = 0; place < GNW_GetDivisionSize(d); ++place) {
      const int16_t club = GNW_GetDivisionClub(d, place);
      ASSERT_TRUE(IsGameCountryClub(club)) << d << " " << place;
      const int16_t target = GNW_GetBoardTargetTextNo(club);
      EXPECT_TRUE((d == 0 ? top : lower).count(target)) << club << " " << target;
      ++clubs;
    }
  EXPECT_EQ(clubs, 114);

  // Last season (season 1 of the roll): each division's champion and
  // runner-up are clubs of the game country, and the first cup was won.
  for (int16_t d = 0; d < GNW_GetNumDivisions(); ++d) {
    int16_t second = -1;
    const int16_t champion = GNW_GetRollOfHonourEntry(1, static_cast<int16_t>(ROLL_KIND_DIVISIONS + d), &second);
    EXPECT_TRUE(IsGameCountryClub(champion)) << d;
    EXPECT_TRUE(IsGameCountryClub(second)) << d;
    EXPECT_NE(champion, second);
  }
  int16_t runnerUp = -1;
  const int16_t cupWinner = GNW_GetRollOfHonourEntry(1, 0, &runnerUp);
  ASSERT_TRUE(IsGameCountryClub(cupWinner));
  EXPECT_EQ(GNW_IsClubInRollOfHonour(cupWinner, 0, 1), 1);
  EXPECT_EQ(GNW_IsClubInRollOfHonour(runnerUp, 0, 1), 0);
}

}  // namespace
