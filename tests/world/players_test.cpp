#include "world/players.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/lists.h"
#include "world/recordbits.h"

namespace {

using Setter = std::function<void(int16_t, int32_t)>;
using Getter = std::function<int32_t(int16_t)>;

#define PLAYER_ACCESSORS(Name) \
  #Name, [](int16_t p, int32_t v) { Player_Set##Name(p, v); }, [](int16_t p) -> int32_t { return Player_Get##Name(p); }

class PlayerRecordTest : public WorldTest {
 protected:
  const int16_t p = tw::kForward;
  uint8_t* Rec() { return PlayerRecords[p].bytes; }
  uint8_t* Id() { return PlayerIdentities()[p].bytes; }
};

void FillPattern(uint8_t* bytes, int size, int seed) {
  for (int i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 53 + seed);
}

TEST_F(PlayerRecordTest, EachFieldIsStoredAtItsBitsAndNothingElseChanges) {
  struct {
    const char* name;
    Setter set;
    Getter get;
    BitField bits;
    int32_t value;
    bool identity;
  } cases[] = {
      {PLAYER_ACCESSORS(SaleStatus), {4, 0, 1}, 1, false},
      {PLAYER_ACCESSORS(PhysicalStats), {10, 0, 8}, 201, false},
      {PLAYER_ACCESSORS(AbilityCurve), {10, 13, 8}, 133, false},
      {PLAYER_ACCESSORS(CareerGoals), {16, 0, 10}, 1000, false},
      {PLAYER_ACCESSORS(Age), {16, 10, 6}, 37, false},
      {PLAYER_ACCESSORS(CareerApps), {16, 16, 11}, 2000, false},
      {PLAYER_ACCESSORS(Dispoints), {16, 27, 5}, 30, false},
      {PLAYER_ACCESSORS(Initial), {20, 0, 5}, 26, false},
      {PLAYER_ACCESSORS(BRClause), {20, 5, 1}, 1, false},
      {PLAYER_ACCESSORS(RRClause), {20, 6, 1}, 1, false},
      {PLAYER_ACCESSORS(Captain), {20, 7, 1}, 1, false},
      {PLAYER_ACCESSORS(TxReq), {20, 15, 1}, 1, false},
      {PLAYER_ACCESSORS(Goals), {20, 16, 7}, 99, false},
      {PLAYER_ACCESSORS(Bossvane), {20, 23, 1}, 1, false},
      {PLAYER_ACCESSORS(Apps), {20, 24, 7}, 127, false},
      {PLAYER_ACCESSORS(Manager), {20, 31, 1}, 1, false},
      {PLAYER_ACCESSORS(Contract), {24, 0, 6}, 59, false},
      {PLAYER_ACCESSORS(Fatigue), {24, 6, 6}, 33, false},
      {PLAYER_ACCESSORS(Fitness), {24, 12, 6}, 58, false},
      {PLAYER_ACCESSORS(EuroDispoints), {24, 22, 2}, 1, false},
      {PLAYER_ACCESSORS(EuroBan), {24, 24, 1}, 1, false},
      {PLAYER_ACCESSORS(Wage), {28, 0, 11}, 1999, false},
      {PLAYER_ACCESSORS(Shirt), {28, 11, 5}, 16, false},
      {PLAYER_ACCESSORS(Experience), {28, 16, 6}, 62, false},
      {PLAYER_ACCESSORS(Morale), {28, 22, 6}, 59, false},
      {PLAYER_ACCESSORS(LoanList), {28, 28, 1}, 1, false},
      {PLAYER_ACCESSORS(Suspension), {28, 29, 3}, 7, false},
      {PLAYER_ACCESSORS(Club), {32, 0, 16}, 252, false},
      {PLAYER_ACCESSORS(Reputation), {34, 0, 6}, 61, false},
      {PLAYER_ACCESSORS(RecurringInjury), {34, 6, 1}, 1, false},
      {PLAYER_ACCESSORS(Caretaker), {34, 7, 1}, 1, false},
      {PLAYER_ACCESSORS(Training), {34, 8, 12}, 4000, false},
      {PLAYER_ACCESSORS(OnLoan), {34, 20, 1}, 1, false},
      {PLAYER_ACCESSORS(Banwait), {34, 21, 2}, 2, false},
      {PLAYER_ACCESSORS(InFlag), {34, 23, 1}, 1, false},
      {PLAYER_ACCESSORS(Assists), {52, 0, 8}, 100, false},
      {PLAYER_ACCESSORS(ReserveSlot), {8, 0, 16}, 149, false},
      {PLAYER_ACCESSORS(SellOnClause), {14, 0, 16}, 250, false},
      {PLAYER_ACCESSORS(Surname), {0, 0, 14}, 16000, true},
      {PLAYER_ACCESSORS(Side), {0, 14, 2}, 3, true},
      {PLAYER_ACCESSORS(BidCount), {0, 23, 9}, 511, true},
      {PLAYER_ACCESSORS(Nationality), {4, 0, 8}, 104, true},
      {PLAYER_ACCESSORS(PersonalityStats), {5, 0, 8}, 249, true},
      {PLAYER_ACCESSORS(Tactic), {6, 9, 3}, 5, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FillPattern(Rec(), sizeof(PlayerRecord), 1);
    FillPattern(Id(), sizeof(PlayerIdentity), 7);
    SetBits(Rec(), {28, 0, 11}, 500);  // a wage, for the fields that need one
    uint8_t record[sizeof(PlayerRecord)], identity[sizeof(PlayerIdentity)];
    std::memcpy(record, Rec(), sizeof record);
    std::memcpy(identity, Id(), sizeof identity);
    SetBits(c.identity ? identity : record, c.bits, static_cast<uint32_t>(c.value));

    c.set(p, c.value);
    EXPECT_EQ(c.get(p), c.value);
    EXPECT_EQ(std::memcmp(Rec(), record, sizeof record), 0);
    EXPECT_EQ(std::memcmp(Id(), identity, sizeof identity), 0);
  }
}

TEST_F(PlayerRecordTest, WholeFieldsAreLittleEndian) {
  std::memset(Rec(), 0, sizeof(PlayerRecord));
  Player_SetWage(p, 1);  // the price is kept only for a player with a wage
  Player_SetManPrice(p, 0x01020304);
  Player_SetCupTied(p, 0x0123, 6);
  const uint8_t price[] = {4, 3, 2, 1};
  EXPECT_EQ(std::memcmp(Rec(), price, 4), 0);
  EXPECT_EQ(Rec()[38 + 12], 0x23);
  EXPECT_EQ(Rec()[38 + 13], 0x01);
  EXPECT_EQ(Player_GetCupTied(p, 6), 0x123);
}

TEST_F(PlayerRecordTest, SettersLimitTheirValues) {
  struct {
    const char* name;
    Setter set;
    Getter get;
    int32_t input;
    int32_t stored;
  } cases[] = {
      {PLAYER_ACCESSORS(Wage), 2500, 2000},
      {PLAYER_ACCESSORS(Wage), -5, 0},
      {PLAYER_ACCESSORS(Morale), 61, 60},
      {PLAYER_ACCESSORS(Reputation), 64, 63},
      {PLAYER_ACCESSORS(AbilityCurve), 300, 249},
      {PLAYER_ACCESSORS(AbilityCurve), -1, 0},
      {PLAYER_ACCESSORS(PhysicalStats), 250, 249},
      {PLAYER_ACCESSORS(Banwait), 3, 2},
      {PLAYER_ACCESSORS(EuroBan), 4, 1},
      {PLAYER_ACCESSORS(Suspension), 9, 7},
      {PLAYER_ACCESSORS(Dispoints), 32, 31},
      {PLAYER_ACCESSORS(Apps), 200, 127},
      {PLAYER_ACCESSORS(CareerApps), 3000, 2047},
      {PLAYER_ACCESSORS(CareerGoals), -3, 0},
      {PLAYER_ACCESSORS(Contract), 61, 60},
      {PLAYER_ACCESSORS(Training), 5000, 4095},
      {PLAYER_ACCESSORS(BidCount), 513, 1},
      {PLAYER_ACCESSORS(Age), 70, 0},
      {PLAYER_ACCESSORS(Age), 63, 63},
      {PLAYER_ACCESSORS(Initial), 27, 0},
      {PLAYER_ACCESSORS(Club), 300, 255},
      {PLAYER_ACCESSORS(Club), -4, 0},
      {PLAYER_ACCESSORS(Captain), 5, 1},
      {PLAYER_ACCESSORS(Perf), 101, 100},
      {PLAYER_ACCESSORS(Perf), 7, 6},
      {PLAYER_ACCESSORS(Side), 4, 0},
      {PLAYER_ACCESSORS(Nationality), 105, 0},
      {PLAYER_ACCESSORS(EuroDispoints), 5, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.input));
    c.set(p, c.input);
    EXPECT_EQ(c.get(p), c.stored);
  }
}

TEST_F(PlayerRecordTest, FlagSettersComplainOfExcessiveValues) {
  struct {
    const char* name;
    Setter set;
    Getter get;
    const char* message;
  } cases[] = {
      {PLAYER_ACCESSORS(RRClause), "Trying excessive rrclause with player: '2,4'\n"},
      {PLAYER_ACCESSORS(BRClause), "Trying excessive brclause with player: '2,4'\n"},
      {PLAYER_ACCESSORS(LoanList), "Trying excessive loanlist with player: '2,4'\n"},
      {PLAYER_ACCESSORS(TxReq), "Trying excessive txreq with player: '2,4'\n"},
      {PLAYER_ACCESSORS(OnLoan), "Trying excessive loanflag with player: '2,4'\n"},
      {PLAYER_ACCESSORS(InFlag), "Trying excessive injflag with player: '2,4'\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::internal::CaptureStdout();
    c.set(p, 2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.message);
    EXPECT_EQ(c.get(p), 1);
  }
  testing::internal::CaptureStdout();
  Player_SetSaleStatus(p, 2);  // the low bit is what counts
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Trying excessive Sale Status with player: '2,4'\n");
  EXPECT_EQ(Player_GetSaleStatus(p), 0);
  testing::internal::CaptureStdout();
  Player_SetSellOnClause(p, 251);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Trying excessive sell clause with player: '251,4'\n");
  EXPECT_EQ(Player_GetSellOnClause(p), -1);
}

TEST_F(PlayerRecordTest, IndicesPastTheRecordCountAnswerFixedValues) {
  const int16_t beyond = tw::kPlayerCount;
  struct {
    const char* name;
    Getter get;
    int32_t expected;
  } cases[] = {
      {"Morale", [](int16_t q) { return Player_GetMorale(q); }, 60},
      {"Fitness", [](int16_t q) { return Player_GetFitness(q); }, 60},
      {"Contract", [](int16_t q) { return Player_GetContract(q); }, 24},
      {"ManPrice", [](int16_t q) { return Player_GetManPrice(q); }, -1},
      {"SellOnClause", [](int16_t q) { return Player_GetSellOnClause(q); }, -1},
      {"ReserveSlot", [](int16_t q) { return Player_GetReserveSlot(q); }, -1},
      {"Wage", [](int16_t q) { return Player_GetWage(q); }, 0},
      {"Club", [](int16_t q) { return Player_GetClub(q); }, 0},
      {"CupTied", [](int16_t q) { return Player_GetCupTied(q, 3); }, 0},
      {"Position", [](int16_t q) { return Player_GetPosition(q); }, 0},
      {"AbilityStats", [](int16_t q) { return Player_GetAbilityStats(q); }, 0},
      {"Surname", [](int16_t q) { return Player_GetSurname(q); }, 0},
  };
  const PlayerRecord before = PlayerRecords[beyond];
  for (const auto& c : cases) EXPECT_EQ(c.get(beyond), c.expected) << c.name;
  Player_SetWage(beyond, 100);
  Player_SetMorale(beyond, 10);
  Player_SetClub(beyond, 3);
  Player_ChangeMorale(beyond, 50);
  EXPECT_EQ(std::memcmp(&before, &PlayerRecords[beyond], sizeof before), 0);
  EXPECT_EQ(Player_GetReserveSlot(-1), -1);
}

TEST_F(PlayerRecordTest, ANegativePlayerEndsTheProgramWithTheFieldsMessage) {
  struct {
    std::function<void()> call;
    const char* message;
  } cases[] = {
      {[] { Player_GetWage(-1); }, "Trying to get Wage of neg player : '-1'\n"},
      {[] { Player_GetManager(-2); }, "Trying to get bossvane of neg player : '-2'\n"},
      {[] { Player_GetAge(-3); }, "Trying to get negative player age : '-3'\n"},
      {[] { Player_GetBidCount(-3); }, "Trying to get negative player bidcount : '-3'\n"},
      {[] { Player_IsUnderSuspension(-4); }, "Trying to find if neg player is under susp : '-4'\n"},
      {[] { Player_SetWage(-1, 300); }, "Trying to give negative player wage: '300,-1'\n"},
      {[] { Player_SetPosition(-6, 3); }, "Trying to give negative player an position at club: '3,-6'\n"},
      {[] { Player_SetShirt(-1, 3); }, "Trying to give negative player a shirt '-1'\n"},
      {[] { Player_SetNationality(-1, 3); }, "Trying to give negative player nation: '3,-1'\n"},
      {[] { Player_ChangeMorale(-1, 10); }, "Trying to change negative player morale: '10,-1'\n"},
      {[] { Player_SetTxList(-1, 1); }, "Trying to put negative player on txlist at club: '1,-1'\n"},
  };
  for (const auto& c : cases) EXPECT_FATAL_EXIT(c.call(), c.message);
}

TEST_F(PlayerRecordTest, OutOfRangeShirtsAndCupsEndTheProgram) {
  EXPECT_FATAL_EXIT(Player_SetShirt(p, 17), "Trying excessive shirt '17'\n");
  EXPECT_FATAL_EXIT(Player_SetCupTied(p, 3, 7), "Trying to give illegal cup: '7,4'\n");
  EXPECT_FATAL_EXIT(Player_SetCupTied(p, -1, 2), "Trying to give illegal cup: '2,4'\n");
  EXPECT_FATAL_EXIT(Player_GetCupTied(p, -1), "Trying to get cup of neg player");
}

// Every byte of the world tables a player setter could reach, and the
// counts and money beside them.
std::vector<uint8_t> WorldBytes() {
  std::vector<uint8_t> all;
  auto add = [&all](const void* p, size_t n) {
    const uint8_t* b = static_cast<const uint8_t*>(p);
    all.insert(all.end(), b, b + n);
  };
  add(PlayerRecords, sizeof PlayerRecords);
  add(&MinorClubsBlock, sizeof MinorClubsBlock);
  add(ClubRecords, sizeof ClubRecords);
  add(&ClubSlots, sizeof ClubSlots);
  add(ReservePool, sizeof ReservePool);
  add(&MoneyPool, sizeof MoneyPool);
  add(&PlayerCount, sizeof PlayerCount);
  add(&PlayerTotalCount, sizeof PlayerTotalCount);
  return all;
}

TEST_F(PlayerRecordTest, SettersThatIgnoreANegativePlayer) {
  struct {
    const char* name;
    std::function<void(int16_t)> set;
  } setters[] = {
      {"Perf", [](int16_t player) { Player_SetPerf(player, 50); }},
      {"ManPrice", [](int16_t player) { Player_SetManPrice(player, 50); }},
      {"Club", [](int16_t player) { Player_SetClub(player, 50); }},
      {"ReserveSlot", [](int16_t player) { Player_SetReserveSlot(player, 50); }},
  };
  const std::vector<uint8_t> before = WorldBytes();
  for (const auto& s : setters) {
    for (int player : {-1, -2, -MAX_PLAYERS, int{INT16_MIN}}) {
      s.set(static_cast<int16_t>(player));
      EXPECT_TRUE(WorldBytes() == before) << s.name << " of player " << player << " changed the world";
    }
  }
}

TEST_F(PlayerRecordTest, ClearingGoalsClearsAssists) {
  Player_SetAssists(p, 5);
  Player_SetGoals(p, 3);
  EXPECT_EQ(Player_GetAssists(p), 5);
  Player_SetGoals(p, 0);
  EXPECT_EQ(Player_GetAssists(p), 0);
}

TEST_F(PlayerRecordTest, PositionThirteenMakesAManagerAndKeepsThePosition) {
  Player_SetPosition(p, 13);
  EXPECT_EQ(Player_GetManager(p), 1);
  EXPECT_EQ(Player_GetPosition(p), 13);
  EXPECT_EQ(Player_GetStoredPosition(p), 11);
  Player_SetPosition(p, 14);
  EXPECT_EQ(Player_GetStoredPosition(p), 0);
}

TEST_F(PlayerRecordTest, OnlyPlayersWithAWageCarryAPriceOrGoOnTheList) {
  Player_SetManPrice(tw::kFreeAgent, 5000);
  EXPECT_EQ(Player_GetManPrice(tw::kFreeAgent), 0);
  Player_SetManPrice(p, 5000);
  EXPECT_EQ(Player_GetManPrice(p), 5000);

  testing::internal::CaptureStdout();
  Player_SetTxList(tw::kFreeAgent, 3);
  Player_SetTxList(tw::kFreeAgent, 0);
  Player_SetTxList(tw::kPlayerCount, 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Trying to put reserve player on tx list: '1,7'\nTrying to put fixed player on tx list: '1,8'\n");
  EXPECT_EQ(Player_GetTxList(tw::kFreeAgent), 0);
  Player_SetTxList(p, 9);
  EXPECT_EQ(Player_GetTxList(p), 1);
}

TEST_F(PlayerRecordTest, AbilityStatsKeepTheirLowPartFromTheNewWorld) {
  Player_SetAbilityStats(p, 203);  // during world creation: 25 x 8 + 3
  EXPECT_EQ(Player_GetAbilityStats(p), 203);
  EXPECT_EQ(GetBits(Rec(), {10, 8, 5}), 25u);
  EXPECT_EQ(GetBits(Id(), {0, 16, 3}), 3u);
  DayOfSeason = 1;
  Player_SetAbilityStats(p, 150);  // 18 x 8 + 6: only the high part takes
  EXPECT_EQ(Player_GetAbilityStats(p), 147);
  Player_SetAbilityStats(p, 400);  // 249 / 8 = 31, beside the low part 3 of the new world
  EXPECT_EQ(Player_GetAbilityStats(p), 251);
}

TEST_F(PlayerRecordTest, SecondEuropeanBookingBringsABan) {
  Player_SetEuroDispoints(p, 1);
  EXPECT_EQ(Player_GetEuroBan(p), 0);
  Player_SetEuroDispoints(p, 3);
  EXPECT_EQ(Player_GetEuroDispoints(p), 2);
  EXPECT_EQ(Player_GetEuroBan(p), 1);
}

TEST_F(PlayerRecordTest, SuspensionCountsOnlyOnceTheBanWaitIsOver) {
  Player_SetSuspension(p, 3);
  Player_SetBanwait(p, 1);
  EXPECT_EQ(Player_IsUnderSuspension(p), 0);
  Player_SetBanwait(p, 0);
  EXPECT_EQ(Player_IsUnderSuspension(p), 3);
}

TEST_F(PlayerRecordTest, TacticsSixAndSevenReadAsNone) {
  Player_SetTactic(p, 6);
  EXPECT_EQ(Player_GetTactic(p), 0);
  Player_SetLook(p, 2, 5);
  Player_SetLook(p, 0, 7);
  EXPECT_EQ(Player_GetLook(p, 2), 5);
  EXPECT_EQ(Player_GetLook(p, 0), 7);
  EXPECT_EQ(GetBits(Id(), {6, 0, 9}), 7u | 5u << 6);
}

TEST_F(PlayerRecordTest, MoraleChangesByItsShare) {
  // Keeper: English at an English club. Defender: Italian at an English club.
  // Italian: Italian at an Italian club. Free agent: no club, so country 0.
  struct {
    int16_t player;
    int morale;
    int percent;
    int expected;
  } cases[] = {
      {tw::kDefender, 40, -10, 31},  // another nation group feels it twice: 40 - (20 x 40 / 100 + 1)
      {tw::kKeeper, 40, -10, 35},    // 40 - (10 x 40 / 100 + 1)
      {tw::kItalian, 40, -10, 35},   // same group as his club's country
      {tw::kFreeAgent, 40, -10, 35}, // a Scot without a club is measured against country 0, England
      {tw::kKeeper, 40, 10, 45},     // 40 + (10 x 40 / 100 + 1)
      {tw::kKeeper, 58, 20, 60},     // limited to 60
      {tw::kKeeper, 0, -50, 0},      // and to 0
      {tw::kKeeper, 0, 10, 1},       // the extra point lifts even 0
      {tw::kKeeper, 37, 0, 37},
      {tw::kDefender, 60, -2000000000, 0},  // no overflow on the way
  };
  for (const auto& c : cases) {
    Player_SetMorale(c.player, c.morale);
    Player_ChangeMorale(c.player, c.percent);
    EXPECT_EQ(Player_GetMorale(c.player), c.expected) << c.player << " " << c.morale << " " << c.percent;
  }
}

TEST_F(PlayerRecordTest, RandomAbilityStatsComeFromThePositionsRow) {
  for (int i = 0; i < ABILITY_CHOICE_COLUMNS; ++i) AbilityStatsChoice[11][i] = static_cast<int16_t>(i < 100 ? 40 + i : 7);
  GameSeedRandom(99);
  for (int n = 0; n < 50; ++n) {
    int16_t code = Player_RandomAbilityStats(p);
    EXPECT_GE(code, 40);
    EXPECT_LT(code, 140);
    EXPECT_EQ(Player_GetAbilityStats(p), code);
  }
  // A damaged record whose stored position is past the table draws from the goalkeepers' row.
  for (int i = 0; i < ABILITY_CHOICE_COLUMNS; ++i) AbilityStatsChoice[0][i] = 222;
  SetBits(Rec(), {24, 18, 4}, 15);
  EXPECT_EQ(Player_RandomAbilityStats(p), 222);
  for (int n = 0; n < 50; ++n) {
    int16_t code = Player_RandomAbilityStats(tw::kHumanManager);
    EXPECT_GE(code, 150);
    EXPECT_LE(code, 249);
  }
}

}  // namespace
