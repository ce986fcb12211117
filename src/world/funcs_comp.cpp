// The world facade: the country's competitions, league and reputation
// positions, the Champions League groups, lookups over the fixture list and
// the bridges to the season engine.
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/menuprims.h"
#include "menus/money.h"
#include "season/calendar.h"
#include "season/newgame.h"
#include "season/matchday.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/calendar.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/players.h"
#include "world/static_country.h"
#include "world/static_cups.h"

#define ABORT_FILE "funcs"

int16_t ChampionsLeagueGroups[NUM_EURO_GROUPS][EURO_GROUP_CLUBS];
uint8_t EuroListA[EURO_LIST_A_SIZE];
uint8_t EuroListB[EURO_LIST_B_SIZE];
uint8_t EuroListC[EURO_LIST_C_SIZE];
int16_t EuroQualifierList[EURO_QUALIFIERS_MAX];
int16_t HumanLastFixture;
int16_t HumanFixtureComp[2];
int16_t MatchFixtureHome;
int16_t MatchFixtureAway;
int16_t MatchFixtureComp;
int16_t FixtureDivisionFilter;
int16_t SquadCompanionList[SQUAD_COMPANION_SIZE];
int16_t MatchViewBusyFlags;

namespace {

constexpr int16_t TEXT_WINNERS = 1466;
constexpr int16_t TEXT_RUNNERS_UP = 1467;
constexpr int16_t TEXT_NON_LEAGUE = 808;  // "Non.L."
constexpr int16_t TEXT_WON = 138;         // "W", "D", "L"
constexpr int COMP_NAME_RUN = 12;         // cups 0-6 and the league-stage names of a country's run
constexpr int16_t NO_CUP = -2;
constexpr int16_t NON_LEAGUE_DIVISION = 6;
constexpr int RESULTS_SHOWN = 5;

constexpr int16_t kGroupTexts[NUM_EURO_GROUPS] = {1550, 1551, 1552, 1553, 1691, 1692, 1693, 1694};

// The competition groups of GNW_FindNextCompFixture: a range of codes, and
// for league groups the division the home club plays in.
struct CompGroup {
  int16_t first, last;
  int16_t division;  // -1: any
};
constexpr CompGroup kCompGroups[NUM_COMP_GROUPS] = {
    {118, 118, -1}, {101, 116, -1}, {85, 100, -1}, {69, 84, -1}, {5, 20, -1}, {21, 36, -1}, {4, 4, -1},
    {0, 0, 0},      {0, 0, 1},      {0, 0, 2},     {0, 0, 3},    {1, 1, -1},  {53, 68, -1}, {37, 52, -1},
};

struct FuncsCompState {
  char leaguePos[MONEY_TEXT_SIZE];
  char results[RESULTS_SHOWN + 1];
};
FuncsCompState gComp;

bool ValidClub(int club) { return club >= 0 && club < NUM_CLUBS; }
bool ValidDivision(int division) { return division >= 0 && division < NUM_DIVISIONS; }
bool CountryKnown() { return IsGameCountry(GameCountry); }

// Fixtures are used from slot 0 up to the first empty slot.
bool Used(int n) { return Fixture_GetDay(static_cast<int16_t>(n)) != FIXTURE_EMPTY_DAY; }
int16_t Day(int n) { return Fixture_GetDay(static_cast<int16_t>(n)); }
int16_t Code(int n) { return Fixture_GetCompetition(static_cast<int16_t>(n)); }
int16_t Home(int n) { return Fixture_GetHomeClub(static_cast<int16_t>(n)); }
int16_t Away(int n) { return Fixture_GetAwayClub(static_cast<int16_t>(n)); }
bool Plays(int n, int club) { return club >= 0 && (Home(n) == club || Away(n) == club); }

// The club's row of the league table, null outside the world's clubs.
const LeagueTableRow* TableRow(int16_t club) { return ValidClub(club) ? &LeagueTable[club] : nullptr; }

template <typename T>
void Put(T* out, T value) {
  if (out) *out = value;
}

// The first fixture of today in which the human manager's club plays (code
// 118 passed over), else -1.
int16_t HumanFixtureToday() {
  const int16_t human = GNW_GetHumanClub(1);
  for (int n = 0; n < NUM_FIXTURES && Used(n); ++n) {
    if (Day(n) > DayOfSeason) break;
    if (Day(n) == DayOfSeason && Code(n) != COMP_SPECIAL && Plays(n, human)) return static_cast<int16_t>(n);
  }
  return -1;
}

void ClubRecordOf(const LeagueTableRow* row, bool home, int16_t* won, int16_t* drawn, int16_t* lost,
                  int16_t* goalsFor, int16_t* goalsAgainst) {
  Put(won, row ? (home ? row->homeWon : row->awayWon) : int16_t{0});
  Put(drawn, row ? (home ? row->homeDrawn : row->awayDrawn) : int16_t{0});
  Put(lost, row ? (home ? row->homeLost : row->awayLost) : int16_t{0});
  Put(goalsFor, row ? (home ? row->homeFor : row->awayFor) : int16_t{0});
  Put(goalsAgainst, row ? (home ? row->homeAgainst : row->awayAgainst) : int16_t{0});
}

// Appends a European list's clubs of the game country; a club past the
// qualifier list's ten places ends the program before it is stored.
int AppendQualifiers(const uint8_t* list, int size, int count) {
  for (int i = 0; i < size; ++i) {
    const int club = list[i];
    if (!ValidClub(club) || Club_GetCountry(static_cast<int16_t>(club)) != GameCountry) continue;
    if (count >= EURO_QUALIFIERS_MAX) FatalError("GetEuroQualifiers(): too many teams qualified for Europe");
    EuroQualifierList[count++] = static_cast<int16_t>(club);
  }
  return count;
}

}  // namespace

