// Making a new world from the source database.
#include "world/worldgen.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <utility>

#include "clubsim/clubsvc.h"
#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/poll.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/newgame.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/lists.h"
#include "world/nationality.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/source_records.h"
#include "world/static_country.h"

int16_t CupSeedingList[CUP_SEEDING_ENTRIES];
uint8_t NameBitSetG[NAME_BIT_SET_SIZE];
uint8_t NameBitSetD[NAME_BIT_SET_SIZE];

namespace {

struct WorldGenState {
  int personalityCursor;  // the next personality template to offer
};
WorldGenState gGen;

constexpr int kSortPasses = NUM_STAT_CODES;
constexpr int kBuiltInPlayers = 2;  // players 0 and 1
constexpr int kNewPlayerMorale = 60;
constexpr int kNewPlayerFitness = 50;
constexpr int kTrainingPerYear = 312;
constexpr int kCountryG = 3;  // the clubs of name set G
constexpr int kCountryD = 5;  // the clubs of name set D ...
constexpr int kDbClubNotD = 1011;  // ... but for this one

// The identity code of a player who is not a club's manager: 20 equally likely entries.
constexpr int16_t kIdentityCode[20] = {2, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 1, 0, 0};

// The positions a general code is drawn from.
constexpr int16_t kAnyDefender[10] = {2, 2, 2, 2, 1, 1, 1, 4, 4, 3};
constexpr int16_t kAnyMidfielder[10] = {5, 5, 5, 6, 6, 8, 8, 9, 9, 7};
constexpr int16_t kAnyForward[10] = {11, 11, 11, 11, 11, 12, 12, 12, 12, 10};

// Career goals come from a share of the appearances: 1 in d, by position 0-13.
constexpr int32_t kGoalDivisor[POSITION_MANAGER + 1] = {2, 4, 5, 3, 5, 3, 3, 3, 2, 2, 1, 1, 1, 1};

// The weights of the ability-template bytes b0-b7 by which each position's
// list of templates is ordered.
constexpr int32_t kAbilityWeights[NUM_CURVE_POSITIONS][8] = {
    {100, 0, 0, 0, 0, 0, 0, 0},   // 0
    {0, 0, 70, 30, 0, 0, 0, 0},   // 1
    {0, 30, 70, 0, 0, 0, 0, 0},   // 2
    {0, 0, 55, 45, 0, 0, 0, 0},   // 3
    {0, 0, 60, 40, 0, 0, 0, 0},   // 4
    {0, 0, 30, 70, 0, 0, 0, 0},   // 5
    {0, 0, 40, 60, 0, 0, 0, 0},   // 6
    {0, 0, 0, 100, 0, 0, 0, 0},   // 7
    {0, 0, 0, 50, 40, 10, 0, 0},  // 8
    {0, 0, 0, 70, 0, 30, 0, 0},   // 9
    {0, 40, 0, 0, 60, 0, 0, 0},   // 10
    {0, 20, 0, 0, 80, 0, 0, 0},   // 11
    {0, 0, 0, 0, 90, 10, 0, 0},   // 12
};

// The ability curves of template j: per position, the curve of each of the
// eight ability columns. J is j, J2 j / 2, J34 j x 75 / 100; Rk is a fresh
// rand() % j divided by k.
enum CurveEntry : uint8_t { Z, J, J2, J34, R, R2, R4, R6, R8 };
constexpr CurveEntry kAbilityCurveTable[NUM_CURVE_POSITIONS][NUM_CURVE_COLUMNS] = {
    {J, R2, R8, R8, R8, R8, R8, R2},   // 0
    {Z, R2, J, J2, R2, R, R, J},       // 1
    {Z, J, J, R, R2, R8, R, R2},       // 2
    {Z, R4, J, J2, R2, J, R, J},       // 3
    {Z, J, J, J34, R4, R2, R, R},      // 4
    {Z, R4, J2, J, R, R2, R, R},       // 5
    {Z, R8, J34, J, R2, R8, R2, R2},   // 6
    {Z, R8, R4, J, R, R, J, J},        // 7
    {Z, R8, R4, J, J, J, R, J},        // 8
    {Z, R8, R2, J, J, J, R, J},        // 9
    {Z, J, R6, J, J, R8, R2, R},       // 10
    {Z, J, R8, R2, J, R, R2, R},       // 11
    {Z, R, R8, R4, J, J, R2, J},       // 12
};

// The template byte and curve column of a position's group: keepers,
// defenders, midfielders, forwards.
int GroupColumn(int position) {
  if (position == 0) return 0;
  if (position <= SRC_POS_LAST_DEFENDER) return 2;
  if (position <= SRC_POS_LAST_MIDFIELDER) return 3;
  return 4;
}

int16_t CurveSelectionAt(int row, int column, int position) {
  return LoadI16(PlayerStatTables.curveSelection +
                 2 * ((row * NUM_CURVE_COLUMNS + column) * NUM_CURVE_POSITIONS + position));
}

void CheckGameCountry(const char* function) {
  if (GameCountry < 0 || GameCountry >= NUM_GAME_COUNTRIES)
    FatalError("Error: %s(): game country %d is outside 0-%d\n", function, GameCountry, NUM_GAME_COUNTRIES - 1);
  if (!TotStats_Loaded()) FatalError("Error: %s(): no source database loaded\n", function);
}

// ---- the stat templates ----

void BuildPersonalityTemplates() {
  for (auto& t : PlayerStatTables.personalityTemplate)
    for (int b = 0; b < 7; ++b) {
      const bool centred = b == 0 || b == 1 || b == 4;
      int v;
      if (centred) {
        v = 100 - GameRandom() % 100;
        v += GameRandom() % 100;
      } else {
        v = GameRandom() % 200;
      }
      t[b] = static_cast<uint8_t>(v);
    }
}

void BuildPhysicalTemplates() {
  auto spread = [] {
    int v = 50 - GameRandom() % 25;
    return v + GameRandom() % 50;
  };
  for (auto& t : PlayerStatTables.physicalTemplate) {
    int b0 = 50 + GameRandom() % 50;
    if (GameRandom() % 2 == 0) b0 -= GameRandom() % 40;
    t[0] = static_cast<uint8_t>(b0);
    t[1] = static_cast<uint8_t>(spread());
    t[2] = static_cast<uint8_t>(spread());
    t[3] = static_cast<uint8_t>(100 - GameRandom() % 20);
    t[4] = static_cast<uint8_t>(100 - GameRandom() % 50);
    t[5] = static_cast<uint8_t>(spread());
    t[6] = static_cast<uint8_t>(spread());
  }
  auto& table = PlayerStatTables.physicalTemplate;
  for (int pass = 0; pass < kSortPasses; ++pass)
    for (int i = 0; i + 1 < NUM_STAT_CODES; ++i)
      if (table[i + 1][0] < table[i][0]) std::swap(table[i], table[i + 1]);
}

void BuildCurveParameters() {
  int16_t growth[NUM_CURVES];
  for (int n = 0; n < NUM_CURVES; ++n) {
    int g, b;
    do {
      g = GameRandom() % 20 + 8;
      b = GameRandom() % g;
    } while (b < 3 || b > 18 || g - b < 4);
    const int c = GameRandom() % 3 == 0 ? 0 : GameRandom() % 600;
    uint8_t* entry = PlayerStatTables.curves + 6 * n;
    StoreI16(entry, static_cast<int16_t>(g - b));
    StoreI16(entry + 2, static_cast<int16_t>(b));
    StoreI16(entry + 4, static_cast<int16_t>(c));
  }
  // In ascending order of growth at 728 (two full years of training).
  for (int n = 0; n < NUM_CURVES; ++n) growth[n] = StatCurve_Growth(n, 728);
  for (int pass = 0; pass < kSortPasses; ++pass) {
    for (int i = 0; i + 1 < NUM_CURVES; ++i) {
      if (growth[i + 1] >= growth[i]) continue;
      std::swap(growth[i], growth[i + 1]);
      uint8_t* a = PlayerStatTables.curves + 6 * i;
      uint8_t held[6];
      std::memcpy(held, a, 6);
      std::memcpy(a, a + 6, 6);
      std::memcpy(a + 6, held, 6);
    }
    Poll();
  }
}

// Per position the 250 ability templates in ascending order of their
// weighted score for the position.
void SortAbilityStatsChoice() {
  for (int position = 0; position < NUM_CURVE_POSITIONS; ++position) {
    int32_t score[NUM_STAT_CODES];
    int16_t* list = AbilityStatsChoice[position];
    for (int n = 0; n < NUM_STAT_CODES; ++n) {
      list[n] = static_cast<int16_t>(n);
      score[n] = 0;
      for (int b = 0; b < 8; ++b) score[n] += kAbilityWeights[position][b] * PlayerStatTables.abilityTemplate[n][b];
    }
    for (int pass = 0; pass < kSortPasses; ++pass)
      for (int i = 0; i + 1 < NUM_STAT_CODES; ++i)
        if (score[list[i + 1]] < score[list[i]]) std::swap(list[i], list[i + 1]);
  }
}

void BuildAbilityTemplates() {
  for (auto& t : PlayerStatTables.abilityTemplate)
    for (auto& b : t) {
      int v = 22 - GameRandom() % 22;
      b = static_cast<uint8_t>(v + GameRandom() % 22);
    }
  SortAbilityStatsChoice();
}

void BuildAbilityCurves() {
  for (int j = 0; j < NUM_CURVE_ROWS; ++j)
    for (int position = 0; position < NUM_CURVE_POSITIONS; ++position)
      for (int column = 0; column < NUM_CURVE_COLUMNS; ++column) {
        const CurveEntry e = kAbilityCurveTable[position][column];
        // Template 0 is all 0 (and draws nothing: there is no rand() % 0).
        const int r = e >= R && j > 0 ? GameRandom() % j : 0;
        int value = 0;
        switch (e) {
          case Z: value = 0; break;
          case J: value = j; break;
          case J2: value = j / 2; break;
          case J34: value = j * 75 / 100; break;
          case R: value = r; break;
          case R2: value = r / 2; break;
          case R4: value = r / 4; break;
          case R6: value = r / 6; break;
          case R8: value = r / 8; break;
        }
        CurveSelection_Set(j, column, position, static_cast<int16_t>(value));
      }
}

// ---- the players ----

// Whether a source record makes a player in this game country; its
// nationality as the world takes it.
bool MakesPlayer(const SourcePlayer& p, int gameCountry, int16_t* nationality) {
  int16_t n = p.nationality;
  if (p.dbClub == SRC_CLUB_FREE_AGENT && n == 0 && gameCountry == 1) n = 1;
  if (nationality) *nationality = n;
  if (p.dbClub == SRC_CLUB_FREE_AGENT || p.dbClub == SRC_CLUB_NONE) return n == gameCountry;
  return p.dbClub < NUM_DB_CLUBS;
}

// The letter code of an initial: A = 1 ... Z = 26, 0 for anything else.
int32_t InitialCode(char initial) {
  if (initial >= 'a' && initial <= 'z') initial = static_cast<char>(initial - 'a' + 'A');
  return initial >= 'A' && initial <= 'Z' ? initial - 64 : 0;
}

// A player's record and identity before anything is written: all zero.
void ClearPlayer(int16_t player) {
  PlayerCount = static_cast<int16_t>(player + 1);
  PlayerTotalCount = static_cast<int16_t>(player + 1);
  std::memset(PlayerRecords[player].bytes, 0, sizeof PlayerRecords[player].bytes);
  Players_RecordsRewritten();
  std::memset(PlayerIdentities()[player].bytes, 0, sizeof PlayerIdentities()[player].bytes);
}

void CommonFields(int16_t player) {
  Player_SetBidCount(player, 0);
  Player_SetApps(player, 0);
  Player_SetGoals(player, 0);
  Player_SetFatigue(player, 0);
  Player_SetCaptain(player, 0);
  Player_SetDispoints(player, 0);
  Player_SetSuspension(player, 0);
  Player_SetInFlag(player, 0);
  Player_SetOnLoan(player, 0);
  Player_SetFitness(player, kNewPlayerFitness);
  Player_SetMorale(player, kNewPlayerMorale);
  Player_SetSellOnClause(player, -1);
  for (int cup = 0; cup < NUM_PLAYER_CUPS; ++cup) Player_SetCupTied(player, PLAYER_CLUB_NONE, cup);
}

// No market price: the price is kept only while the player has a wage, so a
// player without one is given a passing wage to take it.
void ClearMarketPrice(int16_t player) {
  const int16_t wage = Player_GetWage(player);
  if (wage == 0) Player_SetWage(player, 1);
  Player_SetManPrice(player, -1);
  if (wage == 0) Player_SetWage(player, 0);
}

// Players 0 and 1: managers without a club, for the human managers and for
// "no manager".
void CreateBuiltInPlayer(int16_t player) {
  ClearPlayer(player);
  Player_SetSurname(player, player);
  CommonFields(player);
  Player_SetReserveSlot(player, -1);
  Player_SetAge(player, 12);
  Player_SetWage(player, 1);
  Player_SetContract(player, 24);
  Player_SetClub(player, PLAYER_CLUB_NONE);
  Player_SetPosition(player, POSITION_MANAGER);
  Player_SetPosition(player, GameRandom() % POSITION_MANAGER);
  Player_SetNationality(player, GameCountry);
  Player_SetCaretaker(player, player == 1 ? 1 : 0);
  ClearMarketPrice(player);
}

int16_t ClampRep(int32_t value) { return static_cast<int16_t>(std::clamp(value, int32_t{0}, int32_t{63})); }

void CreatePlayer(int16_t player, int sourceIndex, const SourcePlayer& p, int16_t nationality) {
  ClearPlayer(player);
  const int16_t quality = SourceQuality(p.quality);

  int16_t club;
  if (p.dbClub == SRC_CLUB_FREE_AGENT) {
    club = PLAYER_CLUB_FREE_AGENT;
  } else if (p.dbClub == SRC_CLUB_NONE) {
    club = PLAYER_CLUB_NONE;
  } else {
    club = Club_FindByDbId(p.dbClub);
    if (club < 0) club = PLAYER_CLUB_RESERVE_POOL;
  }
  const bool worldClub = club < NUM_CLUBS;
  const bool abroad = club == PLAYER_CLUB_RESERVE_POOL;

  Player_SetInitial(player, InitialCode(p.initial));
  Player_SetSurname(player, p.surname);
  Player_SetLook(player, 0, p.lookA);
  Player_SetLook(player, 1, p.lookB);
  Player_SetLook(player, 2, p.lookC);
  Player_SetAge(player, Year - p.birthYear - 1916);
  const int32_t age = Player_GetAge(player);
  Player_SetContract(player, age >= 16 ? (GameRandom() % 2 + 1) * 12 : (GameRandom() % 4 + 1) * 12);
  CommonFields(player);
  Player_SetClub(player, club);
  // A player abroad is held in the reserve pool for his database club.
  Player_SetReserveSlot(player, abroad ? p.dbClub : -1);

  AssignPlayerPosition(player, p.position);
  InitPlayerCareerTotals(player, sourceIndex);
  const int16_t position = Player_GetPosition(player);
  if (p.side == 4) {
    int side = 0;
    if (position == 1 || position == 3 || position == 9)
      side = GameRandom() % 3 + 1;
    else if (position != 0 && GameRandom() % 3 == 2)
      side = GameRandom() % 3 + 1;
    Player_SetSide(player, side);
  } else {
    Player_SetSide(player, p.side);
  }

  const bool flagged = p.trainingFlag != 0;
  int32_t training = 0;
  if (worldClub) {
    const int32_t divisor = Club_GetDivision(club) + 1;
    training = (flagged && age != 0 ? age + 5 : age) * kTrainingPerYear / divisor;
  } else if (abroad) {
    training = age * kTrainingPerYear;
  }
  Player_SetTraining(player, training);

  if (!worldClub && !abroad && p.position != SRC_POS_MANAGER) nationality = GameCountry;
  Player_SetNationality(player, nationality);

  AssignPlayerPhysicalStats(player, quality / 2);
  AssignPlayerPersonality(player, quality / 2);
  Player_SetMorale(player, kNewPlayerMorale);
  Player_SetRRClause(player, DecideRRClause(player, club));
  Player_SetBRClause(player, DecideBRClause(player, club));
  Player_SetSaleStatus(player, 0);

  const bool manager = position == POSITION_MANAGER;
  int32_t code;
  if (manager && worldClub) {
    Player_SetWage(player, GetPlayerWageDemand(player, club) / 25);
    Player_SetExperience(player, 15);
    Player_SetReputation(player, Club_GetRep(club));
    const uint8_t* record = SourceClubRecord(SourceClubIndexOf(p.dbClub));
    code = record ? LoadI16(record + src_club::MANAGER_CODE) : 0;
  } else {
    code = kIdentityCode[GameRandom() % 20];
    if (manager) {
      Player_SetWage(player, 255);  // his reputation follows from the curve, below
    } else if (worldClub) {
      Player_SetWage(player, GetPlayerWageDemand(player, club) / 25);
      const int32_t rep = Club_GetRep(club);
      Player_SetReputation(player, ClampRep(ClampRep(age * rep / 24) + rep / 4));
    } else if (abroad) {
      Player_SetWage(player, GetPlayerWageDemand(player, club) / 25);
      Player_SetReputation(player, quality / 2);
    }
    Player_SetExperience(player, age * 2);
  }
  code &= 7;
  Player_SetTactic(player, code >= 6 ? 0 : code);

  Player_RandomAbilityStats(player);
  Player_SetAbilityCurve(player, AbilityCurveChoice(player, quality, p.trainingFlag));
  if (manager && !worldClub) Player_SetReputation(player, Player_GetAbilityCurve(player) / 12);
  if (worldClub || abroad) EstimatePlayerStats(player);

  if (p.dbClub == SRC_CLUB_NONE)
    Player_SetWage(player, 1);
  else if (Player_GetWage(player) != 0)
    Player_SetWage(player, GetPlayerWageDemand(player, club) / 25);
  ClearMarketPrice(player);
}

void SetNameBit(uint8_t* set, int player) {
  set[player / 8] = static_cast<uint8_t>(set[player / 8] | (1u << (player % 8)));
}

void BuildNameBitSets() {
  std::printf("Creating a 'Wrong' version of the Name file for GERMAN & DUTCH'\n");
  std::memset(NameBitSetG, 0, sizeof NameBitSetG);
  std::memset(NameBitSetD, 0, sizeof NameBitSetD);
  for (int16_t p = 0; p < PlayerTotalCount; ++p) {
    const int16_t club = Player_GetClub(p);
    if (club < 0 || club >= NUM_CLUBS) continue;
    const int16_t country = Club_GetCountry(club);
    if (country == kCountryG) SetNameBit(NameBitSetG, p);
    if (country == kCountryD && Club_GetDbId(club) != kDbClubNotD) SetNameBit(NameBitSetD, p);
  }
}

}  // namespace

