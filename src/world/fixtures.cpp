// The fixture list, the league tables and the club numbering.
#include "world/fixtures.h"

#include <cstdio>
#include <cstring>

#include "clubsim/clubsvc.h"
#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/fixgen.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/players.h"
#include "world/recordbits.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/static_cups.h"

FixtureRecord FixtureList[NUM_FIXTURES];
LeagueTableRow LeagueTable[NUM_CLUBS];
int16_t LeagueMovement[NUM_CLUBS];
uint8_t DivisionTable[NUM_DIVISIONS][DIVISION_PLACES];
DivisionClubListTable DivisionClubLists;

REGISTER_RESET(RESET_WORLD, Fixtures_Reset);

namespace {

constexpr BitField kDay{0, 0, 9}, kCompetition{0, 9, 7}, kHomeClub{0, 16, 8}, kAwayClub{0, 24, 8};
constexpr BitField kHomeGoals{4, 0, 4}, kAwayGoals{4, 4, 4}, kLegFlag{4, 8, 1}, kShootoutFlag{4, 10, 1};
constexpr int GOALS_BYTE = 4;
constexpr int FLAGS_BYTE = 5;
constexpr int ATTENDANCE = 8;
constexpr int HEAD_BYTES = 5;         // the header word and the goals byte
constexpr uint8_t MOVING_FLAGS = 0x07;  // flag bits 0-2 move with the header
constexpr uint8_t GOALS_UNPLAYED = 0xFF;

constexpr int MAX_TODAY_SHUFFLE = 128;
constexpr int SHUFFLE_SWAPS = 100;
constexpr int FRIENDLY_TRY_LIMIT = 10000;
constexpr int FRIENDLY_LOOKAHEAD = 13;
constexpr int PRESEASON_HOME_DRAWS = 5000;
constexpr int PRESEASON_AWAY_DRAWS = 5001;
constexpr int PRESEASON_MIN_SQUAD = 18;
constexpr int PRESEASON_MAX_DIVISION = 2;
constexpr int PRESEASON_DIVISION_GAP = 2;
constexpr int16_t DEFAULT_BENCH = 5;

bool InList(int32_t n) { return n >= 0 && n < NUM_FIXTURES; }
uint8_t* Rec(int32_t n) { return FixtureList[n].bytes; }
int32_t Field(int32_t n, BitField f) { return static_cast<int32_t>(GetBits(Rec(n), f)); }
int32_t DayOf(int32_t n) { return Field(n, kDay); }
int32_t CodeOf(int32_t n) { return Field(n, kCompetition); }
int32_t HomeOf(int32_t n) { return Field(n, kHomeClub); }
int32_t AwayOf(int32_t n) { return Field(n, kAwayClub); }
bool Used(int32_t n) { return DayOf(n) != FIXTURE_EMPTY_DAY; }
bool Played(int32_t n) {
  return Field(n, kHomeGoals) != GOALS_NOT_PLAYED && Field(n, kAwayGoals) != GOALS_NOT_PLAYED;
}
bool HasClub(int32_t n, int32_t club) { return HomeOf(n) == club || AwayOf(n) == club; }
bool IsLeagueClub(int32_t club) { return club >= 0 && club < NUM_CLUBS; }
bool GameCountryValid() { return GameCountry >= 0 && GameCountry < NUM_GAME_COUNTRIES; }

// Moves what travels with a fixture: the header, the goals and flag bits 0-2.
void CopyHead(uint8_t* to, const uint8_t* from) {
  std::memcpy(to, from, HEAD_BYTES);
  to[FLAGS_BYTE] = static_cast<uint8_t>((to[FLAGS_BYTE] & ~MOVING_FLAGS) | (from[FLAGS_BYTE] & MOVING_FLAGS));
}

void MakeEmpty(uint8_t* r) {
  StoreU32(r, static_cast<uint32_t>(FIXTURE_EMPTY_DAY));
  r[GOALS_BYTE] = GOALS_UNPLAYED;
  r[FLAGS_BYTE] = static_cast<uint8_t>(r[FLAGS_BYTE] & ~MOVING_FLAGS);
}

// The first used slot of that day with the club and a code the test accepts, else -1.
template <typename CodeTest>
int16_t FindClubOnDay(int32_t club, int32_t day, CodeTest accept) {
  for (int n = 0; n < NUM_FIXTURES; ++n)
    if (Used(n) && DayOf(n) == day && HasClub(n, club) && accept(CodeOf(n))) return static_cast<int16_t>(n);
  return -1;
}

// The club's first fixture from today on whose code the test accepts, else -1.
template <typename CodeTest>
int16_t FindClubNext(int32_t club, CodeTest accept) {
  for (int n = 0; n < NUM_FIXTURES; ++n)
    if (Used(n) && DayOf(n) >= DayOfSeason && HasClub(n, club) && accept(CodeOf(n))) return static_cast<int16_t>(n);
  return -1;
}

bool HasFriendlyNear(int32_t club, int32_t day) {
  for (int d = day - 2; d <= day + 2; ++d)
    if (Fixture_FindClubFriendlyOnDay(club, d) >= 0) return true;
  return false;
}

bool IsToday(int32_t n) { return Used(n) && DayOf(n) == DayOfSeason; }

}  // namespace