void FuncsComp_Reset() {
  for (auto& group : ChampionsLeagueGroups)
    for (auto& club : group) club = 0;
  std::memset(EuroListA, NO_TABLE_CLUB, sizeof EuroListA);
  std::memset(EuroListB, NO_TABLE_CLUB, sizeof EuroListB);
  std::memset(EuroListC, NO_TABLE_CLUB, sizeof EuroListC);
  for (auto& club : EuroQualifierList) club = -1;
  HumanLastFixture = 0;
  HumanFixtureComp[0] = HumanFixtureComp[1] = -1;
  MatchFixtureHome = MatchFixtureAway = MatchFixtureComp = -1;
  FixtureDivisionFilter = 0;
  for (auto& value : SquadCompanionList) value = 0;
  MatchViewBusyFlags = 0;
  gComp = FuncsCompState{};
}
REGISTER_RESET(RESET_WORLD, FuncsComp_Reset);
// The tables as a new program has them (the European lists empty).
[[maybe_unused]] static const int gFuncsCompStart = (FuncsComp_Reset(), 0);

// ---- country and competition rules ----

int16_t GNW_GetNumDivisions() { return GNW_CountCountryDivisions(); }

int16_t GNW_GetNumDomesticCups() { return CountryKnown() ? DomesticCupCount[GameCountry] : 1; }

int16_t GNW_GetDivisionSize(int16_t division) {
  if (!CountryKnown() || !ValidDivision(division)) return 0;
  return CountryDivisionInfo.sizes[GameCountry][division].value;
}

int16_t GNW_CountCountryDivisions() {
  if (!CountryKnown()) return 0;
  int16_t n = 0;
  while (n < NUM_DIVISIONS && CountryDivisionInfo.list[GameCountry][n].value != 0) ++n;
  return n;
}

int16_t GNW_DivisionHasPlayOffs(int16_t division) {
  if (!CountryKnown() || !ValidDivision(division)) return 0;
  return CountryDivisionInfo.playoffs[GameCountry][division].value != 0 ? 1 : 0;
}

int16_t GNW_GetCupRounds(int16_t cup) {
  if (!CountryKnown() || cup < 0 || cup >= NUM_CUP_COMPETITIONS) return 0;
  return CupRoundsTable[GameCountry][cup];
}

int16_t GNW_GetClubDivisionSlot(int16_t club) {
  if (!ValidClub(club)) return -1;
  // The club's division, where the table lists it; an unlisted club has no slot.
  const int16_t division = GNW_FindClubDivisionIndex(club);
  if (division >= GNW_CountCountryDivisions()) return -1;
  int16_t slot = 0;
  for (uint8_t other : DivisionTable[division])
    if (other != NO_TABLE_CLUB && other < club) ++slot;
  return slot < GNW_GetDivisionSize(division) ? slot : -1;
}