void BuildAbilityStatsChoice() { SortAbilityStatsChoice(); }

int NameBitSet_Get(const uint8_t* set, int16_t player) {
  if (player < 0 || player >= MAX_PLAYERS) return 0;
  return (set[player / 8] >> (player % 8)) & 1;
}

void LoadWorldSourceData() { LoadTotStats(); }

void ClubSlotMap_Build() {
  CheckGameCountry("ClubSlotMap_Build");
  const int g = GameCountry;
  int16_t entry[NUM_CLUBS];
  int full = 0, minor = 0;
  for (int club = 0; club < NUM_CLUBS; ++club) {
    const int16_t db = CountryClubList[g][club];
    if (db == NO_DB_CLUB) {
      entry[club] = -1;  // a place of the list without a club
      continue;
    }
    const uint8_t* record = SourceClubRecord(SourceClubIndexOf(db));
    bool league = false;
    if (record) {
      const SourceClub c = DecodeSourceClub(record);
      league = (c.country & 0xFF) == g && c.division >= 0 && c.division < NUM_DIVISIONS;
    }
    entry[club] = static_cast<int16_t>(league ? full++ : NUM_CLUBS + minor++);
  }
  if (full > NUM_FULL_CLUBS || minor > NUM_MINOR_CLUBS)
    FatalError("Error: ClubSlotMap_Build(): '%s' puts %d clubs in the league of game country %d and %d outside it; "
               "there are records for %d and %d\n",
               TOTSTAT_FILE_NAME, full, g, minor, NUM_FULL_CLUBS, NUM_MINOR_CLUBS);
  std::memset(ClubRecords, 0, sizeof ClubRecords);
  std::memset(MinorClubsBlock.minorClubs, 0, sizeof MinorClubsBlock.minorClubs);
  for (int club = 0; club < NUM_CLUBS; ++club) ClubSlotMap_Set(static_cast<int16_t>(club), entry[club]);
}