void Fixtures_Reset() {
  std::memset(FixtureList, 0, sizeof FixtureList);
  Fixture_ClearAll();
  std::memset(LeagueTable, 0, sizeof LeagueTable);
  std::memset(LeagueMovement, 0, sizeof LeagueMovement);
  std::memset(DivisionTable, NO_TABLE_CLUB, sizeof DivisionTable);
  std::memset(DivisionClubLists.bytes, 0xFF, sizeof DivisionClubLists.bytes);
}

// ---- single fields ----

FixtureRecord* Fixture_GetRecord(int16_t n) { return InList(n) ? &FixtureList[n] : nullptr; }

int16_t Fixture_GetDay(int16_t n) { return InList(n) ? static_cast<int16_t>(DayOf(n)) : FIXTURE_EMPTY_DAY; }
int16_t Fixture_GetCompetition(int16_t n) { return InList(n) ? static_cast<int16_t>(CodeOf(n)) : 0; }
int16_t Fixture_GetHomeClub(int16_t n) { return InList(n) ? static_cast<int16_t>(HomeOf(n)) : 0; }
int16_t Fixture_GetAwayClub(int16_t n) { return InList(n) ? static_cast<int16_t>(AwayOf(n)) : 0; }
int16_t Fixture_GetHomeGoals(int16_t n) {
  return InList(n) ? static_cast<int16_t>(Field(n, kHomeGoals)) : GOALS_NOT_PLAYED;
}
int16_t Fixture_GetAwayGoals(int16_t n) {
  return InList(n) ? static_cast<int16_t>(Field(n, kAwayGoals)) : GOALS_NOT_PLAYED;
}
int16_t Fixture_GetLegFlag(int16_t n) { return InList(n) ? static_cast<int16_t>(Field(n, kLegFlag)) : 0; }
int16_t Fixture_GetShootoutFlag(int16_t n) {
  return InList(n) ? static_cast<int16_t>(Field(n, kShootoutFlag)) : 0;
}
int32_t Fixture_GetAttendance(int16_t n) { return InList(n) ? LoadI32(Rec(n) + ATTENDANCE) : 0; }
int16_t Fixture_IsPlayed(int16_t n) { return InList(n) && Played(n) ? 1 : 0; }

static uint32_t StoredGoals(int32_t goals) {
  if (goals < 0) goals = 0;
  if (goals > GOALS_MAX_STORED) goals = GOALS_MAX_STORED;
  return static_cast<uint32_t>(goals);
}