int16_t GNW_GetCupOfComp(int16_t competition) {
  if (competition < COMP_CUP_FIRST || competition > COMP_CUP_LAST) return NO_CUP;
  return static_cast<int16_t>((competition - COMP_CUP_FIRST) / COMP_CUP_CODES);
}

int16_t GNW_GetCupIndex(int16_t competition) {
  const int16_t cup = GNW_GetCupOfComp(competition);
  return cup == 5 ? 6 : cup;
}

int16_t GNW_GetCupRoundNo(int16_t competition) {
  if (GNW_GetCupOfComp(competition) == NO_CUP) return NO_CUP;
  return static_cast<int16_t>((competition - COMP_CUP_FIRST) % CUP_ROUNDS);
}

void GNW_GetFixtureCompInfo(int16_t fixture, int16_t* division, int16_t* cup, int16_t* round) {
  Put(division, NO_CUP);
  Put(cup, NO_CUP);
  Put(round, int16_t{-1});
  if (fixture < 0 || fixture >= NUM_FIXTURES || !Used(fixture)) return;
  const int16_t code = Code(fixture);
  if (code <= 3) {
    Put(division, GNW_GetClubDivisionIndex(Home(fixture)));
    return;
  }
  const int16_t c = GNW_GetCupOfComp(code);
  Put(cup, c);
  if (c != NO_CUP) Put(round, GNW_GetCupRoundNo(code));
}

int16_t GNW_GetCountryCompNameTextNo(int16_t n) {
  if (!CountryKnown() || n < 0 || n >= COMP_NAME_RUN) return -1;
  return static_cast<int16_t>(CompNameBase[GameCountry] + n);
}

namespace {
int16_t DivisionText(const int16_t* bases, int16_t division) {
  if (division < 0 || division >= GNW_GetNumDivisions()) return -1;
  return static_cast<int16_t>(bases[GameCountry] + division);
}
}  // namespace

int16_t GNW_GetDivisionNameTextNo(int16_t division) { return DivisionText(DivisionNameBase, division); }

int16_t GNW_GetDivisionShortTextNo(int16_t division) {
  if (division == NON_LEAGUE_DIVISION) return TEXT_NON_LEAGUE;
  return DivisionText(DivisionShortBase, division);
}

int16_t GNW_GetDivisionLetterTextNo(int16_t division) { return DivisionText(DivisionLetterBase, division); }

int16_t GNW_GetGroupTextNo(int16_t group) {
  if (group < 0 || group >= NUM_EURO_GROUPS) return -1;
  return kGroupTexts[group];
}

int16_t GNW_GetSuperCupTextNo() {
  if (!CountryKnown()) return -1;
  return static_cast<int16_t>(CompNameBase[GameCountry] + SuperCupNameOffset[GameCountry]);
}

// ---- positions and qualifiers ----

int16_t GNW_GetCompPosition(int16_t kind, int16_t* label) {
  if (kind >= 1 && kind <= 8) {
    Put(label, kind <= 4 ? TEXT_WINNERS : TEXT_RUNNERS_UP);
    return GNW_GetDivisionNameTextNo(static_cast<int16_t>(kind <= 4 ? kind - 1 : kind - 5));
  }
  if (kind >= 9 && kind <= 22) {
    Put(label, kind % 2 == 1 ? TEXT_WINNERS : TEXT_RUNNERS_UP);
    return GNW_GetCountryCompNameTextNo(static_cast<int16_t>((kind - 9) / 2));
  }
  if (kind == 23) {
    Put(label, TEXT_WINNERS);
    return GNW_GetSuperCupTextNo();
  }
  if (kind >= 28 && kind <= 31) {
    Put(label, kind % 2 == 0 ? TEXT_WINNERS : TEXT_RUNNERS_UP);
    return GNW_GetDivisionNameTextNo(static_cast<int16_t>(kind <= 29 ? 4 : 5));
  }
  FatalError("It Go BANG in Funcs,GNW_GetCompPosition ");
}

int16_t GNW_GetClubReputationPos(int16_t club) {
  int16_t list[NUM_CLUBS];
  int n = 0;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) {
    const int16_t division = Club_GetDivision(c);
    if (Club_GetCountry(c) == GameCountry && division >= 0 && division < NUM_DIVISIONS) list[n++] = c;
  }
  // The exchange order of the league screens: it also settles ties.
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n - 1; ++j) {
      if (Club_GetRep(list[j]) < Club_GetRep(list[i])) std::swap(list[i], list[j]);
    }
  }
  for (int i = 0; i < n; ++i)
    if (list[i] == club) return static_cast<int16_t>(i);
  FatalError("in funcs GNW_GetClubReputationPos Team Not Found");
}

