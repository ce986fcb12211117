// Playing a fixture: the sides of the MatchSetup from the world's records,
// the formations of computer-run sides and the match itself.
#include "season/playfix.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "menus/menucont.h"
#include "season/matchday.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/simmatch.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_country.h"
#include "world/textmess.h"

int16_t ShirtMap[2][SHIRT_MAP_ENTRIES];
int16_t MatchViewMode;
int16_t LastMatchWatched;
int16_t BackgroundMatchFlag;
HumanMatchChoices HumanChoices;
MatchReportSummaryRecord MatchReportSummary;

namespace {

constexpr int SIDES = 2;
constexpr int SQUAD_ENTRIES = 16;
constexpr int STARTERS = 11;
constexpr int MAX_SUBSTITUTES = 5;
constexpr int FORMATION_SLOTS = 11;
constexpr int STOCK_TACTICS = 6;
constexpr int FORM_PHASES = 200;
constexpr int NEWS_DERBY = 11;
constexpr int16_t NO_PARTNER = 31;
constexpr int MATCH_VALUE_MIN = 1;
constexpr int MATCH_VALUE_MAX = 99;
constexpr int SMALL_MAP_GAP = 2;      // clubs closer than this in both x and y play a derby
constexpr int16_t NO_MAP_PLACE = 99;  // a map x of 99: no rivalry
constexpr int STARTER_SHIRT_FIRST_TAKER = 2;

// The form dip by phase 0-200: three bumps of the biorhythm.
constexpr std::array<int8_t, FORM_PHASES + 1> BuildFormDipTable() {
  std::array<int8_t, FORM_PHASES + 1> t{};
  for (int i = 3; i <= 6; ++i) t[i] = 1;
  for (int i = 7; i <= 9; ++i) t[i] = 2;
  t[10] = t[11] = 3;
  constexpr int8_t kBig[32] = {4,  6,  9,  13, 18, 24, 29, 33, 36, 38, 39, 40, 40, 39, 38, 36,
                               33, 29, 24, 18, 13, 9,  6,  4,  3,  3,  2,  2,  1,  1,  1,  1};
  for (int i = 0; i < 32; ++i) t[12 + i] = kBig[i];
  constexpr int8_t kSmall[23] = {1, 1, 1, 2, 2, 3, 4, 6, 9, 13, 15, 16, 15, 13, 10, 8, 6, 4, 3, 2, 1, 1, 1};
  for (int i = 0; i < 23; ++i) t[60 + i] = t[120 + i] = kSmall[i];
  t[200] = 21;
  return t;
}
constexpr std::array<int8_t, FORM_PHASES + 1> kFormDip = BuildFormDipTable();

// Slots 1-10 of the six stock formations, (column, row) on the 15 x 18 grid.
constexpr int16_t kStockFormations[STOCK_TACTICS][10][2] = {
    {{11, 6}, {3, 6}, {6, 8}, {6, 5}, {8, 5}, {2, 10}, {8, 8}, {6, 13}, {8, 15}, {12, 10}},
    {{12, 7}, {2, 7}, {7, 6}, {5, 5}, {9, 5}, {5, 8}, {7, 10}, {6, 13}, {8, 15}, {9, 8}},
    {{5, 6}, {9, 6}, {7, 5}, {2, 8}, {12, 8}, {5, 10}, {7, 8}, {6, 13}, {8, 15}, {9, 10}},
    {{11, 6}, {3, 6}, {5, 8}, {6, 5}, {8, 5}, {4, 13}, {9, 8}, {7, 10}, {7, 15}, {10, 13}},
    {{12, 7}, {2, 7}, {7, 6}, {5, 5}, {9, 5}, {4, 13}, {8, 8}, {6, 8}, {7, 15}, {10, 13}},
    {{11, 6}, {3, 6}, {5, 10}, {6, 5}, {8, 5}, {2, 8}, {9, 10}, {7, 8}, {7, 15}, {12, 8}},
};

struct PlayFixState {
  int16_t followed;  // the record-events flag of the match being played
};
PlayFixState gPlay;

uint8_t* Team(int side) { return GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side]; }
uint8_t* SetupEntry(int side, int entry) { return GetMatchSetupRecord() + SetupPlayerOffset(side, entry); }
int16_t Field(int side, int entry, int field) { return LoadI16(SetupEntry(side, entry) + field); }
bool EntryPresent(int side, int entry) { return Field(side, entry, SETUP_PLAYER_NUMBER) >= 0; }