void ClearLoanSlots() {
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    Loan_SetPlayerNo(slot, -1);
    Loan_SetLoanClub(slot, PLAYER_CLUB_NONE);
    Loan_SetLoanWeeks(slot, 0);
  }
}

void ClearInjurySlots() {
  for (int16_t slot = 0; slot < NUM_PATIENTS; ++slot) {
    Patient_SetPlayerNo(slot, -1);
    Patient_SetInjuryType(slot, 0);
    Patient_SetInjuryTime(slot, 0);
  }
}

void BuildStatTemplates() {
  BuildPersonalityTemplates();
  BuildPhysicalTemplates();
  BuildCurveParameters();
  BuildAbilityTemplates();
  BuildAbilityCurves();
}

int16_t SourceQuality(int16_t value) { return static_cast<int16_t>(int32_t{value} * value / 80); }

void AssignPlayerPosition(int16_t player, int16_t code) {
  switch (code) {
    case SRC_POS_ANY_DEFENDER: Player_SetPosition(player, kAnyDefender[GameRandom() % 10]); return;
    case SRC_POS_ANY_MIDFIELDER: Player_SetPosition(player, kAnyMidfielder[GameRandom() % 10]); return;
    case SRC_POS_ANY_FORWARD: Player_SetPosition(player, kAnyForward[GameRandom() % 10]); return;
    default: break;
  }
  if (code >= SRC_POS_PLAYER_MANAGER) {
    Player_SetBossvane(player, 1);
    code = static_cast<int16_t>(code - SRC_POS_PLAYER_MANAGER);
  }
  Player_SetPosition(player, code);
}