void Fixture_SetResult(int16_t n, int32_t homeGoals, int32_t awayGoals) {
  if (!InList(n)) return;
  SetBits(Rec(n), kHomeGoals, StoredGoals(homeGoals));
  SetBits(Rec(n), kAwayGoals, StoredGoals(awayGoals));
}

void Fixture_SetShootoutFlag(int16_t n, int32_t flag) {
  if (InList(n)) SetBits(Rec(n), kShootoutFlag, flag ? 1u : 0u);
}

void Fixture_SetAttendance(int16_t n, int32_t attendance) {
  if (InList(n)) StoreI32(Rec(n) + ATTENDANCE, attendance);
}

// ---- the list ----

int16_t Fixture_FindInsertSlot(int32_t day) {
  for (int n = 0; n < NUM_FIXTURES; ++n)
    if (!Used(n) || DayOf(n) > day) return static_cast<int16_t>(n);
  return -1;
}

int Fixture_OpenGap(int16_t n) {
  if (!InList(n) || Used(NUM_FIXTURES - 1)) return 0;
  for (int i = NUM_FIXTURES - 1; i > n; --i) CopyHead(Rec(i), Rec(i - 1));
  return 1;
}

void Fixture_Remove(int16_t n) {
  if (!InList(n)) return;
  for (int i = n; i < NUM_FIXTURES - 1; ++i) CopyHead(Rec(i), Rec(i + 1));
  MakeEmpty(Rec(NUM_FIXTURES - 1));
}

void Fixture_Swap(int16_t a, int16_t b) {
  if (!InList(a) || !InList(b) || a == b) return;
  uint8_t head[FLAGS_BYTE + 1];
  std::memcpy(head, Rec(a), sizeof head);
  CopyHead(Rec(a), Rec(b));
  CopyHead(Rec(b), head);
}

void Fixture_ClearAll() {
  for (int n = 0; n < NUM_FIXTURES; ++n) MakeEmpty(Rec(n));
}

int16_t Fixture_Add(int32_t day, int32_t competition, int32_t home, int32_t away, int32_t flag) {
  if (competition < 0 || competition > COMP_MAX) {
    std::printf("illegal competition type '%d'\n", competition);
    FatalExit();
  }
  if (day < 0 || day >= FIXTURE_EMPTY_DAY) {
    std::printf("Fixture_Add(): Error: no such day, fixture not added Comp & DayNo: '%d,%d'\n", competition, day);
    return -1;
  }
  // A full list has room only when a friendly of the home club gives way.
  if (Used(NUM_FIXTURES - 1) && Fixture_FindClubFriendlyOnDay(home, day) < 0) {
    std::printf("Fixture_Add(): Error: fixture list full, fixture not added Comp & DayNo: '%d,%d'\n", competition,
                day);
    return -1;
  }
  Fixture_RemoveClubFriendlies(home, day);
  int16_t slot = Fixture_FindInsertSlot(day);
  if (slot < 0 || !Fixture_OpenGap(slot)) return -1;  // not reached: the last slot is free

  uint8_t* r = Rec(slot);
  SetBits(r, kDay, static_cast<uint32_t>(day));
  SetBits(r, kCompetition, static_cast<uint32_t>(competition));
  SetBits(r, kHomeClub, static_cast<uint32_t>(home));
  SetBits(r, kAwayClub, static_cast<uint32_t>(away));
  r[GOALS_BYTE] = GOALS_UNPLAYED;
  r[FLAGS_BYTE] = static_cast<uint8_t>((r[FLAGS_BYTE] & ~MOVING_FLAGS) | (flag & 1));
  return slot;
}

int16_t Fixture_Find(int32_t home, int32_t away, int32_t competition) {
  for (int n = 0; n < NUM_FIXTURES; ++n)
    if (Used(n) && HomeOf(n) == home && AwayOf(n) == away && CodeOf(n) == competition)
      return static_cast<int16_t>(n);
  std::printf("WARNING !! Cannot find this fixture matey Comp & DayNo: '%d,%d'\n", competition, DayOfSeason);
  std::printf("Home Away: '%d,%d'\n", home, away);
  Fixture_DebugPrint();
  FatalExit();
}