int ClampValue(int v) { return std::clamp(v, MATCH_VALUE_MIN, MATCH_VALUE_MAX); }

int Interest(int16_t code) { return code >= 0 && code < NUM_COMPETITION_CODES ? CompetitionInterest[code] : 0; }

// A player the club has lent out stays in its squad list but plays for the
// club that borrowed him.
bool OfClub(int16_t player, int16_t club) { return Player_GetClub(player) == club; }

// The other club of the fixture being played, -1 when none is.
int16_t OtherClub(int side) {
  if (MatchDayFixture < 0) return -1;
  return side == 0 ? Fixture_GetAwayClub(MatchDayFixture) : Fixture_GetHomeClub(MatchDayFixture);
}

// The side's entry that holds the player, else -1.
int EntryOfPlayer(int side, int16_t player) {
  if (player < 0) return -1;
  for (int e = 0; e < SQUAD_ENTRIES; ++e)
    if (ShirtMap[side][e] == player) return e;
  return -1;
}

// The shirt a player wears in the side when it is first..last, else 0.
int16_t ShirtInRange(int side, int16_t player, int first, int last) {
  const int e = EntryOfPlayer(side, player);
  if (e < 0) return 0;
  const int16_t shirt = Field(side, e, SETUP_PLAYER_SHIRT);
  return shirt >= first && shirt <= last ? shirt : 0;
}

// The starter (shirts 2-11) with the highest sum of the fields, the first
// found winning ties; -1 when there is none.
int BestStarter(int side, std::initializer_list<int> fields) {
  int best = -1, bestValue = 0;
  for (int e = 0; e < SQUAD_ENTRIES; ++e) {
    if (!EntryPresent(side, e)) continue;
    const int16_t shirt = Field(side, e, SETUP_PLAYER_SHIRT);
    if (shirt < STARTER_SHIRT_FIRST_TAKER || shirt > STARTERS) continue;
    int value = 0;
    for (int f : fields) value += Field(side, e, f);
    if (best < 0 || value > bestValue) {
      best = e;
      bestValue = value;
    }
  }
  return best;
}

// A set-piece taker's shirt: the human's choice while he wears a starting
// shirt, else the best starter, who becomes the human's choice.
int16_t TakerShirt(int side, bool human, int16_t* choice, std::initializer_list<int> fields) {
  if (human && *choice >= 0) {
    const int16_t shirt = ShirtInRange(side, *choice, STARTER_SHIRT_FIRST_TAKER, STARTERS);
    if (shirt != 0) return shirt;
  }
  const int e = BestStarter(side, fields);
  if (e < 0) return -1;
  if (human) *choice = Field(side, e, SETUP_PLAYER_NUMBER);
  return Field(side, e, SETUP_PLAYER_SHIRT);
}

struct ManagerValues {
  int16_t tactic, personality15Half, personality19Half, physical14Half;
};

ManagerValues ManagerOf(int16_t club) {
  const int16_t manager = ClubSim.getClubManager(club);
  ManagerValues v{0, 0, 0, 0};
  if (manager < 0 || manager >= PlayerTotalCount) return v;
  v.tactic = ClubSim.getPlayerTacticType(manager);
  v.personality15Half = static_cast<int16_t>(Player_GetPersonalityStat(manager, 15) / 2);
  v.personality19Half = static_cast<int16_t>(Player_GetPersonalityStat(manager, 19) / 2);
  v.physical14Half = static_cast<int16_t>(Player_GetPhysicalStat(manager, 14) / 2);
  return v;
}

void BuildComputerFormation(int side, int16_t club, int16_t watched) {
  const ManagerValues m = ManagerOf(club);
  BuildSideFormation(side, m.tactic, m.personality15Half, m.personality19Half, m.physical14Half,
                     side == 0 ? 1 : 0, watched);
}

void StoreReportSummary() {
  const uint8_t* result = GetMatchResultRecord();
  int16_t sixth[SIDES];
  for (int side = 0; side < SIDES; ++side) {
    const uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
    for (int k = 0; k < 5; ++k) MatchReportSummary.figures[side][k] = LoadI16(team + 4 + 2 * k);
    sixth[side] = static_cast<int16_t>(LoadU16(team + 14) & 0x7FFF);
    MatchReportSummary.manOfMatch[side] = LoadI16(team + TEAM_MAN_OF_MATCH);
  }
  const int total = sixth[0] + sixth[1];
  MatchReportSummary.share[0] = static_cast<int16_t>(total == 0 ? 50 : sixth[0] * 100 / total);
  MatchReportSummary.share[1] = static_cast<int16_t>(100 - MatchReportSummary.share[0]);
}

