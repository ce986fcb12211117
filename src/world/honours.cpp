// The roll of honour, the season's awards and the clubs' season-end updates.
#include "world/honours.h"

#include <cstring>

#include "clubsim/clubsvc.h"
#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/players.h"
#include "world/static_country.h"
#include "world/textmess.h"

HonoursSeasonRecord HonoursSeasons[HONOURS_SEASONS];
MonthManagerTableRecord MonthManagerTable;
SquadStatRecord SquadStatRecords[SQUAD_STAT_RECORDS];

REGISTER_RESET(RESET_WORLD, Honours_Reset);

namespace {

// ---- the season record's layout ----
constexpr int UNUSED_BYTE = 27;
constexpr int MANAGER_CLUB = 28;
constexpr int MANAGER_SURNAME = 52;
constexpr int PLAYER_SURNAME = 76;
constexpr int PLAYER_CLUB = 100;
constexpr int YOUNG_SURNAME = 124;
constexpr int YOUNG_CLUB = 148;
constexpr int SCORER_SURNAME = 172;
constexpr int SCORER_CLUB = 196;
constexpr int SCORER_GOALS = 202;
static_assert(SCORER_GOALS + NUM_DIVISIONS == HONOURS_RECORD_SIZE);

// ---- the club record's season stretch ----
constexpr int HISTORY_SCORERS = 28;  // five (int16 player, int16 goals) entries in a history block
constexpr int MATCH_LIST_OFFSET = 1998;
constexpr int MATCH_LIST_ENTRIES = 127;
constexpr int MATCH_LIST_ENTRY_SIZE = 16;
constexpr int MATCH_PAIRS_OFFSET = 4030;
constexpr int MATCH_PAIRS = 200;
constexpr int SEASON_BLOCKS_OFFSET = 4430;
constexpr int SEASON_BLOCKS_SIZE = 40;  // two blocks of 20 bytes
static_assert(MATCH_LIST_OFFSET + MATCH_LIST_ENTRIES * MATCH_LIST_ENTRY_SIZE == MATCH_PAIRS_OFFSET);
static_assert(MATCH_PAIRS_OFFSET + 2 * MATCH_PAIRS == SEASON_BLOCKS_OFFSET);
static_assert(SEASON_BLOCKS_OFFSET + SEASON_BLOCKS_SIZE == 4470);  // the finance block follows
static_assert(CLUB_HISTORY_OFFSET + CLUB_HISTORY_BLOCKS * CLUB_HISTORY_SIZE <= 1994);

// ---- news and texts ----
constexpr int NEWS_LEAGUE_PRIZE = 39;
constexpr int NEWS_CUP_WON = 61;  // + cup 0-6
constexpr int NEWS_SUPER_CUP_WON = 68;
constexpr int NEWS_MANAGER_OF_YEAR = 69;
constexpr int NEWS_PLAYER_OF_YEAR = 70;
constexpr int NEWS_YOUNG_PLAYER = 71;
constexpr int NEWS_TOP_SCORER = 72;
constexpr int NEWS_RELEASE_CLAUSE = 95;
constexpr int NEWS_MANAGER_OF_MONTH = 99;
constexpr int16_t TEXT_FIRST_PLACE = 336;  // "1st", "2nd", ...
constexpr int16_t TEXT_POSITION_TYPE = 300;  // "Keeper", "Defender", ...
constexpr int16_t TEXT_JANUARY = 9;
constexpr int16_t TEXT_SUPER_COPPA = 1737, TEXT_SUPER_POKAL = 1763, TEXT_CHARITY_SHIELD = 115;

constexpr int EVENT_HONOUR = 6;
constexpr int EVENT_MANAGER_OF_MONTH = 16;
constexpr int EVENT_MANAGER_OF_YEAR = 17;
constexpr int CAREER_AWARD = 5;
constexpr int CAREER_HONOUR = 6;

constexpr int16_t NO_MANAGER_PLAYER = 1;  // GetClubManager's answer for a club without one
constexpr int16_t MAX_EXPERIENCE = 63;
constexpr int16_t HONOUR_REPUTATION = 5;
constexpr int16_t AWARD_REPUTATION = 5;
constexpr int16_t RELEGATION_REPUTATION_LOSS = 2;
constexpr int16_t YOUNG_AGE_LIMIT = 8;     // stored age: under 24 years
constexpr int16_t YOUNG_APPS_LIMIT = 10;
constexpr int16_t PLAYER_APPS_LIMIT = 30;

// The league prize: place factors and division bases per country.
constexpr int16_t kPlaceFactor[DIVISION_PLACES] = {28, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10,
                                                   9,  8,  7,  6,  5,  4,  3,  2,  1,  0,  0,  0};
constexpr int32_t kDivisionBase[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
    {200000, 32000, 17000, 9000, 3000, 2000},    // 0
    {200000, 32000, 17000, 9000, 3000, 2000},    // 1
    {200000, 32000, 17000, 17000, 3000, 2000},   // 2
    {200000, 32000, 17000, 17000, 17000, 17000}, // 3
    {200000, 32000, 17000, 9000, 3000, 2000},    // 4
    {200000, 32000, 17000, 9000, 3000, 2000},    // 5
    {200000, 32000, 17000, 9000, 9000, 2000},    // 6
    {200000, 32000, 17000, 9000, 3000, 2000},    // 7
    {200000, 32000, 17000, 9000, 3000, 2000},    // 8
};
constexpr int32_t LEVY_BASE = 15;

// One row of the honour kinds' table.
struct HonourKind {
  int8_t holderByte;  // -1: no such kind
  int8_t experience;
  bool logged;
};

HonourKind KindOf(int16_t kind) {
  if (kind >= 1 && kind <= 4) {
    constexpr int8_t reward[4] = {7, 4, 3, 2};
    return {static_cast<int8_t>(14 + 2 * (kind - 1)), reward[kind - 1], true};
  }
  if (kind >= 5 && kind <= 8) {
    constexpr int8_t reward[4] = {5, 3, 2, 1};
    return {static_cast<int8_t>(15 + 2 * (kind - 5)), reward[kind - 5], false};
  }
  if (kind >= HONOUR_CUP_WINNERS && kind <= HONOUR_CUP_WINNERS + 13) {
    const bool winner = (kind - HONOUR_CUP_WINNERS) % 2 == 0;
    return {static_cast<int8_t>(kind - HONOUR_CUP_WINNERS), static_cast<int8_t>(winner ? 5 : 3), winner};
  }
  if (kind == HONOUR_SUPER_CUP) return {HOLDER_SUPER_CUP, 5, true};
  if (kind >= HONOUR_DIV4_CHAMPIONS && kind <= HONOUR_DIV5_CHAMPIONS + 1) {
    const bool champion = (kind - HONOUR_DIV4_CHAMPIONS) % 2 == 0;
    return {static_cast<int8_t>(22 + kind - HONOUR_DIV4_CHAMPIONS), static_cast<int8_t>(champion ? 2 : 1), champion};
  }
  return {-1, 0, false};
}

bool ValidClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }
bool ValidSeason(int season) { return season >= 0 && season < HONOURS_SEASONS; }
bool ValidDivision(int division) { return division >= 0 && division < NUM_DIVISIONS; }

