// The day's training, the human club's training buffer with its saved bytes,
// the sliders and the squad's progress snapshot; and on a played world,
// training and the ratings' decay together keep the clubs' teamwork and set
// pieces up.
#include "clubsim/training.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "clubsim/dailytick.h"
#include "clubsim/squadlist.h"
#include "clubsim/upkeep.h"
#include "engine/bytes.h"
#include "engine/rand.h"
#include "menus/menuprims.h"
#include "season/careerrun.h"
#include "season/progress.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/worldcheck.h"
#include "support/career_world.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/savegame.h"

namespace {

namespace fs = std::filesystem;

class TrainingTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    StartWindowAndTimer();  // the day's steps poll the window
    Postdate = 300;
    DayOfSeason = 100;
  }

  static std::vector<std::string> News() {
    std::vector<std::string> texts;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoMessageBox") texts.push_back(call.text);
    return texts;
  }
  static bool AnyNewsHas(const std::string& part) {
    for (const std::string& text : News())
      if (text.find(part) != std::string::npos) return true;
    return false;
  }
};

// ---- the daily tick and the weekly day ----

TEST_F(TrainingTest, TheTickTrainsOnEveryWeekdayButOne) {
  for (int16_t weekday = 0; weekday < 7; ++weekday) {
    Seam_ClearCalls();
    Weekday = weekday;
    DailyClubAI();
    EXPECT_EQ(Seam_CountCalls("TrainingStep"), weekday == 1 ? 0 : 1) << "weekday " << weekday;
  }
}

TEST_F(TrainingTest, OnlyTheWeeklyDayChangesThePlayers) {
  for (int16_t weekday : {0, 2, 3, 4, 5, 6}) {
    SCOPED_TRACE(weekday);
    GameSeedRandom(7);
    Weekday = weekday;
    Club_SetTeamwork(tw::kLeagueClub, 0);
    for (int16_t p = 2; p < tw::kPlayerCount; ++p) {
      Player_SetFitness(p, 40);
      Player_SetFatigue(p, 20);
      Player_SetTraining(p, 0);
    }
    TrainingStep();
    bool changed = false;
    for (int16_t p = 2; p < tw::kPlayerCount; ++p)
      changed = changed || Player_GetFitness(p) != 40 || Player_GetFatigue(p) != 20 || Player_GetTraining(p) != 0;
    EXPECT_EQ(changed, weekday == 6);
    // The fixed plan's ratings come every training day.
    EXPECT_EQ(Club_GetTeamwork(tw::kLeagueClub), 60);
  }
}

TEST_F(TrainingTest, TheStepLeavesNoProgressBar) {
  Weekday = 3;
  ProgressWords.total = 5;
  ProgressWords.step = 2;
  TrainingStep();
  EXPECT_EQ(ProgressWords.step, -1);
  EXPECT_EQ(ProgressWords.total, -1);
}

// ---- the fixed plan's ratings ----

struct RatingCase {
  int16_t club;
  int16_t reputation;
  int16_t teamwork, setPieces;
};
constexpr RatingCase kRatingCases[] = {
    {tw::kLeagueClub, 3, 36, 18},    // 2 x (3 + 15)
    {tw::kLeagueClub, 10, 50, 25},   // 2 x (10 + 15)
    {tw::kLeagueClub, 15, 60, 30},   // exactly the top
    {tw::kLeagueClub, 22, 60, 37},   // 74, clamped
    {tw::kForeignClub, 3, 60, 60},   // abroad: 120 and 60
    {tw::kForeignClub, 50, 60, 60},
};

TEST_F(TrainingTest, AComputerClubsTeamworkIsTwiceItsReputationAndFifteenClampedAtSixty) {
  for (const RatingCase& c : kRatingCases) {
    SCOPED_TRACE(testing::Message() << "club " << c.club << " reputation " << c.reputation);
    Weekday = 2;
    Club_SetRep(c.club, c.reputation);
    Club_SetTeamwork(c.club, 1);
    Club_SetSetPieces1(c.club, 1);
    Club_SetSetPieces2(c.club, 1);
    Club_SetSetPieces3(c.club, 1);
    TrainingStep();
    EXPECT_EQ(Club_GetTeamwork(c.club), c.teamwork);
    EXPECT_EQ(Club_GetSetPieces1(c.club), c.setPieces);
    EXPECT_EQ(Club_GetSetPieces2(c.club), c.setPieces);
    EXPECT_EQ(Club_GetSetPieces3(c.club), c.setPieces);
  }
}