// Both team blocks' club names and kits.
void NameAndKitSides(int16_t home, int16_t away) {
  const int16_t clubs[SIDES] = {home, away};
  for (int side = 0; side < SIDES; ++side) {
    uint8_t* team = Team(side);
    std::memset(team + SETUP_TEAM_NAME, 0, SETUP_TEAM_NAME_SIZE);
    std::snprintf(reinterpret_cast<char*>(team + SETUP_TEAM_NAME), SETUP_TEAM_NAME_SIZE, "%s",
                  GNW_GetClubName(GNW_GetClubDbId(clubs[side])));
    const uint8_t* kit = MenuSystem.getTeamDesign(home, away, static_cast<int16_t>(side));
    if (kit != nullptr) std::memcpy(team + SETUP_TEAM_KIT, kit, SETUP_TEAM_KIT_SIZE);
  }
}

}  // namespace

void SetUpEngineSides(int16_t home, int16_t away) {
  const int16_t clubs[SIDES] = {home, away};
  NameAndKitSides(home, away);
  for (int side = 0; side < SIDES; ++side) {
    if (Team(side)[SETUP_TEAM_HUMAN] == 0) BuildComputerFormation(side, clubs[side], -1);
    else MatchEngine.footballSetupTeamFormation(static_cast<int16_t>(side));
  }
}

void PlayFix_ClearHumanChoices() { HumanChoices = HumanMatchChoices{-1, -1, -1, -1}; }

void PlayFix_Reset() {
  for (auto& side : ShirtMap)
    for (auto& p : side) p = -1;
  MatchViewMode = MATCH_VIEW_DEFAULT;
  LastMatchWatched = 0;
  BackgroundMatchFlag = 0;
  PlayFix_ClearHumanChoices();
  MatchReportSummary = MatchReportSummaryRecord{};
  gPlay = PlayFixState{};
}
REGISTER_RESET(RESET_SEASON, PlayFix_Reset);
// As a new program has them: empty shirt maps, no human choices.
[[maybe_unused]] static const int gPlayFixStart = (PlayFix_Reset(), 0);

int FormExperienceFactor(int personalityCode, int day, int morale, int experience) {
  int phase = (personalityCode + day) * 60 / std::max(morale, 1);
  if (phase > FORM_PHASES) phase = (phase - 1) % FORM_PHASES + 1;  // less 200 while above 200
  if (phase < 0) phase = 0;
  return 100 - experience * kFormDip[phase] / 63 / 2;
}