// Where an award's club and surname arrays stand; -1 for no award.
int ClubArray(int16_t award) {
  switch (award) {
    case AWARD_MANAGER_OF_YEAR: return MANAGER_CLUB;
    case AWARD_PLAYER_OF_YEAR: return PLAYER_CLUB;
    case AWARD_YOUNG_PLAYER: return YOUNG_CLUB;
    case AWARD_TOP_SCORER: return SCORER_CLUB;
    default: return -1;
  }
}

int SurnameArray(int16_t award) {
  switch (award) {
    case AWARD_MANAGER_OF_YEAR: return MANAGER_SURNAME;
    case AWARD_PLAYER_OF_YEAR: return PLAYER_SURNAME;
    case AWARD_YOUNG_PLAYER: return YOUNG_SURNAME;
    case AWARD_TOP_SCORER: return SCORER_SURNAME;
    default: return -1;
  }
}

void EmptySeason(HonoursSeasonRecord& season) {
  uint8_t* r = season.bytes;
  std::memset(r, HONOUR_NO_CLUB, HONOUR_HOLDER_BYTES);
  for (int offset = MANAGER_CLUB; offset < SCORER_CLUB; offset += 4) StoreI32(r + offset, -1);
  std::memset(r + SCORER_CLUB, HONOUR_NO_CLUB, NUM_DIVISIONS);
  std::memset(r + SCORER_GOALS, 0, NUM_DIVISIONS);
}