TEST_F(TrainingTest, AClubWhosePlayersAllSitOutKeepsItsRatings) {
  Weekday = 2;
  Club_SetTeamwork(tw::kLeagueClub, 7);
  Player_SetWage(tw::kMidfielder, 0);  // its one player unpaid
  TrainingStep();
  EXPECT_EQ(Club_GetTeamwork(tw::kLeagueClub), 7);
}

struct CloseSeasonCase {
  int16_t fitness;
  bool injured;
  int16_t after;  // a stamina of 0 costs 10 a day
};
constexpr CloseSeasonCase kCloseSeasonCases[] = {
    {60, false, 50}, {40, false, 30}, {39, false, 39}, {35, true, 25}, {5, true, 0},
};

TEST_F(TrainingTest, InTheCloseSeasonNobodyTrainsAndTheFitKeepThirty) {
  Weekday = 6;
  DayOfSeason = Postdate + 28;
  Club_SetTeamwork(tw::kLeagueClub, 7);
  for (const CloseSeasonCase& c : kCloseSeasonCases) {
    SCOPED_TRACE(testing::Message() << "fitness " << c.fitness << (c.injured ? " injured" : ""));
    Player_SetFitness(tw::kMidfielder, c.fitness);
    Player_SetInFlag(tw::kMidfielder, c.injured);
    Player_SetTraining(tw::kMidfielder, 10);
    TrainingStep();
    EXPECT_EQ(Player_GetFitness(tw::kMidfielder), c.after);
    EXPECT_EQ(Player_GetTraining(tw::kMidfielder), 10);
    EXPECT_EQ(Club_GetTeamwork(tw::kLeagueClub), 7);
  }
  // The day before, the club trains.
  DayOfSeason = static_cast<int16_t>(Postdate + 27);
  Player_SetInFlag(tw::kMidfielder, 0);
  TrainingStep();
  EXPECT_EQ(Club_GetTeamwork(tw::kLeagueClub), 60);
}

// ---- the weekly effect on one player ----

struct FitnessCase {
  int16_t start;  // fitness before; a stamina of 0 costs 10 first
  int16_t least, most;
};
constexpr FitnessCase kFitnessCases[] = {
    {57, 48, 48},  // 47 before the work: any gain stops at 48
    {30, 25, 48},  // 20 before: 5 to 25 at least, never past 48
    {10, 5, 48},
    {58, 53, 60},  // 48 before: the work may take him on
    {60, 55, 60},
};

TEST_F(TrainingTest, TrainingAloneNeverLiftsFitnessPastFortyEight) {
  for (const FitnessCase& c : kFitnessCases)
    for (uint32_t seed = 1; seed <= 20; ++seed) {
      SCOPED_TRACE(testing::Message() << "fitness " << c.start << " seed " << seed);
      GameSeedRandom(seed);
      Player_SetFitness(tw::kKeeper, c.start);
      TrainPlayer(tw::kKeeper, 0, 2000, 0);
      EXPECT_GE(Player_GetFitness(tw::kKeeper), c.least);
      EXPECT_LE(Player_GetFitness(tw::kKeeper), c.most);
    }
}

TEST_F(TrainingTest, PlayersZeroAndOneNeverGainTrainingValue) {
  Player_SetClub(tw::kNoManager, tw::kHumanClub);
  int gainedByOthers = 0;
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    GameSeedRandom(seed);
    for (int16_t p : {tw::kHumanManager, tw::kNoManager, tw::kKeeper}) {
      Player_SetTraining(p, 100);
      Player_SetAge(p, 4);
      TrainPlayer(p, 0, 0, 2000);
      if (p <= 1) {
        EXPECT_EQ(Player_GetTraining(p), 100) << "player " << p << " seed " << seed;
      } else {
        gainedByOthers += Player_GetTraining(p) > 100;
      }
    }
  }
  EXPECT_GT(gainedByOthers, 15);
}