void BuildMatchSetupPlayer(int16_t player, int side, int entry, int16_t competition, bool neutral, int16_t club,
                           int16_t otherClub) {
  if (side < 0 || side >= SIDES || entry < 0 || entry >= SHIRT_MAP_ENTRIES) return;
  if (player < 0 || player >= PlayerTotalCount) return;
  uint8_t* p = SetupEntry(side, entry);
  auto put = [p](int field, int value) { StoreI16(p + field, static_cast<int16_t>(value)); };

  int ab[8], ph[15], pe[22];
  for (int k = 0; k <= 7; ++k) ab[k] = Player_GetAbilityStat(player, k);
  for (int k = 8; k <= 14; ++k) ph[k] = Player_GetPhysicalStat(player, k);
  for (int k = 15; k <= 21; ++k) pe[k] = Player_GetPersonalityStat(player, k);
  const int fatigue = Player_GetFatigue(player), fitness = Player_GetFitness(player);
  const int morale = Player_GetMorale(player), experience = Player_GetExperience(player);

  // Condition: fatigue and lost fitness.
  const int fitnessGap = 60 - fitness, moraleGap = 60 - morale;
  const int fatigueTerm = fatigue * fatigue / 10, fitnessTerm = fitnessGap * fitnessGap / 10;
  const int fatigueDivisor = fitnessTerm + fatigueTerm + 100;
  // Form, and the league a club outside the divisions plays in.
  const int experienceFactor = FormExperienceFactor(Player_GetPersonalityStats(player), DayOfSeason, morale, experience);
  const int leagueFactor = Club_GetDivision(club) > 5 ? 4 : 1;
  // The home crowd weighs on the visitors.
  const int pressure = side == 1 && !neutral ? HomeCrowdShare * (200 - pe[18]) / 900 * 2 : 0;
  // Nerves, which a psychologist may settle.
  int nerves = 0;
  if (competition != COMP_SPECIAL) {
    const int n = Interest(competition) - pe[20] * 100 / 200 - pe[15] * 100 / 200 - experience - moraleGap;
    nerves = std::max(n, 0) * 4;
    if (Club_GetPsycho(club) > 0 && GameRandom() % 200 < pe[21]) nerves = 0;
  }
  const int dietitian = Club_GetDietition(club) > 0 ? Club_GetDietition(club) * 5 : 0;
  // Local rivalry lifts the players' drive.
  int rivalry = 0;
  if (competition != COMP_SPECIAL && !neutral && otherClub >= 0) {
    const int d = 15 - (std::abs(Club_GetXcoord(club) - Club_GetXcoord(otherClub)) +
                        std::abs(Club_GetYcoord(club) - Club_GetYcoord(otherClub)));
    rivalry = d < 0 ? 0 : d * d / 9;
    if (competition == COMP_FRIENDLY) rivalry /= 8;
    if (Club_GetXcoord(club) == NO_MAP_PLACE) rivalry = 0;
  }
  const int formDivisor = std::max(moraleGap + pressure, -99) + 100;
  auto formed = [&](int v) { return v * 100 / formDivisor * experienceFactor / (100 * leagueFactor); };

  std::memset(p + SETUP_PLAYER_SURNAME, 0, SETUP_PLAYER_SURNAME_SIZE);
  std::snprintf(reinterpret_cast<char*>(p + SETUP_PLAYER_SURNAME), SETUP_PLAYER_SURNAME_SIZE, "%s",
                GNW_GetPlayerSurname(player));
  const int16_t position = Player_GetStoredPosition(player);
  p[SETUP_PLAYER_POSITION_BYTE] = static_cast<uint8_t>(position);
  put(SETUP_PLAYER_LOOK1, Player_GetLook(player, 0));
  put(SETUP_PLAYER_LOOK2, Player_GetLook(player, 1));
  put(SETUP_PLAYER_SPARE1, -1);
  put(SETUP_PLAYER_LOOK3, Player_GetLook(player, 2));
  put(SETUP_PLAYER_SPARE2, -1);

  // Match values.
  put(SETUP_PLAYER_PACE, ClampValue(ph[8] * 100 / (fitnessTerm + 2 * fatigueTerm + 100)));
  put(SETUP_PLAYER_PHYSICAL11,
      ClampValue(ph[11] * 100 / (fatigueDivisor - dietitian / 4) * experienceFactor / (120 * leagueFactor)));
  put(SETUP_PLAYER_PHYSICAL10, ClampValue(ph[10] * 90 / fatigueDivisor));
  put(SETUP_PLAYER_PHYSICAL9, ClampValue(ph[9] * 100 / fatigueDivisor));
  int physical12 = ph[12] * 100 / fatigueDivisor;
  if (player == 0 || player == 1) physical12 /= 2;
  put(SETUP_PLAYER_PHYSICAL12, ClampValue(physical12));
  put(SETUP_PLAYER_PHYSICAL13, ClampValue(ph[13] * 100 / fatigueDivisor));
  put(SETUP_PLAYER_PHYSICAL14, ClampValue(ph[14] * 100 / (pressure + 100) - nerves));
  put(SETUP_PLAYER_ABILITY0, ClampValue(formed(ab[0])));
  put(SETUP_PLAYER_ABILITY1, ClampValue(formed(ab[1])));
  put(SETUP_PLAYER_ABILITY2, ClampValue(formed(ab[2])));
  put(SETUP_PLAYER_ABILITY3, ClampValue(formed(ab[3])));
  put(SETUP_PLAYER_ABILITY4, ClampValue(formed(ab[4] * 90 / 100)));
  put(SETUP_PLAYER_ABILITY5, ClampValue(formed(ab[5])));
  put(SETUP_PLAYER_ABILITY7, ClampValue(formed(ab[7])));
  put(SETUP_PLAYER_ABILITY6, ClampValue(ab[6] * 100 / (pressure + nerves + 100)));
  put(SETUP_PLAYER_PERSONALITY15, ClampValue(std::min(pe[15] * 100 / 200 + rivalry, 100)));
  put(SETUP_PLAYER_PERSONALITY16, ClampValue(pe[16] * 100 / 200));
  put(SETUP_PLAYER_PERSONALITY17, ClampValue(pe[17] * 100 / 200));
  put(SETUP_PLAYER_PERSONALITY18, ClampValue(pe[18] * 100 / 200));
  put(SETUP_PLAYER_PERSONALITY19, ClampValue(pe[19] * 100 / 200 - nerves));
  put(SETUP_PLAYER_PERSONALITY20, ClampValue(pe[20] * 100 / 200));
  put(SETUP_PLAYER_PERSONALITY21, ClampValue(pe[21] * 100 / 200));

  // The player as he is.
  put(SETUP_PLAYER_EXPERIENCE, experience);
  put(SETUP_PLAYER_POSITION, position);
  put(SETUP_PLAYER_SHIRT, Player_GetShirt(player));
  const int16_t foot = Player_GetSide(player);
  put(SETUP_PLAYER_LEFT_SIDE, foot == 3 || foot == 1 ? 1 : 0);
  put(SETUP_PLAYER_RIGHT_SIDE, foot == 3 || foot == 2 ? 1 : 0);
  put(SETUP_PLAYER_RECURRING_INJURY, Player_GetRecurringInjury(player));
  put(SETUP_PLAYER_NUMBER, player);
  put(SETUP_PLAYER_PERSONALITY20_RAW, pe[20] * 100 / 200);
  put(SETUP_PLAYER_ABILITY7_RAW, ab[7]);
  put(SETUP_PLAYER_ABILITY0_RAW, ab[0]);
  put(SETUP_PLAYER_ABILITY3_RAW, ab[3]);
  put(SETUP_PLAYER_ABILITY4_RAW, ab[4] * 90 / 100);
  put(SETUP_PLAYER_ABILITY2_RAW, ab[2]);
  put(SETUP_PLAYER_ABILITY1_RAW, ab[1]);
  put(SETUP_PLAYER_PACE_RAW, ph[8]);
  put(SETUP_PLAYER_PHYSICAL14_RAW, ph[14]);
  put(SETUP_PLAYER_ABILITY5_RAW, ab[5]);

  ShirtMap[side][entry] = player;
}