void AssignPlayerPhysicalStats(int16_t player, int32_t base) {
  for (int attempt = 0; attempt < NUM_STAT_CODES; ++attempt) {
    int32_t code;
    switch (Player_GetPosition(player)) {
      case 1: case 3: case 8: case 12: code = base + GameRandom() % 100 + 150; break;
      case 6: case 10: code = base + GameRandom() % 125; break;
      case 9: code = base + GameRandom() % 75 + 175; break;
      case 11: code = base + GameRandom() % 250 + 100; break;
      default:
        code = GameRandom() % 3 != 0 ? base + GameRandom() % 125 : base + GameRandom() % 250;
        break;
    }
    Player_SetPhysicalStats(player, code);
    if (Player_GetPhysicalStat(player, 14) >= base) return;
  }
}

void AssignPlayerPersonality(int16_t player, int32_t limit) {
  const auto& templates = PlayerStatTables.personalityTemplate;
  for (int skipped = 0; skipped < NUM_STAT_CODES && templates[gGen.personalityCursor][3] < limit; ++skipped)
    gGen.personalityCursor = (gGen.personalityCursor + 1) % NUM_STAT_CODES;
  Player_SetPersonalityStats(player, gGen.personalityCursor);
  gGen.personalityCursor = (gGen.personalityCursor + 1) % NUM_STAT_CODES;
}