TEST_F(TrainingTest, AYoungPlayerOverdoingItBurnsOut) {
  // Stored age 1: the limit is 165 x 312 / 100 = 514. In the first year the
  // value is cut to the limit; later, without the roll, he tires and loses 30 %.
  Player_SetAge(tw::kKeeper, 1);
  int cut = 0, tired = 0;
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    GameSeedRandom(seed);
    SeasonCounter = seed % 2;
    Player_SetTraining(tw::kKeeper, 510);
    Player_SetFatigue(tw::kKeeper, 0);
    TrainPlayer(tw::kKeeper, 0, 0, 400);
    const int16_t value = Player_GetTraining(tw::kKeeper);
    if (value == 510) continue;  // no gain this time
    if (SeasonCounter == 0) {
      EXPECT_EQ(value, 514);
      ++cut;
      continue;
    }
    // A bonus of 1 (no coach): one chance in thirty of the cut; else he
    // tires and keeps 70 % of what he had.
    if (value == 514) continue;
    EXPECT_LT(value, 450);
    EXPECT_GT(Player_GetFatigue(tw::kKeeper), 0);
    ++tired;
  }
  EXPECT_GT(cut, 0);
  EXPECT_GT(tired, 0);
}

TEST_F(TrainingTest, AComputerTrainedDefenderWhoPassesBetterThanHeTacklesDrifts) {
  // Skill work raises no stat in this world (its tables are empty), so the
  // drift is tried on its own: a defender with passing above tackling.
  struct Case {
    int16_t position, s2, s3, s4, to;
  };
  // The ability stats are worked out from the tables; give the player a code
  // whose templates hold the stats.
  const Case cases[] = {
      {2, 40, 50, 10, 6},  {2, 40, 30, 50, 10}, {2, 40, 30, 20, 2},  {6, 50, 40, 10, 4},
      {6, 30, 40, 50, 10}, {11, 40, 10, 30, 2}, {11, 10, 40, 30, 5}, {11, 10, 20, 30, 11},
      {0, 90, 90, 90, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "position " << c.position);
    Player_SetPosition(tw::kDefender, c.position);
    Player_SetAbilityStats(tw::kDefender, 8);  // a code the record holds whole
    PlayerStatTables.abilityTemplate[8][2] = static_cast<uint8_t>(c.s2);
    PlayerStatTables.abilityTemplate[8][3] = static_cast<uint8_t>(c.s3);
    PlayerStatTables.abilityTemplate[8][4] = static_cast<uint8_t>(c.s4);
    ASSERT_EQ(Player_GetAbilityStat(tw::kDefender, 2), c.s2);
    ASSERT_EQ(Player_GetAbilityStat(tw::kDefender, 3), c.s3);
    ASSERT_EQ(Player_GetAbilityStat(tw::kDefender, 4), c.s4);
    PositionDrift(tw::kDefender);
    EXPECT_EQ(Player_GetStoredPosition(tw::kDefender), c.to);
  }
}

// ---- the human club's schedule ----

class ScheduleTest : public TrainingTest {
 protected:
  void SetUp() override {
    TrainingTest::SetUp();
    Club_SetTrainingClause(tw::kHumanClub, 1);
    TrainingBuffer_FirstUse();
    TrainingBuffer_Init();
    Weekday = 3;
  }
  static int16_t SlotOf(int16_t p) { return TrainingBuffer_Find(p); }
};

TEST_F(ScheduleTest, InitTakesTheSquadWithThePreSeasonPlanAndTheStartingDrills) {
  const int16_t squad[] = {tw::kKeeper, tw::kDefender, tw::kForward};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(TrainingBuffer.players[i], squad[i]);
    EXPECT_EQ(TrainingBuffer.retrainTarget[i], RETRAIN_NONE);
    const std::vector<int16_t> plan(std::begin(TrainingBuffer.schedules[i]), std::end(TrainingBuffer.schedules[i]));
    EXPECT_EQ(plan, (std::vector<int16_t>{400, 400, 400, 400, 0, 2801, 2801}));
  }
  for (int i = 3; i < TRAINING_SLOTS; ++i) EXPECT_EQ(TrainingBuffer.players[i], -1);
  EXPECT_EQ(TrainingBuffer.drillPlan[1][0], 3);
  EXPECT_EQ(TrainingBuffer.drillPlan[4][2], 2);
  // The first use is done once.
  TrainingBuffer.groupPlans[2][0] = 0;
  TrainingBuffer_FirstUse();
  EXPECT_EQ(TrainingBuffer.groupPlans[2][0], 0);
  EXPECT_EQ(TrainingBuffer.players[0], tw::kKeeper);
}