int16_t GNW_GetLeaguePlace(int16_t club) {
  const int16_t division = GNW_GetClubDivision(club);
  const int16_t size = GNW_GetDivisionSize(division);
  for (int16_t place = 0; place < size && place < DIVISION_PLACES; ++place)
    if (DivisionTable[division][place] == club) return place;
  FatalError("in funcs GNW_GetLeaguePlace Cant find Division for Team");
}

const char* GNW_GetLeaguePosTextForTeam(int16_t club, int16_t division) {
  const int16_t size = GNW_GetDivisionSize(division);
  for (int16_t place = 0; place < size && place < DIVISION_PLACES; ++place) {
    if (DivisionTable[division][place] != club) continue;
    const int32_t numberType = GetDrawAttribute(DRAW_ATTR_NUMBER_TYPE);
    SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, NUMBER_ORDINAL);
    std::snprintf(gComp.leaguePos, sizeof gComp.leaguePos, "%s", Number2Str(place + 1));
    SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, numberType);
    return gComp.leaguePos;
  }
  ABORT("in GNW_GetLeaguePosTextForTeam() can't find team in that division");
}

int16_t GNW_GetClubTablePosition(int16_t club, int16_t* played, int16_t* points, int16_t* position) {
  const LeagueTableRow* row = TableRow(club);
  const int16_t place = row ? static_cast<int16_t>(row->position + 1) : int16_t{0};
  Put(played, row ? row->played : int16_t{0});
  Put(points, row ? row->points : int16_t{0});
  Put(position, place);
  return place;
}

void GNW_GetClubHomeRecord(int16_t club, int16_t* won, int16_t* drawn, int16_t* lost, int16_t* goalsFor,
                           int16_t* goalsAgainst) {
  ClubRecordOf(TableRow(club), true, won, drawn, lost, goalsFor, goalsAgainst);
}

void GNW_GetClubAwayRecord(int16_t club, int16_t* won, int16_t* drawn, int16_t* lost, int16_t* goalsFor,
                           int16_t* goalsAgainst) {
  ClubRecordOf(TableRow(club), false, won, drawn, lost, goalsFor, goalsAgainst);
}

int16_t GNW_GetDivisionClub(int16_t division, int16_t place) {
  if (!ValidDivision(division) || place < 0 || place >= DIVISION_PLACES) return NO_TABLE_CLUB;
  return DivisionTable[division][place];
}

int16_t GNW_FindClubDivisionIndex(int16_t club) {
  // Only a world club can stand in the table (255 marks its empty places).
  if (!ValidClub(club)) return NON_LEAGUE_DIVISION;
  for (int division = 0; division < NUM_DIVISIONS; ++division)
    for (uint8_t place : DivisionTable[division])
      if (place == club) return static_cast<int16_t>(division);
  return NON_LEAGUE_DIVISION;
}

int16_t GNW_GetClubDivisionIndex(int16_t club) {
  const int16_t division = GNW_FindClubDivisionIndex(club);
  return division == NON_LEAGUE_DIVISION ? int16_t{0} : division;
}

int16_t GNW_GetClubLeaguePosition(int16_t club) {
  if (GNW_FindClubDivisionIndex(club) == NON_LEAGUE_DIVISION) return 0;
  return LeagueTable[club].position;
}

int16_t GNW_GetClubOverallRank(int16_t club) { return Club_GetOverallRank(club); }

void GetEuroQualifiers(int16_t* championsLeague, int16_t* uefaCup) {
  for (auto& club : EuroQualifierList) club = -1;
  int count = AppendQualifiers(EuroListA, EURO_LIST_A_SIZE, 0);
  count = AppendQualifiers(EuroListB, EURO_LIST_B_SIZE, count);
  const int champions = count;
  count = AppendQualifiers(EuroListC, EURO_LIST_C_SIZE, count);
  Put(championsLeague, static_cast<int16_t>(champions));
  Put(uefaCup, static_cast<int16_t>(count - champions));
}

namespace {
bool GroupEmpty(int group) { return ChampionsLeagueGroups[group][0] == 0 && ChampionsLeagueGroups[group][1] == 0; }
}  // namespace