void BuildMatchSetupTeam(int side, int16_t club) {
  if (side < 0 || side >= SIDES) return;
  uint8_t* team = Team(side);
  const int16_t ratings[4] = {Club_GetSetPieces3(club), Club_GetSetPieces2(club), Club_GetSetPieces1(club),
                              Club_GetTeamwork(club)};
  for (int k = 0; k < 4; ++k) StoreI16(team + SETUP_TEAM_RATINGS + 2 * k, static_cast<int16_t>(ratings[k] * 100 / 60));
  const int16_t control = Club_GetControl(club);
  const bool human = control != 0;
  team[SETUP_TEAM_HUMAN] = static_cast<uint8_t>(control);
  StoreI16(team + SETUP_TEAM_FIRST_LEG_GOALS, FirstLegGoals[side]);

  // The captain: the human's choice in a starting shirt, else the club's.
  int16_t captainShirt = human ? ShirtInRange(side, HumanChoices.captain, 1, STARTERS) : int16_t{0};
  if (captainShirt == 0) {
    if (SquadListClub != club) BuildClubSquadList(club);
    ClubSim.pickTeamCaptain();
    const int16_t captain = ClubSim.findClubCaptain(club);
    captainShirt = captain >= 0 ? ShirtInRange(side, captain, 1, STARTERS) : int16_t{0};
    if (captainShirt == 0) captainShirt = 1;
  }
  StoreI16(team + SETUP_TEAM_CAPTAIN, captainShirt);
  StoreI16(team + SETUP_TEAM_CORNER_TAKER,
           TakerShirt(side, human, &HumanChoices.cornerTaker, {SETUP_PLAYER_ABILITY3, SETUP_PLAYER_ABILITY7}));
  StoreI16(team + SETUP_TEAM_FREE_KICK_TAKER,
           TakerShirt(side, human, &HumanChoices.freeKick,
                      {SETUP_PLAYER_PHYSICAL14, SETUP_PLAYER_ABILITY7, SETUP_PLAYER_ABILITY4}));
  StoreI16(team + SETUP_TEAM_PENALTY_TAKER,
           TakerShirt(side, human, &HumanChoices.penaltyTaker, {SETUP_PLAYER_ABILITY3, SETUP_PLAYER_ABILITY7}));
}