TEST_F(ScheduleTest, ANewSigningTakesTheFreedSlotWithoutTheLeaversRetraining) {
  const int16_t leaverSlot = SlotOf(tw::kForward);
  TrainingBuffer.retrainTarget[leaverSlot] = 1;
  TrainingBuffer.weeksLeft[leaverSlot] = TrainingBuffer.weeksTotal[leaverSlot] = 9;
  TrainingBuffer.schedules[leaverSlot][0] = TRAINING_REST;
  Player_SetClub(tw::kForward, tw::kLeagueClub);
  Player_SetClub(tw::kMidfielder, tw::kHumanClub);
  Player_SetTraining(tw::kMidfielder, 321);
  BuildClubSquadList(tw::kHumanClub);
  TrainingBuffer_Sync();
  EXPECT_EQ(TrainingBuffer_SlotOf(tw::kForward), -1);
  const int16_t slot = SlotOf(tw::kMidfielder);
  EXPECT_EQ(slot, leaverSlot);
  EXPECT_EQ(TrainingBuffer.trainingValues[slot], 321);
  EXPECT_EQ(TrainingBuffer.retrainTarget[slot], RETRAIN_NONE);
  EXPECT_EQ(TrainingBuffer.weeksLeft[slot], 0);
  EXPECT_EQ(TrainingBuffer.schedules[slot][0], TRAINING_FITNESS);
  // A list of another club is not taken for the human squad.
  BuildClubSquadList(tw::kLeagueClub);
  TrainingBuffer_Sync();
  EXPECT_GE(TrainingBuffer_SlotOf(tw::kMidfielder), 0);
  EXPECT_GE(TrainingBuffer_SlotOf(tw::kKeeper), 0);
}

TEST_F(ScheduleTest, WithoutAHumanClubTheBufferEmpties) {
  Club_SetControl(tw::kHumanClub, 0);
  TrainingBuffer_Sync();
  for (int16_t p : TrainingBuffer.players) EXPECT_EQ(p, -1);
  TrainingBuffer_Init();
  for (int16_t p : TrainingBuffer.players) EXPECT_EQ(p, -1);
}

TEST_F(ScheduleTest, APlayerNotInTheBufferStopsTheGameWhenLookedFor) {
  EXPECT_FATAL(TrainingBuffer_Find(tw::kMidfielder), "c_mn15\\.c: - player not in training buffer \\(After init\\)");
  EXPECT_FATAL(TrainingBuffer_Find(-1), "player not in training buffer");
  // The day's training steps over him.
  ScheduledTraining(tw::kMidfielder);
}

struct RetrainCase {
  const char* name;
  uint8_t target, weeks;
  int16_t position;  // after the week counts down (the defender starts at 2)
  uint8_t targetAfter;
  bool news;
};
constexpr RetrainCase kRetrainCases[] = {
    {"as a forward, one week to go", 3, 1, 10, RETRAIN_NONE, true},
    {"as a keeper, one week to go", 0, 1, 0, RETRAIN_NONE, true},
    {"as a midfielder, one week to go", 2, 1, 5, RETRAIN_NONE, true},
    {"nothing to retrain as", RETRAIN_NONE, 1, 2, RETRAIN_NONE, false},
    {"a target with no weeks: nothing to count down", 0, 0, 2, 0, false},
    {"a damaged target", 9, 1, 2, 9, false},
    {"weeks still to go", 1, 40, 2, 1, false},
};

TEST_F(ScheduleTest, RetrainingEndsOnlyWhenACountReachesNothingWithAPositionType) {
  for (const RetrainCase& c : kRetrainCases) {
    SCOPED_TRACE(c.name);
    MenuPrims_ClearCalls();
    Player_SetPosition(tw::kDefender, 2);
    const int16_t slot = SlotOf(tw::kDefender);
    TrainingBuffer.retrainTarget[slot] = c.target;
    TrainingBuffer.weeksLeft[slot] = TrainingBuffer.weeksTotal[slot] = c.weeks;
    for (int day = 0; day < 30; ++day) ScheduledTraining(tw::kDefender);
    EXPECT_EQ(Player_GetStoredPosition(tw::kDefender), c.position);
    EXPECT_EQ(TrainingBuffer.retrainTarget[slot], c.targetAfter);
    EXPECT_EQ(AnyNewsHas("has completed his re-training program"), c.news);
    if (c.weeks == 40) {
      EXPECT_LT(TrainingBuffer.weeksLeft[slot], 40);
    }
  }
}