int16_t Fixture_FindClubFriendlyOnDay(int32_t club, int32_t day) {
  return FindClubOnDay(club, day, [](int32_t code) { return code == COMP_FRIENDLY; });
}

int16_t Fixture_FindClubMatchOnDay(int32_t club, int32_t day) {
  return FindClubOnDay(club, day, [](int32_t code) { return code < COMP_FRIENDLY; });
}

void Fixture_RemoveClubFriendlies(int32_t club, int32_t day) {
  for (int16_t n = Fixture_FindClubFriendlyOnDay(club, day); n >= 0; n = Fixture_FindClubFriendlyOnDay(club, day))
    Fixture_Remove(n);
}

int16_t Fixture_CountClubGamesPlayed(int32_t club) {
  int16_t count = 0;
  for (int n = 0; n < NUM_FIXTURES; ++n)
    if (Used(n) && DayOf(n) < DayOfSeason && HasClub(n, club) && CodeOf(n) < COMP_FRIENDLY) ++count;
  return count;
}

int16_t Fixture_GetClubNextCupIndex(int32_t club) {
  int16_t n = FindClubNext(club, [](int32_t code) { return code != COMP_SPECIAL; });
  if (n < 0) return -1;
  int32_t code = CodeOf(n);
  if (code == COMP_FRIENDLY) return COMP_FRIENDLY;
  if (code < COMP_CUP_FIRST) return -1;
  int16_t cup = static_cast<int16_t>((code - COMP_CUP_FIRST) / COMP_CUP_CODES);
  return cup >= 5 ? 6 : cup;  // the last two cups share index 6
}

int16_t Player_IsCupTiedForNextMatch(int16_t player) {
  int16_t club = Player_GetClub(player);
  int16_t cup = Fixture_GetClubNextCupIndex(club);
  if (cup == -1 || cup == COMP_FRIENDLY) return 0;
  int16_t tiedTo = Player_GetCupTied(player, cup);
  return tiedTo != club && tiedTo != PLAYER_CLUB_NONE ? 1 : 0;
}

int16_t Fixture_GetNextMatchBenchSize(int32_t club) {
  int16_t n = FindClubNext(club, [](int32_t code) { return code < COMP_FRIENDLY && code != COMP_SUPER_CUP; });
  if (n < 0 || !GameCountryValid()) return DEFAULT_BENCH;
  int32_t code = CodeOf(n);
  if (code < COMP_CUP_FIRST) {
    int16_t division = Club_GetDivision(static_cast<int16_t>(club));
    if (division < 0 || division >= NUM_DIVISIONS) return DEFAULT_BENCH;
    return DivisionRules[GameCountry][division].substitutes;
  }
  int cup = (code - COMP_CUP_FIRST) / COMP_CUP_CODES;
  int round = (code - COMP_CUP_FIRST) % COMP_CUP_CODES % CUP_ROUNDS;
  // Stored as a byte: a round the country does not play reads 255.
  return static_cast<uint8_t>(CupRoundData[GameCountry][cup][round].substitutes);
}

// ---- today's order ----

void Fixture_ShuffleToday() {
  int16_t today[MAX_TODAY_SHUFFLE];
  int count = 0;
  for (int n = 0; n < NUM_FIXTURES && count < MAX_TODAY_SHUFFLE; ++n)
    if (IsToday(n) && CodeOf(n) != COMP_SPECIAL) today[count++] = static_cast<int16_t>(n);
  if (count < 2) return;
  for (int i = 0; i < SHUFFLE_SWAPS; ++i) {
    int u = GameRandom() % count;
    int v;
    do {
      v = GameRandom() % count;
    } while (v == u);
    Fixture_Swap(today[u], today[v]);
  }
}