int16_t GNW_GetChampionsLeagueGroup(int16_t club) {
  for (int group = 0; group < NUM_EURO_GROUPS; ++group) {
    // A cleared group holds zeros, not club 0.
    if (GroupEmpty(group)) continue;
    for (int16_t member : ChampionsLeagueGroups[group])
      if (member == club) return static_cast<int16_t>(group);
  }
  FatalError("Team Not In Champions League, Funcs-GNW_GetChampionsLeagueGroup");
}

int16_t GNW_GetChampionsLeagueGroupClub(int16_t slot, int16_t group) {
  if (group < 0 || group >= NUM_EURO_GROUPS || slot < 0 || slot >= EURO_GROUP_CLUBS || GroupEmpty(group)) return -1;
  return ChampionsLeagueGroups[group][slot];
}

void GNW_ClearChampionsLeagueGroups() {
  for (auto& group : ChampionsLeagueGroups)
    for (auto& club : group) club = 0;
}

// ---- fixture lookups ----

int16_t GNW_FindClubFixtureOnDay(int16_t club, int16_t day) {
  for (int n = 0; n < NUM_FIXTURES && Used(n); ++n)
    if (Day(n) == day && Plays(n, club)) return static_cast<int16_t>(n);
  return -1;
}

int16_t GNW_FindClubMatchOnDay(int16_t club, int16_t day) { return Fixture_FindClubMatchOnDay(club, day); }
int16_t GNW_FindClubFriendlyOnDay(int16_t club, int16_t day) { return Fixture_FindClubFriendlyOnDay(club, day); }

int16_t GNW_FindNextFixture(int16_t club) {
  for (int n = 0; n < NUM_FIXTURES && Used(n); ++n)
    if (Day(n) >= DayOfSeason && Code(n) != COMP_SPECIAL && Plays(n, club)) return static_cast<int16_t>(n);
  return -1;
}

int16_t GNW_GetNextOpponent(int16_t club) {
  const int16_t n = GNW_FindNextFixture(club);
  if (n < 0) return -1;
  return Home(n) == club ? Away(n) : Home(n);
}

int16_t GNW_FindNextCupFixture(int16_t club) {
  for (int n = 0; n < NUM_FIXTURES && Used(n); ++n) {
    const int16_t code = Code(n);
    if (Day(n) >= DayOfSeason && code != COMP_LEAGUE && code != COMP_FRIENDLY && code != COMP_SPECIAL &&
        Plays(n, club))
      return static_cast<int16_t>(n);
  }
  return -1;
}

int16_t GNW_FindHumanLastFixture(int16_t afterToday) {
  HumanLastFixture = 0;
  const int16_t human = GNW_GetHumanClub(1);
  int first = 0;
  while (first < NUM_FIXTURES && (afterToday ? Day(first) <= DayOfSeason : Day(first) < DayOfSeason)) ++first;
  for (int n = first - 1; n >= 0; --n) {
    const int16_t code = Code(n);
    if (code != COMP_FRIENDLY && code != COMP_SPECIAL && Plays(n, human)) {
      HumanLastFixture = static_cast<int16_t>(n);
      break;
    }
  }
  return HumanLastFixture;
}

int16_t GNW_IsHumanFixture(int16_t fixture) {
  if (fixture < 0 || fixture >= NUM_FIXTURES || !Used(fixture)) return 0;
  return Code(fixture) != COMP_SPECIAL && Plays(fixture, GNW_GetHumanClub(1)) ? 1 : 0;
}

int16_t GNW_IsSecondLegFixture(int16_t fixture) {
  if (fixture < 0 || fixture >= NUM_FIXTURES || !Used(fixture)) return 0;
  const int16_t cup = GNW_GetCupOfComp(Code(fixture));
  if (cup == NO_CUP) return 0;
  const int16_t round = GNW_GetCupRoundNo(Code(fixture));
  for (int m = fixture - 1; m >= 0; --m) {
    if (GNW_GetCupOfComp(Code(m)) == cup && GNW_GetCupRoundNo(Code(m)) == round && Home(m) == Away(fixture) &&
        Away(m) == Home(fixture))
      return 1;
  }
  return 0;
}