// A world club of a database club number, -1 when the game country has none.
int16_t WorldClubOf(int16_t dbClub) {
  const int16_t club = Club_FindByDbId(dbClub);
  return ValidClub(club) ? club : -1;
}

// The database club number a career entry names: 252, 254 and 255 as they stand.
int16_t CareerClubOf(int16_t club) {
  if (ValidClub(club)) return Club_GetDbId(club);
  return club;
}

void PostNews(int kind, int mode, int16_t club, int16_t player, int32_t money, int16_t text0, int16_t text1,
              int32_t number0) {
  SetNewsArgs(club, -1, player, -1, money, text0, text1, number0, -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, mode, club, -1);
}

// The clubs of a division's table row.
struct DivisionClubs {
  bool in[NUM_CLUBS] = {};
  explicit DivisionClubs(int division) {
    for (uint8_t club : DivisionTable[division])
      if (club != NO_TABLE_CLUB && club < NUM_CLUBS) in[club] = true;
  }
  bool Has(int16_t club) const { return ValidClub(club) && in[club]; }
};

void RecordAward(int16_t player, int16_t club, int16_t award, int16_t division) {
  if (player < 0) return;
  const int clubs = ClubArray(award);
  if (clubs >= 0 && ValidDivision(division)) {
    Player_SetReputation(player, Player_GetReputation(player) + AWARD_REPUTATION);
    uint8_t* r = HonoursSeasons[0].bytes;
    StoreI32(r + SurnameArray(award) + 4 * division, Player_GetSurname(player));
    if (award == AWARD_TOP_SCORER) {
      r[SCORER_CLUB + division] = static_cast<uint8_t>(club);
      r[SCORER_GOALS + division] = static_cast<uint8_t>(Player_GetGoals(player));
    } else {
      StoreI32(r + clubs + 4 * division, club);
    }
  }
  PlayerCareerLog_Add(player, CareerClubOf(club), 0, award, CAREER_AWARD);
}

// The best player of the division's clubs by a value, among those the test
// lets through; the first in player order at a tie. -1 when none.
template <typename Test, typename Value>
int16_t BestPlayer(int16_t division, Test allowed, Value value) {
  const DivisionClubs clubs(division);
  int16_t best = -1;
  int32_t bestValue = -1;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    if (!clubs.Has(Player_GetClub(p)) || !allowed(p)) continue;
    const int32_t v = value(p);
    if (v > bestValue) best = p, bestValue = v;
  }
  return best;
}

bool IsManager(int16_t player) { return Player_GetPosition(player) == POSITION_MANAGER; }

// The player award of a division: its news, then the roll of honour.
void GiveAward(int16_t player, int16_t award, int16_t division, int news) {
  if (player < 0) return;
  const int16_t club = Player_GetClub(player);
  PostNews(news, NEWS_SHOW_HUMAN_DIVISION, club, player, -1, GNW_GetDivisionNameTextNo(division), -1,
           award == AWARD_TOP_SCORER ? Player_GetGoals(player) : -1);
  RecordAward(player, club, award, division);
}

// The manager of a club whom an award may go to; -1 for none or a caretaker.
int16_t AwardableManager(int16_t club) {
  const int16_t manager = ClubSim.getClubManager(club);
  if (manager < 0 || manager == NO_MANAGER_PLAYER || manager >= PlayerTotalCount) return -1;
  return Player_GetCaretaker(manager) ? -1 : manager;
}

uint8_t* ClubHistory(int16_t club) {
  ClubRecord* r = Club_GetFullRecord(club);
  return r ? r->bytes + CLUB_HISTORY_OFFSET : nullptr;
}

void ResetMatchList(uint8_t* r) {
  for (int e = 0; e < 2 * MATCH_LIST_ENTRIES; ++e) {
    uint8_t* half = r + MATCH_LIST_OFFSET + e * (MATCH_LIST_ENTRY_SIZE / 2);
    StoreI16(half, -1);
    half[2] = 0xFF;
    half[3] = static_cast<uint8_t>(half[3] | 0x7F);
    half[7] = 0xFF;
  }
}

void ResetMatchPairs(uint8_t* r) { std::memset(r + MATCH_PAIRS_OFFSET, 0xFF, 2 * MATCH_PAIRS); }