int Fixture_OrderTodayForHumanClub() {
  int16_t human = -1;
  for (int16_t c = 0; c < NUM_CLUBS && human < 0; ++c)
    if (Club_GetControl(c) != 0) human = c;
  if (human < 0) return 0;

  int first = -1;
  for (int n = 0; n < NUM_FIXTURES && first < 0; ++n)
    if (IsToday(n) && HasClub(n, human) && CodeOf(n) != COMP_SPECIAL) first = n;
  if (first < 0) return 0;

  const int32_t group = CodeOf(first);
  const int16_t division = Club_GetDivision(human);
  auto inGroup = [&](int n) {
    return IsToday(n) && CodeOf(n) == group &&
           (group != COMP_LEAGUE || Club_GetDivision(static_cast<int16_t>(HomeOf(n))) == division);
  };

  // Bring the group to the front of today's block.
  for (;;) {
    int outside = -1;
    for (int n = 0; n < NUM_FIXTURES && outside < 0; ++n)
      if (IsToday(n) && !inGroup(n)) outside = n;
    if (outside < 0) break;
    int member = -1;
    for (int n = outside + 1; n < NUM_FIXTURES && member < 0; ++n)
      if (inGroup(n)) member = n;
    if (member < 0) break;
    Fixture_Swap(static_cast<int16_t>(outside), static_cast<int16_t>(member));
  }

  // The human club's match is played last of its group.
  int last = -1;
  for (int n = 0; n < NUM_FIXTURES; ++n)
    if (inGroup(n)) last = n;
  for (int n = 0; n < NUM_FIXTURES; ++n)
    if (n != last && inGroup(n) && HasClub(n, human))
      Fixture_Swap(static_cast<int16_t>(n), static_cast<int16_t>(last));
  return 1;
}

// ---- friendlies ----

void Fixture_ArrangeFriendlies(int32_t club, int32_t country) {
  int16_t chosen[4] = {-1, -1, -1, -1};
  int tries = 0;
  for (int n = 4; n >= 1;) {
    if (++tries > FRIENDLY_TRY_LIMIT) {
      tries = 0;
      --n;  // this friendly is given up
      continue;
    }
    int16_t host = static_cast<int16_t>(GameRandom() % NUM_CLUBS);
    if (Club_GetDbId(host) == NO_DB_CLUB || Club_GetCountry(host) != country || host == club) continue;
    bool taken = false;
    for (int16_t c : chosen) taken |= c == host;
    if (taken) continue;

    const int32_t day = DayOfSeason + 3 * n - 1;
    bool busy = false;
    for (int d = day - 2; d <= day + 2 && !busy; ++d)
      busy = Fixture_FindClubMatchOnDay(host, d) >= 0 || Fixture_FindClubFriendlyOnDay(host, d) >= 0;
    if (busy) continue;

    if (Fixture_Add(day, COMP_FRIENDLY, host, club, 0) < 0) return;
    chosen[4 - n] = host;
    --n;
  }
}

int Fixture_CanArrangeFriendly(int32_t club) {
  for (int n = 0; n < NUM_FIXTURES; ++n) {
    if (!Used(n) || !HasClub(n, club) || CodeOf(n) == COMP_SPECIAL) continue;
    int32_t day = DayOf(n);
    if (day >= DayOfSeason && day <= DayOfSeason + FRIENDLY_LOOKAHEAD) return 0;
  }
  return 1;
}