void ApplyLineLeadership(int side, int16_t club) {
  if (side < 0 || side >= SIDES) return;
  struct LineRule {
    int firstPosition, lastPosition, ability;
  };
  static constexpr LineRule kLines[3] = {
      {1, 4, SETUP_PLAYER_ABILITY2}, {5, 9, SETUP_PLAYER_ABILITY3}, {10, 12, SETUP_PLAYER_ABILITY4}};
  const int teamwork = Club_GetTeamwork(club);
  for (const LineRule& line : kLines) {
    auto inLine = [&](int e) {
      if (!EntryPresent(side, e)) return false;
      const int16_t position = Field(side, e, SETUP_PLAYER_POSITION);
      return position >= line.firstPosition && position <= line.lastPosition;
    };
    int experience = -1;
    for (int e = 0; e < STARTERS; ++e)
      if (inLine(e)) experience = std::max<int>(experience, Field(side, e, SETUP_PLAYER_EXPERIENCE));
    if (experience < 0) continue;  // nobody plays in the line
    const int level = ClampValue(teamwork * (experience * 100 / 60) / 60);
    if (level == 50) continue;
    for (int e = 0; e < STARTERS; ++e) {
      if (!inLine(e)) continue;
      for (int field : {SETUP_PLAYER_PERSONALITY19, SETUP_PLAYER_PHYSICAL14, SETUP_PLAYER_PHYSICAL10,
                        SETUP_PLAYER_PHYSICAL9, SETUP_PLAYER_PHYSICAL13, line.ability}) {
        const int16_t value = Field(side, e, field);
        if (value >= level) continue;
        StoreI16(SetupEntry(side, e) + field, static_cast<int16_t>(level <= 49 ? level : value + level / 5));
      }
    }
  }
}

void FillMatchSide(int side, int16_t club, int16_t substitutes, int16_t competition, bool neutral) {
  if (side < 0 || side >= SIDES) return;
  for (int16_t& p : ShirtMap[side]) p = -1;
  const int16_t other = OtherClub(side);

  if (Club_GetControl(club) != 0 && competition < COMP_FRIENDLY && other >= 0 &&
      std::abs(Club_GetXcoord(club) - Club_GetXcoord(other)) < SMALL_MAP_GAP &&
      std::abs(Club_GetYcoord(club) - Club_GetYcoord(other)) < SMALL_MAP_GAP && (GameCountry == 0 || GameCountry == 1)) {
    SetNewsArgs(club, other, -1, -1, -1, -1, -1, -1, -1);
    ShowNewsMessage(GetRandomNewsText(NEWS_DERBY), 0, NEWS_SHOW_HUMAN_CLUB, club, other);
  }

  const int16_t manager = ClubSim.getClubManager(club);
  CurrentManager = manager;
  BuildMatchSetupPlayer(manager, side, MANAGER_ENTRY, competition, neutral, club, other);

  const int lastShirt = STARTERS + std::clamp<int>(substitutes, 0, MAX_SUBSTITUTES);
  int next = 0;
  for (int shirt = 1; shirt <= lastShirt && next < SQUAD_ENTRIES; ++shirt) {
    for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
      const int16_t p = SquadList[i];
      if (p < 0 || p >= PlayerCount || Player_GetShirt(p) != shirt || !OfClub(p, club)) continue;
      BuildMatchSetupPlayer(p, side, next++, competition, neutral, club, other);
      break;
    }
  }

  BuildMatchSetupTeam(side, club);
  if (Club_GetCountry(club) == GameCountry) ApplyLineLeadership(side, club);
}

void StockFormationSlot(int16_t tacticType, int slot, int16_t* x, int16_t* y) {
  const int type = tacticType >= 0 && tacticType < STOCK_TACTICS ? tacticType : 0;
  const bool valid = slot >= 1 && slot <= 10;
  *x = valid ? kStockFormations[type][slot - 1][0] : int16_t{0};
  *y = valid ? kStockFormations[type][slot - 1][1] : int16_t{0};
}