TEST_F(ScheduleTest, TheHumanSquadFollowsTheScheduleAndItsDrills) {
  // Every day Team Training: the drills lift teamwork and set pieces from 0.
  for (int i = 0; i < 3; ++i)
    for (int16_t& day : TrainingBuffer.schedules[i]) day = TRAINING_TEAM;
  Club_SetCoach(tw::kHumanClub, 10);
  Club_SetCoachContract(tw::kHumanClub, 12);
  Club_SetTeamwork(tw::kHumanClub, 0);
  Player_SetPersonalityStats(tw::kKeeper, 3);
  PlayerStatTables.personalityTemplate[3][18 - 15] = 100;
  Player_SetShirt(tw::kKeeper, 1);
  for (int day = 0; day < 5; ++day) TrainingStep();
  EXPECT_GT(Club_GetTeamwork(tw::kHumanClub), 0);
  // Not the fixed plan: the fixed plan would put teamwork at 2 x (40 + 15), 60.
  EXPECT_LT(Club_GetTeamwork(tw::kHumanClub), 60);
}

struct WeeksCase {
  int16_t years, position, target, weeks;
};
constexpr WeeksCase kWeeksCases[] = {
    {27, 2, 3, 32}, {27, 2, 0, 40}, {33, 2, 0, 55}, {27, 2, 1, 8},  {27, 2, 2, 16}, {27, 0, 3, 40},
    {27, 7, 1, 16}, {27, 7, 3, 16}, {27, 7, 2, 8},  {27, 11, 1, 32}, {27, 11, 2, 16}, {18, 11, 3, 3},
};

TEST_F(TrainingTest, RetrainingTakesWeeksByAgeAndDistance) {
  for (const WeeksCase& c : kWeeksCases) {
    Player_SetAge(tw::kDefender, c.years - 16);
    Player_SetPosition(tw::kDefender, c.position);
    EXPECT_EQ(RetrainWeeks(tw::kDefender, c.target), c.weeks)
        << c.years << " years, position " << c.position << ", target " << c.target;
  }
}

// ---- the saved bytes ----