void Fixture_AddPreSeasonFriendlies() {
  if (!GameCountryValid()) return;
  for (int i = 0; i < PreSeasonFriendlyCount[GameCountry]; ++i) {
    const int32_t day = GameRandom() % 14 + 10;

    int16_t home = -1;
    for (int t = 0; t < PRESEASON_HOME_DRAWS && home < 0; ++t) {
      int16_t c = static_cast<int16_t>(GameRandom() % NUM_CLUBS);
      if (Club_GetFullRecord(c) && Club_GetCountry(c) == GameCountry && Club_GetDivision(c) <= PRESEASON_MAX_DIVISION &&
          Club_GetControl(c) == 0 && !HasFriendlyNear(c, day))
        home = c;
    }
    if (home < 0) return;

    int16_t away = -1;
    for (int t = 0; t < PRESEASON_AWAY_DRAWS && away < 0; ++t) {
      int16_t c = static_cast<int16_t>(GameRandom() % NUM_CLUBS);
      if (!Club_GetFullRecord(c) || c == home || Club_GetControl(c) != 0) continue;
      int gap = Club_GetDivision(home) - Club_GetDivision(c);
      if (gap > PRESEASON_DIVISION_GAP || gap < -PRESEASON_DIVISION_GAP) continue;
      if (HasFriendlyNear(c, day)) continue;
      BuildClubSquadList(c);
      if (getsquadsize(c) >= PRESEASON_MIN_SQUAD) away = c;
    }
    if (away < 0) return;

    if (Fixture_Add(day, COMP_FRIENDLY, home, away, 0) < 0) return;
  }
}

// ---- debugging ----

void Fixture_DebugPrint() {
  for (int n = 0; n < NUM_FIXTURES; ++n)
    std::printf("Competition Day Club Club Score Score: '%d,%d,%d,%d,%d,%d'\n", CodeOf(n), DayOf(n), HomeOf(n),
                AwayOf(n), Field(n, kHomeGoals), Field(n, kAwayGoals));
}

void Debug_CheckFixtures() {
  for (int n = 1; n < NUM_FIXTURES; ++n) {
    if (DayOf(n) < DayOf(n - 1)) {
      std::printf("Gotcha memory corruption..... \n");
      Fixture_DebugPrint();
      FatalExit();
    }
  }
}

// ---- league tables ----

void LeagueTable_Rebuild(int32_t day) {
  for (LeagueTableRow& row : LeagueTable) {
    int16_t position = row.position;
    row = LeagueTableRow{};
    row.position = position;
  }
  for (int n = 0; n < NUM_FIXTURES; ++n) {
    if (!Used(n) || DayOf(n) > day || CodeOf(n) != COMP_LEAGUE || !Played(n)) continue;
    int32_t h = HomeOf(n), a = AwayOf(n);
    if (!IsLeagueClub(h) || !IsLeagueClub(a)) continue;
    LeagueTable_AddResult(static_cast<int16_t>(h), static_cast<int16_t>(a),
                          static_cast<int16_t>(Field(n, kHomeGoals)), static_cast<int16_t>(Field(n, kAwayGoals)),
                          LEAGUE_WIN_POINTS);
  }
}

void LeagueTable_AddResult(int16_t home, int16_t away, int16_t homeGoals, int16_t awayGoals, int16_t winPoints) {
  if (home < 0 || home >= NUM_CLUBS || away < 0 || away >= NUM_CLUBS) return;
  LeagueTableRow& h = LeagueTable[home];
  LeagueTableRow& a = LeagueTable[away];
  ++h.played;
  ++a.played;
  h.homeFor = static_cast<int16_t>(h.homeFor + homeGoals);
  h.homeAgainst = static_cast<int16_t>(h.homeAgainst + awayGoals);
  a.awayFor = static_cast<int16_t>(a.awayFor + awayGoals);
  a.awayAgainst = static_cast<int16_t>(a.awayAgainst + homeGoals);
  if (homeGoals == awayGoals) {
    ++h.homeDrawn;
    ++a.awayDrawn;
    ++h.points;
    ++a.points;
  } else if (homeGoals > awayGoals) {
    ++h.homeWon;
    ++a.awayLost;
    h.points = static_cast<int16_t>(h.points + winPoints);
  } else {
    ++a.awayWon;
    ++h.homeLost;
    a.points = static_cast<int16_t>(a.points + winPoints);
  }
}