void ResetSeasonBlocks(uint8_t* r) { std::memset(r + SEASON_BLOCKS_OFFSET, 0, SEASON_BLOCKS_SIZE); }

}  // namespace

// ---------------------------------------------------------------------------
// The roll of honour
// ---------------------------------------------------------------------------

int Honours_HolderByte(int16_t kind) { return KindOf(kind).holderByte; }
int16_t Honours_ExperienceReward(int16_t kind) { return KindOf(kind).experience; }

int16_t Honours_GetHolder(int season, int holderByte) {
  if (!ValidSeason(season) || holderByte < 0 || holderByte >= HONOUR_HOLDER_BYTES) return HONOUR_NO_CLUB;
  return HonoursSeasons[season].bytes[holderByte];
}

int32_t Honours_GetAwardClub(int season, int16_t award, int division) {
  const int offset = ClubArray(award);
  if (!ValidSeason(season) || !ValidDivision(division) || offset < 0) return -1;
  const uint8_t* r = HonoursSeasons[season].bytes;
  return award == AWARD_TOP_SCORER ? r[SCORER_CLUB + division] : LoadI32(r + offset + 4 * division);
}

int32_t Honours_GetAwardSurname(int season, int16_t award, int division) {
  const int offset = SurnameArray(award);
  if (!ValidSeason(season) || !ValidDivision(division) || offset < 0) return -1;
  return LoadI32(HonoursSeasons[season].bytes + offset + 4 * division);
}

int16_t Honours_GetTopScorerGoals(int season, int division) {
  if (!ValidSeason(season) || !ValidDivision(division)) return 0;
  return HonoursSeasons[season].bytes[SCORER_GOALS + division];
}

void Honours_ClearAll() {
  for (HonoursSeasonRecord& season : HonoursSeasons) EmptySeason(season);
}

void Honours_ShiftSeasons() {
  for (int s = HONOURS_SEASONS - 1; s > 0; --s) {
    uint8_t* to = HonoursSeasons[s].bytes;
    const uint8_t* from = HonoursSeasons[s - 1].bytes;
    std::memcpy(to, from, UNUSED_BYTE);
    std::memcpy(to + MANAGER_CLUB, from + MANAGER_CLUB, HONOURS_RECORD_SIZE - MANAGER_CLUB);
  }
  EmptySeason(HonoursSeasons[0]);
}

void Honours_InitFromCountryRecord() {
  EmptySeason(HonoursSeasons[0]);
  if (!IsGameCountry(GameCountry)) return;
  const int16_t* record = CountryRecordTable[GameCountry];
  uint8_t* r = HonoursSeasons[0].bytes;
  for (int b = 0; b < HONOUR_HOLDER_BYTES; ++b) {
    const int16_t club = WorldClubOf(record[b]);
    r[b] = club < 0 ? HONOUR_NO_CLUB : static_cast<uint8_t>(club);
  }
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    StoreI32(r + MANAGER_CLUB + 4 * d, WorldClubOf(record[REC_MANAGER_CLUB + d]));
    StoreI32(r + MANAGER_SURNAME + 4 * d, record[REC_MANAGER_SURNAME + d]);
    StoreI32(r + PLAYER_SURNAME + 4 * d, record[REC_PLAYER_SURNAME + d]);
    StoreI32(r + PLAYER_CLUB + 4 * d, WorldClubOf(record[REC_PLAYER_CLUB + d]));
    StoreI32(r + YOUNG_SURNAME + 4 * d, record[REC_YOUNG_SURNAME + d]);
    StoreI32(r + YOUNG_CLUB + 4 * d, WorldClubOf(record[REC_YOUNG_CLUB + d]));
    StoreI32(r + SCORER_SURNAME + 4 * d, record[REC_SCORER_SURNAME + d]);
    const int16_t scorerClub = WorldClubOf(record[REC_SCORER_CLUB + d]);
    r[SCORER_CLUB + d] = scorerClub < 0 ? HONOUR_NO_CLUB : static_cast<uint8_t>(scorerClub);
    r[SCORER_GOALS + d] = static_cast<uint8_t>(record[REC_SCORER_GOALS + d]);
  }
}