void InitPlayerCareerTotals(int16_t player, int sourceIndex) {
  const uint8_t* record = SourcePlayerRecord(sourceIndex);
  const int32_t quality = record ? SourceQuality(LoadI16(record + src_player::QUALITY)) : 0;
  int32_t m = quality / 4;
  if (m <= 10) m = 9 + GameRandom() % 11;
  int32_t apps = 0;
  for (int year = Player_GetAge(player); year > 0; --year) apps += GameRandom() % m;
  const int16_t position = Player_GetPosition(player);
  if (position < 0 || position > POSITION_MANAGER)
    FatalError("invalid player position for player : %d ,INDEX:%d", player, sourceIndex);
  const int32_t goals = GameRandom() % (apps + 1) / kGoalDivisor[position];
  Player_SetCareerApps(player, apps * 2);
  Player_SetCareerGoals(player, goals);
}

int16_t AbilityCurveChoice(int16_t player, int32_t quality, int16_t trainingFlag) {
  const int32_t n = quality * 250 / 100;
  int32_t curve = n;
  if (trainingFlag != 0) {
    const int position = Player_GetStoredPosition(player);
    const int column = GroupColumn(position);
    const int code = std::min<int>(Player_GetAbilityStats(player), NUM_STAT_CODES - 1);
    const int32_t base = PlayerStatTables.abilityTemplate[code][column];
    const int32_t t = (Player_GetTraining(player) / 2 + Player_GetCareerApps(player)) / 2;
    int32_t best = -1, bestScore = 0;
    for (int i = 0; i < std::min<int32_t>(n, NUM_CURVE_ROWS); ++i) {
      const int32_t score = base + StatCurve_Growth(CurveSelectionAt(i, column, position), t);
      if (score > 0 && score > bestScore) {
        best = i;
        bestScore = score;
      }
    }
    curve = best;
  }
  return static_cast<int16_t>(std::min<int32_t>(curve, NUM_CURVES - 1));
}