void GNW_CountRelatedFixturesToday(int16_t* related, int16_t* other) {
  int16_t nRelated = 0, nOther = 0;
  const int16_t human = HumanFixtureToday();
  int16_t hDivision = NO_CUP, hCup = NO_CUP, hRound = -1;
  if (human >= 0) GNW_GetFixtureCompInfo(human, &hDivision, &hCup, &hRound);
  const int16_t hCode = human >= 0 ? Code(human) : int16_t{-1};
  for (int n = 0; n < NUM_FIXTURES && Used(n); ++n) {
    if (Day(n) != DayOfSeason) continue;
    if (n == human) {
      ++nRelated;
      continue;
    }
    if (human < 0) {
      ++nOther;
      continue;
    }
    int16_t division = NO_CUP, cup = NO_CUP, round = -1;
    GNW_GetFixtureCompInfo(static_cast<int16_t>(n), &division, &cup, &round);
    if ((division != NO_CUP && division == hDivision) || (cup != NO_CUP && cup == hCup))
      ++nRelated;
    else if (hCode < COMP_FRIENDLY)
      ++nOther;
    else if (Code(n) == hCode)
      ++nRelated;
    else
      ++nOther;
  }
  Put(related, nRelated);
  Put(other, nOther);
}

int16_t GNW_FindNextCompFixture(int16_t day, int16_t start, int16_t once, int16_t* group) {
  int g = group && *group >= 0 && *group < NUM_COMP_GROUPS ? *group : 0;
  const int tries = once ? 1 : NUM_COMP_GROUPS;
  const int from = start < 0 ? 0 : start + 1;
  for (int t = 0; t < tries; ++t) {
    const CompGroup& range = kCompGroups[g];
    if (range.division >= 0) FixtureDivisionFilter = range.division;
    for (int n = from; n < NUM_FIXTURES && Used(n); ++n) {
      const int16_t code = Code(n);
      if (Day(n) != day || code < range.first || code > range.last) continue;
      if (range.division >= 0 && Club_GetDivision(Home(n)) != FixtureDivisionFilter) continue;
      Put(group, static_cast<int16_t>(g));
      return static_cast<int16_t>(n);
    }
    g = (g + 1) % NUM_COMP_GROUPS;
  }
  Put(group, static_cast<int16_t>((g + NUM_COMP_GROUPS - 1) % NUM_COMP_GROUPS));
  return -1;
}

int16_t GNW_IsRegularPlayer(int16_t player, int16_t club) {
  int count = 0;
  for (int n = 0; n < NUM_FIXTURES && Used(n); ++n)
    if (Day(n) < DayOfSeason && Plays(n, club)) ++count;
  return count * 60 / 100 < Player_GetApps(player) ? 1 : 0;
}

int16_t GNW_CountClubGamesPlayed(int16_t club) { return Fixture_CountClubGamesPlayed(club); }

int16_t GNW_FindHumanFixtureComp(int16_t manager) {
  int16_t division = -1;
  HumanFixtureComp[0] = SeasonEngine.findHumanFixtureComp(manager, &division);
  HumanFixtureComp[1] = division;
  return HumanFixtureComp[0];
}

int16_t GNW_GetPostDate() { return Postdate; }
int16_t GNW_GetSeasonStartDay() { return FirstMatchDay; }
int16_t GNW_GetWindowEndDay() { return Season_GetWindowEndDay(); }

const char* GNW_ListClubResults(int16_t club) {
  std::vector<std::pair<int16_t, int16_t>> games;  // (day, fixture)
  for (int n = 0; n < NUM_FIXTURES && Used(n); ++n)
    if (Code(n) == COMP_LEAGUE && Day(n) < DayOfSeason && Plays(n, club) && Fixture_IsPlayed(static_cast<int16_t>(n)))
      games.emplace_back(Day(n), static_cast<int16_t>(n));
  // Latest first; the exchange keeps the list order of a day's games.
  for (size_t i = 0; i < games.size(); ++i)
    for (size_t j = i + 1; j < games.size(); ++j)
      if (games[j].first > games[i].first) std::swap(games[i], games[j]);
  for (int i = 0; i < RESULTS_SHOWN; ++i) {
    gComp.results[i] = '-';
    if (i >= static_cast<int>(games.size())) continue;
    const int16_t n = games[i].second;
    const bool home = Home(n) == club;
    const int16_t own = home ? Fixture_GetHomeGoals(n) : Fixture_GetAwayGoals(n);
    const int16_t against = home ? Fixture_GetAwayGoals(n) : Fixture_GetHomeGoals(n);
    const char* letter = GetTextNoAddr(TEXT_WON + (own > against ? 0 : own == against ? 1 : 2));
    gComp.results[i] = letter[0] != 0 ? letter[0] : '-';
  }
  gComp.results[RESULTS_SHOWN] = 0;
  return gComp.results;
}