void Honours_RecordWinner(int16_t club, int16_t kind) {
  const HonourKind k = KindOf(kind);
  if (k.holderByte < 0 || !ValidClub(club)) return;
  HonoursSeasons[0].bytes[k.holderByte] = static_cast<uint8_t>(club);
  if (k.logged) ClubEventLog_Add(0, club, 0, kind, EVENT_HONOUR);
  if (kind >= HONOUR_CUP_WINNERS && kind < HONOUR_SUPER_CUP && k.logged) {
    const int16_t cup = static_cast<int16_t>((kind - HONOUR_CUP_WINNERS) / 2);
    PostNews(NEWS_CUP_WON + cup, NEWS_SHOW_ALWAYS, club, -1, -1, GNW_GetCountryCompNameTextNo(cup), -1, -1);
  } else if (kind == HONOUR_SUPER_CUP) {
    const int16_t text = GameCountry == 2 ? TEXT_SUPER_COPPA : GameCountry == 3 ? TEXT_SUPER_POKAL : TEXT_CHARITY_SHIELD;
    PostNews(NEWS_SUPER_CUP_WON, NEWS_SHOW_ALWAYS, club, -1, -1, text, -1, -1);
  }
  const int16_t manager = ClubSim.getClubManager(club);
  if (manager >= 0) PlayerCareerLog_Add(manager, Club_GetDbId(club), 0, kind, CAREER_HONOUR);
  if (Club_GetCountry(club) == GameCountry) Club_SetRep(club, Club_GetRep(club) + HONOUR_REPUTATION);
  Club_AwardSquadExperience(club, k.experience);
}

void Honours_RecordPlayerAward(int16_t player, int16_t award, int16_t division) {
  if (player < 0) return;
  RecordAward(player, Player_GetClub(player), award, division);
}

// ---------------------------------------------------------------------------
// The season's awards
// ---------------------------------------------------------------------------

void Honours_SelectTopScorer(int16_t division) {
  if (!ValidDivision(division)) return;
  const int16_t best = BestPlayer(
      division, [](int16_t p) { return Player_GetPosition(p) != 0 && !IsManager(p); },
      [](int16_t p) { return Player_GetGoals(p); });
  GiveAward(best, AWARD_TOP_SCORER, division, NEWS_TOP_SCORER);
}

void Honours_SelectYoungPlayer(int16_t division) {
  if (!ValidDivision(division)) return;
  const int16_t best = BestPlayer(
      division,
      [](int16_t p) {
        return Player_GetApps(p) > YOUNG_APPS_LIMIT && Player_GetAge(p) < YOUNG_AGE_LIMIT && !IsManager(p);
      },
      [](int16_t p) { return Player_GetPerf(p); });
  GiveAward(best, AWARD_YOUNG_PLAYER, division, NEWS_YOUNG_PLAYER);
}

void Honours_SelectPlayerOfYear(int16_t division) {
  if (!ValidDivision(division)) return;
  const int16_t best = BestPlayer(
      division, [](int16_t p) { return Player_GetApps(p) > PLAYER_APPS_LIMIT && !IsManager(p); },
      [](int16_t p) { return Player_GetPerf(p); });
  GiveAward(best, AWARD_PLAYER_OF_YEAR, division, NEWS_PLAYER_OF_YEAR);
}

void Honours_SelectManagerOfYear(int16_t division) {
  if (!ValidDivision(division)) return;
  int16_t best = -1, bestClub = -1;
  int32_t bestScore = -1;
  for (uint8_t club : DivisionTable[division]) {
    if (club == NO_TABLE_CLUB) continue;
    const int16_t manager = AwardableManager(club);
    if (manager < 0) continue;
    const int32_t score = ClubSim.calcClubFormScore(club) + ClubSim.calcRepRankScore(club);
    if (score > bestScore) best = manager, bestClub = club, bestScore = score;
  }
  if (best < 0) return;
  PostNews(NEWS_MANAGER_OF_YEAR, NEWS_SHOW_HUMAN_DIVISION, bestClub, best, -1, GNW_GetDivisionNameTextNo(division), -1,
           -1);
  RecordAward(best, bestClub, AWARD_MANAGER_OF_YEAR, division);
  ClubEventLog_Add(best, bestClub, 0, 0, EVENT_MANAGER_OF_YEAR);
}