void CreateWorldPlayers() {
  CheckGameCountry("CreateWorldPlayers");
  const int g = GameCountry;
  const int32_t count = SourcePlayerCount();

  // The players numbered from 2 must fit the player table.
  int32_t made = 0;
  for (int i = 0; i < count; ++i)
    if (MakesPlayer(DecodeSourcePlayer(SourcePlayerRecord(i)), g, nullptr)) ++made;
  if (kBuiltInPlayers + made > MAX_PLAYERS)
    FatalError("Error: CreateWorldPlayers(): '%s' makes %d players in game country %d; the player table holds %d\n",
               TOTSTAT_FILE_NAME, kBuiltInPlayers + made, g, MAX_PLAYERS);

  ClearLoanSlots();
  ClearInjurySlots();
  BuildStatTemplates();

  std::memset(PlayerRecords, 0, sizeof PlayerRecords);
  std::memset(MinorClubsBlock.identities, 0, sizeof MinorClubsBlock.identities);
  Players_RecordsRewritten();
  PlayerCount = 0;
  PlayerTotalCount = 0;
  gGen.personalityCursor = 0;
  for (int16_t p = 0; p < kBuiltInPlayers; ++p) CreateBuiltInPlayer(p);

  int16_t next = kBuiltInPlayers;
  for (int i = 0; i < count; ++i) {
    Poll();
    const SourcePlayer p = DecodeSourcePlayer(SourcePlayerRecord(i));
    int16_t nationality;
    if (!MakesPlayer(p, g, &nationality)) continue;
    CreatePlayer(next++, i, p, nationality);
  }

  BidInfo_ClearAll();
  BuildNameBitSets();
}