TEST(TrainingBufferBytes, EveryFieldHasItsPlaceAndComesBack) {
  ResetAllModules();
  TrainingBufferRecord& t = TrainingBuffer;
  t.initialised = 0x01020304;
  for (int d = 0; d < DRILL_DAYS; ++d)
    for (int k = 0; k < DRILLS_PER_DAY; ++k) t.drillPlan[d][k] = static_cast<int16_t>(d * 3 + k);
  for (int s = 0; s < TRAINING_SLOTS; ++s) {
    t.players[s] = static_cast<int16_t>(s == 0 ? -1 : 1000 + s);
    for (int d = 0; d < TRAINING_DAYS; ++d) t.schedules[s][d] = static_cast<int16_t>(s * 7 + d);
    t.trainingValues[s] = static_cast<int16_t>(4000 + s);
    t.retrainTarget[s] = static_cast<uint8_t>(s % 4);
    t.weeksLeft[s] = static_cast<uint8_t>(s);
    t.weeksTotal[s] = static_cast<uint8_t>(s + 1);
  }
  for (int p = 0; p < TRAINING_GROUP_PLANS; ++p)
    for (int d = 0; d < TRAINING_DAYS; ++d) t.groupPlans[p][d] = static_cast<int16_t>(-(p * 7 + d));
  t.columnMode = 5;
  t.individualTraining = 1;

  std::vector<uint8_t> bytes(TRAINING_BUFFER_SAVED_SIZE + 1, 0xEE);
  TrainingBuffer_Pack(bytes.data());
  EXPECT_EQ(bytes[TRAINING_BUFFER_SAVED_SIZE], 0xEE);  // nothing past its size
  struct Field {
    const char* what;
    int at;
    int32_t value;
    int width;
  };
  const Field fields[] = {
      {"initialised", 0, 0x01020304, 4},     {"first drill", 4, 0, 2},
      {"last drill", 32, 14, 2},             {"first player", 34, -1, 2},
      {"last player", 96, 1031, 2},          {"first schedule day", 98, 0, 2},
      {"slot 1 day 2", 98 + 2 * 9, 9, 2},    {"last schedule day", 544, 223, 2},
      {"first training value", 546, 4000, 2}, {"last training value", 608, 4031, 2},
      {"target of slot 5", 615, 1, 1},       {"weeks left of slot 31", 642 + 31, 31, 1},
      {"weeks total of slot 0", 674, 1, 1},  {"first plan day", 706, 0, 2},
      {"plan 1 day 0", 720, -7, 2},          {"last plan day", 956, -125, 2},
  };
  for (const Field& f : fields) {
    const int32_t got = f.width == 4 ? LoadI32(&bytes[f.at]) : f.width == 2 ? LoadI16(&bytes[f.at]) : bytes[f.at];
    EXPECT_EQ(got, f.value) << f.what;
  }

  const std::vector<uint8_t> image(bytes.begin(), bytes.end() - 1);
  Training_Reset();
  TrainingBuffer.columnMode = 9;
  TrainingBuffer_Unpack(image.data());
  std::vector<uint8_t> again(TRAINING_BUFFER_SAVED_SIZE);
  TrainingBuffer_Pack(again.data());
  EXPECT_EQ(again, image);
  EXPECT_EQ(TrainingBuffer.players[5], 1005);
  EXPECT_EQ(TrainingBuffer.groupPlans[17][6], -125);
  // The screen's own words are not in the bytes.
  EXPECT_EQ(TrainingBuffer.columnMode, 9);
  EXPECT_EQ(TrainingBuffer.individualTraining, 0);
  EXPECT_EQ(TrainingBuffer.retrainChoices[4], 5);

  // Checked before a load takes them.
  std::string why;
  EXPECT_TRUE(TrainingBuffer_Sound(image.data(), 1032, &why)) << why;
  EXPECT_FALSE(TrainingBuffer_Sound(image.data(), 1031, &why));
  EXPECT_EQ(why, "training slot 31 names player 1031");
  std::vector<uint8_t> bad = image;
  bad[610 + 3] = 7;
  EXPECT_FALSE(TrainingBuffer_Sound(bad.data(), 2000, &why));
  EXPECT_EQ(why, "training slot 3 retrains as position type 7");
  bad = image;
  bad[610 + 3] = RETRAIN_NONE;
  EXPECT_TRUE(TrainingBuffer_Sound(bad.data(), 2000, &why));
  bad[642 + 3] = 200;
  EXPECT_FALSE(TrainingBuffer_Sound(bad.data(), 2000, &why));
  EXPECT_EQ(why, "training slot 3 has 200 of 4 retraining weeks left");
}

// ---- the sliders and the progress snapshot ----

TEST_F(TrainingTest, TheSlidersStartAtTheirDefaultsAndTheStoredCopyIsChecked) {
  ResetTrainingSliders(0);
  SaveTrainingSliders(0);
  const uint8_t defaults[TRAINING_SLIDERS] = {75, 75, 75, 75, 66, 67, 67, 66, 67, 67, 66, 67, 67, 50};
  EXPECT_EQ(std::memcmp(TrainingSliders.stored, defaults, TRAINING_SLIDERS), 0);
  EXPECT_EQ(TrainingSliders.sliders[2].y, 288);
  EXPECT_EQ(TrainingSliders.sliders[13].x, 295);
  struct Case {
    uint8_t mains[4];
    int16_t expect[4];
  };
  const Case cases[] = {
      {{100, 50, 75, 75}, {100, 50, 75, 75}},  // summing to 300: kept
      {{75, 75, 75, 74}, {75, 75, 75, 75}},    // 299: all back to 75
      {{0, 0, 0, 0}, {75, 75, 75, 75}},
  };
  for (const Case& c : cases) {
    std::memcpy(TrainingSliders.stored, c.mains, 4);
    TrainingSliders.stored[5] = 90;
    LoadTrainingSliders();
    for (int k = 0; k < 4; ++k) EXPECT_EQ(TrainingSliders.sliders[k].value, c.expect[k]);
    EXPECT_EQ(TrainingSliders.sliders[5].value, 90);
  }
}