void Honours_SelectManagerOfMonth(int16_t division) {
  if (!ValidDivision(division)) return;
  int16_t best = -1, bestClub = -1;
  int32_t bestForm = 0;  // a manager of the month needs some form
  for (uint8_t club : DivisionTable[division]) {
    if (club == NO_TABLE_CLUB) continue;
    const int16_t manager = AwardableManager(club);
    if (manager < 0) continue;
    const int32_t form = ClubSim.calcClubFormScore(club);
    if (form > bestForm) best = manager, bestClub = club, bestForm = form;
  }
  if (best < 0) return;
  StoreI16(MonthManagerTable.bytes + 4 * division, Player_GetSurname(best));
  StoreI16(MonthManagerTable.bytes + 4 * division + 2, bestClub);
  PostNews(NEWS_MANAGER_OF_MONTH, NEWS_SHOW_HUMAN_DIVISION, bestClub, best, -1,
           static_cast<int16_t>(TEXT_JANUARY + Month), GNW_GetDivisionNameTextNo(division), -1);
  ClubEventLog_Add(best, bestClub, 0, Month, EVENT_MANAGER_OF_MONTH);
}

int16_t MonthManager_GetSurname(int division) {
  return ValidDivision(division) ? LoadI16(MonthManagerTable.bytes + 4 * division) : -1;
}

int16_t MonthManager_GetClub(int division) {
  return ValidDivision(division) ? LoadI16(MonthManagerTable.bytes + 4 * division + 2) : -1;
}

void SquadStatRecord_Reset(int n, int16_t player) {
  if (n < 0 || n >= SQUAD_STAT_RECORDS) return;
  std::memset(SquadStatRecords[n].bytes, 0, SQUAD_STAT_RECORD_SIZE);
  StoreI16(SquadStatRecords[n].bytes, player);
}

int16_t SquadStatRecord_GetPlayer(int n) {
  return n >= 0 && n < SQUAD_STAT_RECORDS ? LoadI16(SquadStatRecords[n].bytes) : -1;
}

// ---------------------------------------------------------------------------
// The clubs at the season's end
// ---------------------------------------------------------------------------

void Club_AwardSquadExperience(int16_t club, int16_t n) {
  if (n <= 0 || !ValidClub(club)) return;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    if (Player_GetClub(p) != club || Player_GetShirt(p) == 0) continue;
    int32_t experience = Player_GetExperience(p);
    if (Player_GetCaptain(p))
      experience += GameRandom() % n + GameRandom() % n + 2;
    else
      experience += GameRandom() % n + 1;
    Player_SetExperience(p, experience > MAX_EXPERIENCE ? MAX_EXPERIENCE : experience);
  }
  const int16_t manager = ClubSim.getClubManager(club);
  if (manager >= 0) Player_SetReputation(manager, Player_GetReputation(manager) + 2 * n);
}

void Club_RollSeasonHistory() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    uint8_t* history = ClubHistory(club);
    if (!history) continue;
    const LeagueTableRow& row = LeagueTable[club];
    if (row.points > Club_GetRecordPointsTotal(club)) Club_SetRecordPointsTotal(club, row.points);
    const int32_t goals = row.homeFor + row.awayFor;
    if (goals > Club_GetRecordGoalsTotal(club)) Club_SetRecordGoalsTotal(club, goals);

    std::memmove(history + CLUB_HISTORY_SIZE, history, CLUB_HISTORY_SIZE * (CLUB_HISTORY_BLOCKS - 1));
    std::memset(history, 0, CLUB_HISTORY_SIZE);
    // Free scorer entries, for the season's five best scorers.
    for (int e = 0; e < CLUB_TOP_SCORERS; ++e) StoreI16(history + HISTORY_SCORERS + 4 * e, -1);

    Club_StoreSeasonPoints(club, 0);
    Club_StoreSeasonPlayed(club, 0);
    Club_StoreSeasonWon(club, 0);
    Club_StoreSeasonDrawn(club, 0);
    Club_StoreSeasonGoalsFor(club, 0);
    Club_StoreSeasonGoalsAgainst(club, 0);
    Club_SetSeasonAvgAtt(club, 0, Club_GetAvgAtt(club));
    Club_StoreSeasonTopScorers(club, 0);
    Club_StoreSeasonCupResults(club, 0);
  }
}