void GNW_SetMatchFixtureGlobals(int16_t fixture) {
  MatchFixtureHome = Fixture_GetHomeClub(fixture);
  MatchFixtureAway = Fixture_GetAwayClub(fixture);
  MatchFixtureComp = Fixture_GetCompetition(fixture);
}

int16_t GNW_FindHumanFixtureOnDay(int16_t day) {
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (Club_GetControl(club) != 0) return GNW_FindClubFixtureOnDay(club, day);
  return -1;
}

int16_t GNW_IsCupRoundTwoLegged(int16_t round) {
  if (!CountryKnown() || round < 0 || round >= CUP_ROUNDS) return 0;
  return CupRoundData[GameCountry][0][round].legs == 2 ? 1 : 0;
}

void GNW_FillRandomDivisionList(int16_t division) {
  const int16_t size = GNW_GetDivisionSize(division);
  for (int i = 0; i < size && i < SQUAD_COMPANION_SIZE; ++i)
    SquadCompanionList[i] = static_cast<int16_t>(GameRandom() % 100);
}

// ---- bridges ----

int16_t GNW_PlayNextFixture() {
  int16_t fixture = -1;
  return static_cast<int16_t>(PlayNextFixture(&fixture));
}

void GNW_AdvanceDay() {
  MenuSystem.setBusyPointer(1);
  const int16_t season = SeasonCounter;
  AdvanceDay();
  if (SeasonCounter != season) ClubScreens.snapshotSquadProgress(GNW_GetHumanClub(1));
  MenuSystem.setBusyPointer(0);
}

void GNW_StartNewGame() { StartNewGame(); }
void GNW_InstallHumanManager(int16_t manager, int16_t previousPlayer) { InstallHumanManager(manager, previousPlayer); }

int16_t GNW_AddFixture(int16_t day, int16_t competition, int16_t home, int16_t away, int16_t flag) {
  return Fixture_Add(day, competition, home, away, flag);
}

int16_t GNW_SortFixtures() { return static_cast<int16_t>(Fixture_OrderTodayForHumanClub()); }
void GNW_ArrangeFriendlies(int16_t club, int16_t country) { Fixture_ArrangeFriendlies(club, country); }
int16_t GNW_CanArrangeFriendly(int16_t club) { return static_cast<int16_t>(Fixture_CanArrangeFriendly(club)); }
void GNW_HumanClubsAppointCoach(int16_t value) { ClubSim.humanClubsAppointCoach(value); }
void GNW_ComputerClubsHireStaff(int16_t first, int16_t second) { ClubSim.computerClubsHireStaff(first, second); }
// Every club's squad steps without deals, whichever club asks.
void GNW_UpdateTransferWindows(int16_t /*club*/) { ClubSim.updateTransferWindows(0, 0); }

void GNW_SelectClubTeam(int16_t club, int16_t substitutes) {
  CurrentManager = ClubSim.getClubManager(club);
  BuildClubSquadList(club);
  ClubSim.selectMatchTeam(club, COMP_LEAGUE, 0, substitutes);
}

void GNW_CompleteMatchTeam(int16_t club, int16_t substitutes) {
  ClubSim.completeMatchTeam(club, COMP_LEAGUE, 0, substitutes);
}
int16_t GNW_IsPlayerCupTied(int16_t player) { return Player_IsCupTiedForNextMatch(player); }

void GNW_RedrawMenuBackground() {
  MenuSystem.doBackground(0);
  MenuSystem.saveScreenBackground();
  MenuSystem.updateMenuScreen();
}

void GNW_ChooseMatchView(int16_t value) {
  if (MatchViewBusyFlags & 1) {
    MatchViewBusyFlags = static_cast<int16_t>(MatchViewBusyFlags & ~1);
    MenuSystem.setBusyPointer(0);
  }
  MenuSystem.chooseMatchViewMode(0, value);
}

void GNW_AddClubHistoryEvent(int16_t player, int16_t value, int16_t club, int16_t value2, int16_t type) {
  ClubEventLog_Add(player, club, value2, value, type);
}