void LeagueTable_UpdateMovement(int32_t division) {
  int32_t latest = -1, previous = -1;
  for (int n = NUM_FIXTURES - 1; n >= 0 && previous < 0; --n) {
    if (!Used(n) || CodeOf(n) != COMP_LEAGUE || DayOf(n) >= DayOfSeason) continue;
    if (Club_GetDivision(static_cast<int16_t>(HomeOf(n))) != division) continue;
    if (latest < 0)
      latest = DayOf(n);
    else if (DayOf(n) != latest)
      previous = DayOf(n);
  }
  if (previous >= 0) {
    LeagueTable_Rebuild(previous);
    SortLeagueTables();
  }

  auto inLeague = [](int16_t c) { return Club_GetCountry(c) == GameCountry && Club_GetDivision(c) < NUM_DIVISIONS; };
  int16_t noted[NUM_CLUBS];
  for (int16_t c = 0; c < NUM_CLUBS; ++c) noted[c] = inLeague(c) ? Club_GetOverallRank(c) : -1;

  LeagueTable_Rebuild(DayOfSeason);
  SortLeagueTables();

  for (int16_t c = 0; c < NUM_CLUBS; ++c) {
    int16_t now = noted[c] < 0 ? -1 : Club_GetOverallRank(c);
    if (noted[c] < 0 || previous < 0 || now == noted[c])
      LeagueMovement[c] = MOVED_NOT;
    else
      LeagueMovement[c] = noted[c] < now ? MOVED_DOWN : MOVED_UP;
  }
}

void DivisionClubs_Build() {
  std::memset(DivisionClubLists.bytes, 0xFF, sizeof DivisionClubLists.bytes);
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    int place = 0;
    for (int16_t c = 0; c < NUM_CLUBS && place < DIVISION_PLACES; ++c)
      if (Club_GetCountry(c) == GameCountry && Club_GetDivision(c) == d)
        StoreI16(DivisionClubLists.bytes + 2 * (d * DIVISION_PLACES + place++), c);
  }
}

int16_t DivisionClubs_Get(int division, int place) {
  if (division < 0 || division >= NUM_DIVISIONS || place < 0 || place >= DIVISION_PLACES) return -1;
  return LoadI16(DivisionClubLists.bytes + 2 * (division * DIVISION_PLACES + place));
}

// ---- club numbering ----

int16_t Club_GetOverallRank(int32_t club) {
  if (!IsLeagueClub(club) || Club_GetCountry(static_cast<int16_t>(club)) != GameCountry) return 0;
  int16_t rank = 0;
  for (const auto& division : DivisionTable)
    for (uint8_t place : division) {
      if (place == NO_TABLE_CLUB) continue;
      ++rank;
      if (place == club) return rank;
    }
  return NOT_RANKED;
}

int16_t CountLeagueClubs() {
  int16_t count = 0;
  for (int16_t c = 0; c < NUM_CLUBS; ++c)
    if (GetClubRecordSlot(c) >= 0 && Club_GetCountry(c) == GameCountry && Club_GetDivision(c) < NUM_DIVISIONS) ++count;
  return count;
}

static bool PassesThrough(int32_t number) {
  return number == PLAYER_CLUB_RESERVE_POOL || number == PLAYER_CLUB_FREE_AGENT || number == PLAYER_CLUB_NONE;
}

int16_t Club_GetDbId(int32_t club) {
  if (PassesThrough(club)) return static_cast<int16_t>(club);
  if (!IsLeagueClub(club)) {
    std::printf("Couldn't get team '%d'\n", club);
    FatalExit();
  }
  return GameCountryValid() ? CountryClubList[GameCountry][club] : NO_DB_CLUB;
}

int16_t Club_FindByDbId(int32_t dbId) {
  if (PassesThrough(dbId)) return static_cast<int16_t>(dbId);
  if (!GameCountryValid()) return -1;
  for (int16_t c = 0; c < NUM_CLUBS; ++c)
    if (CountryClubList[GameCountry][c] == dbId) return c;
  return -1;
}