int32_t LeaguePrize(int division, int place) {
  if (!IsGameCountry(GameCountry) || !ValidDivision(division) || place < 0 || place >= DIVISION_PLACES) return 0;
  const int64_t levy = 100 - 5 * (int64_t{MoneyRate2} - LEVY_BASE);
  const int64_t prize = levy * kPlaceFactor[place] * kDivisionBase[GameCountry][division] / 100;
  return prize > 0 ? static_cast<int32_t>(prize) : 0;
}

void Club_PayLeaguePrizeMoney() {
  if (!IsGameCountry(GameCountry)) return;
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    const int places = CountryDivisionInfo.sizes[GameCountry][d].value;
    for (int p = 0; p < places && p < DIVISION_PLACES; ++p) {
      const uint8_t club = DivisionTable[d][p];
      const int32_t prize = LeaguePrize(d, p);
      if (club == NO_TABLE_CLUB || prize <= 0) continue;
      PostNews(NEWS_LEAGUE_PRIZE, NEWS_SHOW_HUMAN_CLUB, club, -1, prize, static_cast<int16_t>(TEXT_FIRST_PLACE + p), -1,
               -1);
      // The money comes out of the pool: the two sides of the payment balance.
      Club_AddToBalance(club, prize);
      Club_AddToBalance(CLUB_MONEY_POOL, -prize);
      Club_SetMiscIn(club, Club_GetMiscIn(club) + prize);
      if (Club_GetControl(club) != 0) SeasonEngine.addWeeklyMiscIncome(prize);
    }
  }
}

void Player_RequestTransfer(int16_t player) {
  if (Player_GetBossvane(player) || IsManager(player)) return;
  Player_SetTxReq(player, 1);
  Player_SetTxList(player, 1);
  Player_SetSaleStatus(player, 0);
}

void Club_ApplyRelegationClauses(int16_t club) {
  if (!ValidClub(club)) return;
  if (Club_GetCountry(club) == GameCountry) Club_SetRep(club, Club_GetRep(club) - RELEGATION_REPUTATION_LOSS);
  for (int16_t p = 0; p < PlayerCount; ++p) {
    if (Player_GetClub(p) != club || Player_GetBossvane(p) || IsManager(p) || !Player_GetRRClause(p)) continue;
    PostNews(NEWS_RELEASE_CLAUSE, NEWS_SHOW_HUMAN_CLUB, club, p, -1,
             static_cast<int16_t>(TEXT_POSITION_TYPE + GNW_GetPositionType(p)), -1, -1);
    Player_RequestTransfer(p);
    Player_SetMorale(p, 0);
  }
}

// ---------------------------------------------------------------------------
// A new game and a new season
// ---------------------------------------------------------------------------

void ClubRecord_ResetSeasonLists(int record) {
  if (record < 0 || record >= NUM_FULL_CLUBS) return;
  uint8_t* r = ClubRecords[record].bytes;
  ResetMatchList(r);
  ResetMatchPairs(r);
  ResetSeasonBlocks(r);
}

void Club_ResetMatchList(int16_t club) {
  if (ClubRecord* r = Club_GetFullRecord(club)) ResetMatchList(r->bytes);
}

void Club_ResetMatchPairs(int16_t club) {
  if (ClubRecord* r = Club_GetFullRecord(club)) ResetMatchPairs(r->bytes);
}

void Club_ResetSeasonBlocks(int16_t club) {
  if (ClubRecord* r = Club_GetFullRecord(club)) ResetSeasonBlocks(r->bytes);
}

void Club_InitSeasonData() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    for (int block = 0; block < CLUB_HISTORY_BLOCKS; ++block) Club_SetSeasonAvgAtt(club, block, -1);
  for (int record = 0; record < NUM_FULL_CLUBS; ++record) ClubRecord_ResetSeasonLists(record);
  const int16_t human = FindHumanClub(1);
  if (human >= 0) BuildClubSquadList(human);
  for (int n = 0; n < SQUAD_STAT_RECORDS; ++n) SquadStatRecord_Reset(n, human >= 0 ? SquadList[n] : -1);
  ClubSeasonMarks_Clear();
}

void Honours_Reset() {
  Honours_ClearAll();
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    StoreI16(MonthManagerTable.bytes + 4 * d, -1);
    StoreI16(MonthManagerTable.bytes + 4 * d + 2, -1);
  }
  for (int n = 0; n < SQUAD_STAT_RECORDS; ++n) SquadStatRecord_Reset(n, -1);
}