void BuildSideFormation(int side, int16_t tacticType, int16_t personality15Half, int16_t personality19Half,
                        int16_t physical14Half, int16_t homeFlag, int16_t watched) {
  (void)homeFlag;  // the stock shapes are the same at home and away
  if (side < 0 || side >= SIDES) return;
  struct Slot {
    int16_t x, y, attackX, attackY;
    uint8_t partner, forwardRun, hold, wing;
    int16_t targets[TACTICS_SLOT_TARGET_COUNT];
  };
  Slot s[FORMATION_SLOTS];
  for (int k = 0; k < FORMATION_SLOTS; ++k) {
    Slot& slot = s[k];
    slot = Slot{0, 0, 0, 0, NO_PARTNER, 0, 0, 0, {-1, -1, -1, -1}};
    StockFormationSlot(tacticType, k, &slot.x, &slot.y);
    if (watched == 0 && k >= 1 && slot.y <= 7) slot.y = static_cast<int16_t>(slot.y / 2);
    slot.attackX = slot.x;
    slot.attackY = slot.y;
  }
  // The player of each slot: the side's entry of the same number.
  auto value = [side](int k, int field) -> int {
    return EntryPresent(side, k) ? Field(side, k, field) : 0;
  };
  auto anyOther = [&s](int k, auto test) {
    for (int j = 1; j < FORMATION_SLOTS; ++j)
      if (j != k && test(s[j])) return true;
    return false;
  };
  auto wide = [](const Slot& slot) { return (slot.x < 4 || slot.x > 10) && slot.y > 7; };

  for (int k = 1; k < FORMATION_SLOTS; ++k) {
    Slot& slot = s[k];
    if (slot.y > 12) {
      slot.forwardRun = 1;
      if (personality15Half > 50 && anyOther(k, [&](const Slot& o) { return o.y > slot.y; })) slot.forwardRun = 2;
    }
    const bool left = slot.x < 4 && slot.y > 7, right = slot.x > 10 && slot.y > 7;
    if (left || right) {
      slot.wing = personality19Half < 51 ? 2 : 1;
      if (left && anyOther(k, [&](const Slot& o) { return o.x < slot.x; })) slot.wing = 0;
      if (right && anyOther(k, [&](const Slot& o) { return o.x > slot.x; })) slot.wing = 0;
    }
    if (slot.y < 8 && physical14Half < 50) slot.hold = 1;
  }

  // Wide players push on by their pace.
  for (int k = 1; k < FORMATION_SLOTS; ++k) {
    Slot& slot = s[k];
    if (!wide(slot)) continue;
    const int outward = slot.x < 4 ? -1 : 1;
    if (value(k, SETUP_PLAYER_ABILITY5) > 50) slot.attackX = static_cast<int16_t>(slot.attackX + outward);
    const int pace = value(k, SETUP_PLAYER_PACE);
    const int steps = pace >= 91 ? 4 : pace >= 81 ? 3 : pace >= 71 ? 2 : 1;
    for (int step = 0; step < steps; ++step) {
      ++slot.attackY;
      if (anyOther(k, [&](const Slot& o) { return o.x == slot.attackX && o.y == slot.attackY; }))
        slot.attackX = static_cast<int16_t>(slot.attackX + (slot.x < 7 ? -1 : 1));
    }
    if (value(k, SETUP_PLAYER_ABILITY3) > 50 && value(k, SETUP_PLAYER_PERSONALITY19) > 50) slot.partner = 9;
  }

  // Central players at the back: holding ones pass to the target man or
  // find slot 10, the others look for the widest man ahead of them.
  for (int k = 1; k < FORMATION_SLOTS; ++k) {
    Slot& slot = s[k];
    if (!(slot.y < 8 && slot.x >= 4 && slot.x <= 10) || !EntryPresent(side, k)) continue;
    if (value(k, SETUP_PLAYER_ABILITY3) <= 50) continue;
    if (slot.hold) {
      if (value(k, SETUP_PLAYER_PERSONALITY19) <= 50) {
        slot.partner = 9;
      } else {
        slot.targets[2] = s[10].x;
        slot.targets[3] = static_cast<int16_t>(s[10].y + 2);
      }
      continue;
    }
    int found = -1;
    for (int j = 1; j < FORMATION_SLOTS; ++j) {
      if (j == k || s[j].y <= slot.y) continue;
      if (slot.x < 7 ? s[j].x < slot.x && (found < 0 || s[j].x < s[found].x)
                     : s[j].x > slot.x && (found < 0 || s[j].x > s[found].x))
        found = j;
    }
    if (found < 0) continue;
    if (s[found].attackY > 9) {
      slot.targets[2] = s[found].attackX;
      slot.targets[3] = s[found].attackY;
    } else {
      slot.partner = static_cast<uint8_t>(found);
    }
  }

  // A forward with flair roams through the middle; the wingers then stay wide.
  if (value(9, SETUP_PLAYER_PERSONALITY19) > 50) {
    s[9].attackX = 7;
    s[9].attackY = 17;
    for (int k = 1; k < FORMATION_SLOTS; ++k)
      if (s[k].wing != 0) s[k].wing = 1;
  }
  // Fast players of some shapes get a run of their own.
  auto run = [&](int k, int16_t x, int16_t y) {
    if (value(k, SETUP_PLAYER_PACE) <= 80) return;
    s[k].attackX = x;
    s[k].attackY = y;
  };
  switch (tacticType) {
    case 1:
    case 2: run(7, 8, 16); break;
    case 3: run(6, 6, 16); run(10, 8, 16); break;
    case 5: run(3, 5, 14); run(7, 9, 14); break;
    default: break;
  }

  uint8_t* formation = Team(side) + SETUP_TEAM_FORMATION;
  for (int k = 0; k < FORMATION_SLOTS; ++k) {
    Slot& slot = s[k];
    if (slot.attackX < 0 || slot.attackY < 0) {
      slot.attackX = slot.x;
      slot.attackY = slot.y;
    }
    uint8_t* p = formation + k * TACTICS_SLOT_SIZE;
    StoreI16(p + TACTICS_SLOT_X, slot.x);
    StoreI16(p + TACTICS_SLOT_Y, slot.y);
    StoreI16(p + TACTICS_SLOT_ATTACK_X, slot.attackX);
    StoreI16(p + TACTICS_SLOT_ATTACK_Y, slot.attackY);
    p[TACTICS_SLOT_PARTNER] = slot.partner;
    p[TACTICS_SLOT_FORWARD_RUN] = slot.forwardRun;
    p[TACTICS_SLOT_HOLD] = slot.hold;
    p[TACTICS_SLOT_WING] = slot.wing;
    for (int t = 0; t < TACTICS_SLOT_TARGET_COUNT; ++t) StoreI16(p + TACTICS_SLOT_TARGETS + 2 * t, slot.targets[t]);
  }
}