void BuildCupSeedingList() {
  const int16_t* table = GameCountry >= 0 && GameCountry < NUM_GAME_COUNTRIES ? CupSeedingTable[GameCountry] : nullptr;
  bool ended = table == nullptr;
  for (int i = 0; i < CUP_SEEDING_ENTRIES; ++i) {
    if (!ended && i > 0 && table[i] == table[i - 1]) ended = true;
    CupSeedingList[i] = ended ? -1 : Club_FindByDbId(table[i]);
  }
}

void SortCupSeedingByDivision() {
  for (int pass = 0; pass < CUP_SEEDING_ENTRIES; ++pass)
    for (int i = 0; i + 1 < CUP_SEEDING_ENTRIES; ++i) {
      const int16_t a = CupSeedingList[i], b = CupSeedingList[i + 1];
      if (a < 0 || b < 0) continue;
      if (Club_GetDivision(b) < Club_GetDivision(a)) std::swap(CupSeedingList[i], CupSeedingList[i + 1]);
    }
}

void SortCupSeedingByLeaguePlace() {
  int16_t copy[CUP_SEEDING_ENTRIES];
  std::memcpy(copy, CupSeedingList, sizeof copy);
  for (int16_t club : copy) {
    if (club < 0) continue;
    const int place = Club_GetOverallRank(club) - 1;
    if (place >= 0 && place < CUP_SEEDING_ENTRIES) CupSeedingList[place] = club;
  }
}

void EndWorldCreation() {}

void WorldGen_Reset() {
  gGen = WorldGenState{};
  std::fill(std::begin(CupSeedingList), std::end(CupSeedingList), int16_t{-1});
  std::memset(NameBitSetG, 0, sizeof NameBitSetG);
  std::memset(NameBitSetD, 0, sizeof NameBitSetD);
}
REGISTER_RESET(RESET_WORLD, WorldGen_Reset);