TEST_F(TrainingTest, TheSnapshotKeepsTheSquadsAppearancesAndTrainingValues) {
  Player_SetCareerApps(tw::kDefender, 77);
  Player_SetTraining(tw::kForward, 555);
  SnapshotSquadProgress(tw::kHumanClub);
  EXPECT_EQ(SquadProgress[0].player, tw::kKeeper);
  EXPECT_EQ(SquadProgress[1].player, tw::kDefender);
  EXPECT_EQ(SquadProgress[1].careerApps, 77);
  EXPECT_EQ(SquadProgress[2].training, 555);
  EXPECT_EQ(SquadProgress[3].player, -1);

  std::vector<uint8_t> bytes(SQUAD_PROGRESS_SAVED_SIZE);
  SquadProgress_Pack(bytes.data());
  EXPECT_EQ(LoadI16(&bytes[6 + 2]), 77);
  EXPECT_EQ(LoadI16(&bytes[12 + 4]), 555);
  std::string why;
  EXPECT_TRUE(SquadProgress_Sound(bytes.data(), tw::kPlayerCount, &why));
  EXPECT_FALSE(SquadProgress_Sound(bytes.data(), tw::kForward, &why));
  EXPECT_EQ(why, "squad progress entry 2 names player 4");

  SnapshotSquadProgress(-1);  // no human club
  for (const SquadProgressEntry& e : SquadProgress) EXPECT_EQ(e.player, -1);
  SquadProgress_Unpack(bytes.data());
  EXPECT_EQ(SquadProgress[2].player, tw::kForward);
  EXPECT_EQ(SquadProgress[2].training, 555);
}

// ---- a played world ----

class TrainingCareerTest : public CareerWorldTest {
 protected:
  static constexpr int16_t kSlot = 6;

  static size_t BlockAt(int block) {
    size_t at = 16;
    for (int b = 0; b < block; ++b) at += 4 + static_cast<size_t>(SaveFile_BlockSize(SAVE_FILE_GAME, b));
    return at + 4;
  }
  static std::vector<uint8_t> Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }
  static void Write(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }

  // The lowest teamwork and set piece among the league clubs that field players.
  static void Lowest(int* teamwork, int* setPiece) {
    *teamwork = *setPiece = 99;
    for (int16_t club = 0; club < NUM_CLUBS; ++club) {
      if (!Career_IsLeagueClub(club)) continue;
      *teamwork = std::min<int>(*teamwork, Club_GetTeamwork(club));
      *setPiece = std::min({*setPiece, static_cast<int>(Club_GetSetPieces1(club)),
                            static_cast<int>(Club_GetSetPieces2(club)), static_cast<int>(Club_GetSetPieces3(club))});
    }
  }
};

TEST_F(TrainingCareerTest, DecayAndTrainingTogetherKeepTheRatingsUpDayAfterDay) {
  ASSERT_GE(LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 0}), 0);
  WorldCheck_Begin();
  int trainingDays = 0;
  for (int day = 0; day < 21; ++day) {
    Career_PlayDay();
    std::string rule, detail;
    ASSERT_TRUE(WorldCheck_Run(&rule, &detail)) << "day " << day << ": " << rule << " " << detail;
    int teamwork, setPiece;
    Lowest(&teamwork, &setPiece);
    // The day's decay comes first, then the training (but on weekday 1)
    // puts every club back to 2 x (reputation + 15) and reputation + 15, at
    // least 30 and 15. On weekday 1 the set pieces lose a day's decay; the
    // teamwork has the day's matches in it too.
    if (Weekday != 1) {
      ++trainingDays;
      EXPECT_GE(teamwork, 30) << "day " << day;
      EXPECT_GE(setPiece, 15) << "day " << day;
    } else {
      EXPECT_GE(setPiece, 11) << "day " << day;
    }
  }
  EXPECT_EQ(trainingDays, 18);
  // The decay alone: within ten days every rating is down to a few points.
  ClubSim.trainingStep = [] {};
  for (int day = 0; day < 10; ++day) Career_PlayDay();
  int highestTeamwork = 0, highestSetPiece = 0;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (!Career_IsLeagueClub(club)) continue;
    highestTeamwork = std::max<int>(highestTeamwork, Club_GetTeamwork(club));
    highestSetPiece = std::max({highestSetPiece, static_cast<int>(Club_GetSetPieces1(club)),
                                static_cast<int>(Club_GetSetPieces2(club)), static_cast<int>(Club_GetSetPieces3(club))});
  }
  EXPECT_LT(highestTeamwork, 8);
  EXPECT_LT(highestSetPiece, 8);
}