void PlayFixture(int16_t home, int16_t away, int16_t followed) {
  gPlay.followed = followed;
  const int16_t clubs[SIDES] = {home, away};
  NameAndKitSides(home, away);
  for (int side = 0; side < SIDES; ++side) MatchEngine.footballSetupTeamFormation(static_cast<int16_t>(side));
  int resultPending = 1;
  bool watched = false;

  const int16_t code = MatchDayFixture >= 0 ? Fixture_GetCompetition(MatchDayFixture) : int16_t{COMP_LEAGUE};
  if (Club_GetControl(home) != 0 || Club_GetControl(away) != 0) {
    int16_t displayMode = MatchViewMode;
    if (SoakRunActive != 0) {
      displayMode = MATCH_VIEW_DEFAULT;
      Team(0)[SETUP_TEAM_HUMAN] = 0;
      Team(1)[SETUP_TEAM_HUMAN] = 0;
    }
    for (int side = 0; side < SIDES; ++side) {
      if (Team(side)[SETUP_TEAM_HUMAN] == 0) BuildComputerFormation(side, clubs[side], -1);
      else MatchEngine.footballSetupTeamFormation(static_cast<int16_t>(side));
    }
    BackgroundMatchFlag = 0;
    MenuSystem.uninitMenuSystem();
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, displayMode);
    MatchEngine.playMatchGetResult();
    MenuSystem.initMenuSystem();
    watched = true;
  } else {
    for (int side = 0; side < SIDES; ++side) {
      if (Team(side)[SETUP_TEAM_HUMAN] == 0) BuildComputerFormation(side, clubs[side], 0);
      else MatchEngine.footballSetupTeamFormation(static_cast<int16_t>(side));
    }
    BackgroundMatchFlag = 1;
    resultPending = RunBackgroundMatch(home, away, code, ExtraTimeRule, 0, PenaltiesRule, followed);
  }

  LastMatchWatched = 0;
  if (watched || resultPending == 0) {
    LastMatchWatched = 1;
    SeasonEngine.fillPlayerMatchRecords(Team(0)[SETUP_TEAM_HUMAN] != 0 ? 0 : 1);
    StoreReportSummary();
  }
}

uint8_t* PlayMatchInBackgroundStandIn() {
  if (MatchDayFixture < 0) return GetMatchResultRecord();
  const int16_t home = Fixture_GetHomeClub(MatchDayFixture), away = Fixture_GetAwayClub(MatchDayFixture);
  BuildComputerFormation(0, home, 0);
  BuildComputerFormation(1, away, 0);
  BackgroundMatchFlag = 1;
  RunBackgroundMatch(home, away, Fixture_GetCompetition(MatchDayFixture), ExtraTimeRule, 0, PenaltiesRule,
                     gPlay.followed);
  return GetMatchResultRecord();
}