TEST_F(TrainingCareerTest, TheBufferAndTheSnapshotGoIntoTheSaveAndAreCheckedOnTheWayBack) {
  const int16_t human = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 0});
  ASSERT_GE(human, 0);
  EXPECT_EQ(SaveFile_BlockSize(SAVE_FILE_GAME, SAV0_TRAINING_BUFFER), TRAINING_BUFFER_SAVED_SIZE);

  TrainingBuffer_FirstUse();
  TrainingBuffer_Init();
  int atClub = 0;
  for (int16_t p : TrainingBuffer.players) atClub += p >= 0 && Player_GetClub(p) == human;
  EXPECT_GE(atClub, 11);
  TrainingBuffer.retrainTarget[2] = 1;
  TrainingBuffer.weeksLeft[2] = 5;
  TrainingBuffer.weeksTotal[2] = 12;
  TrainingBuffer.drillPlan[0][0] = 3;
  SnapshotSquadProgress(human);
  std::vector<uint8_t> buffer(TRAINING_BUFFER_SAVED_SIZE), snapshot(SQUAD_PROGRESS_SAVED_SIZE);
  TrainingBuffer_Pack(buffer.data());
  SquadProgress_Pack(snapshot.data());
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();

  const fs::path file = fs::path("SaveData") / ("save" + std::to_string(kSlot));
  const std::vector<uint8_t> saved = Read(file);
  ASSERT_GT(saved.size(), BlockAt(SAV0_TRAINING_BUFFER) + TRAINING_BUFFER_SAVED_SIZE);
  EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), saved.begin() + static_cast<std::ptrdiff_t>(BlockAt(SAV0_TRAINING_BUFFER))));
  EXPECT_TRUE(std::equal(snapshot.begin(), snapshot.end(), saved.begin() + static_cast<std::ptrdiff_t>(BlockAt(SAV0_SQUAD_PROGRESS))));
  EXPECT_TRUE(std::equal(snapshot.begin(), snapshot.end(), saved.begin() + static_cast<std::ptrdiff_t>(BlockAt(SAV0_SQUAD_PROGRESS_AGAIN))));

  Training_Reset();
  ASSERT_EQ(LoadGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  std::vector<uint8_t> loaded(TRAINING_BUFFER_SAVED_SIZE), loadedSnapshot(SQUAD_PROGRESS_SAVED_SIZE);
  TrainingBuffer_Pack(loaded.data());
  SquadProgress_Pack(loadedSnapshot.data());
  EXPECT_EQ(loaded, buffer);
  EXPECT_EQ(loadedSnapshot, snapshot);

  struct Damage {
    const char* name;
    void (*apply)(std::vector<uint8_t>& f, size_t buffer, size_t snapshot, size_t again);
    const char* words;
  };
  const Damage damages[] = {
      {"a slot naming no player",
       [](std::vector<uint8_t>& f, size_t b, size_t, size_t) { StoreI16(&f[b + 34 + 2 * 4], 30000); },
       "training slot 4 names player 30000"},
      {"a retraining target that is no position type",
       [](std::vector<uint8_t>& f, size_t b, size_t, size_t) { f[b + 610 + 2] = 4; },
       "training slot 2 retrains as position type 4"},
      {"more weeks left than the retraining has",
       [](std::vector<uint8_t>& f, size_t b, size_t, size_t) { f[b + 642 + 2] = 13; },
       "training slot 2 has 13 of 12 retraining weeks left"},
      {"a snapshot naming no player, both copies",
       [](std::vector<uint8_t>& f, size_t, size_t s, size_t a) {
         StoreI16(&f[s + 6 * 3], -5);
         StoreI16(&f[a + 6 * 3], -5);
       },
       "squad progress entry 3 names player -5"},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.name);
    std::vector<uint8_t> bad = saved;
    d.apply(bad, BlockAt(SAV0_TRAINING_BUFFER), BlockAt(SAV0_SQUAD_PROGRESS), BlockAt(SAV0_SQUAD_PROGRESS_AGAIN));
    Write(file, bad);
    TrainingBuffer.drillPlan[0][0] = 1;
    EXPECT_EQ(LoadGameSlot(kSlot), SAVE_WRONG_FILE);
    EXPECT_NE(std::string(SaveGame_LastError()).find(d.words), std::string::npos) << SaveGame_LastError();
    EXPECT_EQ(TrainingBuffer.drillPlan[0][0], 1);  // nothing taken
  }
}

}  // namespace
