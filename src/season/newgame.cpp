// The new game's source database and the laying out of its clubs.
#include "season/newgame.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "clubsim/clubsvc.h"
#include "clubsim/staffpool.h"
#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "season/calendar_step.h"
#include "season/euroentrants.h"
#include "season/fixgen.h"
#include "season/progress.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/nationality.h"
#include "world/players.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/worldgen.h"

uint8_t NewGameSettings[NEW_GAME_SETTINGS];
MatchStatsSide MatchStatsSummary[2];

namespace {

// A calendar date: day of the month 1-31, month 0-11, year.
struct StoredDate {
  int16_t day, month, year;
};

struct NewGameState {
  StoredDate start;  // the game's first day, stored by the new game
  bool loaded;
  int32_t playerCount;
  uint8_t clubs[TOTSTAT_PLAYERS_OFFSET - TOTSTAT_CLUBS_OFFSET];
  uint8_t players[TOTSTAT_FIRST_NAMES_OFFSET - TOTSTAT_PLAYERS_OFFSET];
  uint8_t firstNames[TOTSTAT_FIRST_NAMES_SIZE];
  char firstName[SOURCE_FIRST_NAME_SIZE];  // SourceFirstName's answer
};
NewGameState gNew;

// The last position code: a player-manager of the last forward position.
constexpr int kLastPositionCode = SRC_POS_PLAYER_MANAGER + SRC_POS_LAST_FORWARD;

// The opening balance table: T per game country and division 0-5.
constexpr int32_t kBalanceTable[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
    {50000, 25000, 10000, 5000, 1000, 100},     // 0
    {50000, 25000, 10000, 5000, 1000, 100},     // 1
    {50000, 25000, 10000, 10000, 1000, 100},    // 2
    {50000, 25000, 10000, 10000, 10000, 10000}, // 3
    {50000, 25000, 10000, 5000, 1000, 100},     // 4
    {50000, 25000, 10000, 5000, 1000, 100},     // 5
    {50000, 25000, 10000, 5000, 5000, 100},     // 6
    {50000, 25000, 10000, 5000, 1000, 100},     // 7
    {50000, 25000, 10000, 5000, 1000, 100},     // 8
};
constexpr int32_t kTopDivisionBalancePerRep = 500000;

constexpr StoredDate kNewGameStart = {NEW_GAME_DAY, NEW_GAME_MONTH, NEW_GAME_YEAR};

// The money rates of a new game (and of every new year).
constexpr uint8_t kNewGameMoneyRate = 17;
constexpr uint8_t kNewGameInterestRate = 1;

constexpr int16_t kPreSeasonDays = 21;
constexpr int kLongPreSeasonCountry = 2;
constexpr int16_t kLongPreSeasonDays = 35;

// Automatic promotion places (the champion's included) per game country and
// division: the play-off clubs of a new game stand just below them.
constexpr int16_t kPromotionPlaces[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
    {0, 2, 2, 3, 1, 0}, {0, 1, 2, 2, 0, 0}, {0, 4, 1, 1, 0, 0}, {0, 3, 1, 1, 1, 1}, {0, 0, 0, 0, 0, 0},
    {0, 1, 0, 0, 0, 0}, {0, 3, 3, 2, 2, 0}, {0, 3, 0, 0, 0, 0}, {0, 2, 0, 0, 0, 0},
};
constexpr int kPlayoffSlots = 4;

// The installation of a human manager.
constexpr int16_t kNoCountryClubs = 32;      // clubs of this country take no human manager
constexpr int32_t kManagerStoredAge = 14;
constexpr int32_t kTrainingPerYear = 312;
constexpr int16_t kPlayingManagerPosition = 5;
constexpr int16_t kNoClub = 255;
constexpr int16_t kFirstOrdinaryPlayer = 2;  // 0 and 1 are the built-in manager records
constexpr int16_t kEventManagerAppointed = 15;
constexpr int16_t kCareerAppointed = 4;

// The match result record: per side five figures from byte 4, the possession
// time at byte 14.
constexpr int kMatchFiguresOffset = 4;
constexpr int kPossessionOffset = 14;

bool Fault(std::string* fault, const char* format, int a, int b = 0, int c = 0) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b, c);
  if (fault) *fault = text;
  return false;
}

// A player's club field: a database club 0-1199, a free agent, no club, or
// 1200 and up (not created). 252-255 would arrive as the special codes of the
// player records, so no player may name them.
bool GoodPlayerClub(int club) {
  if (club == SRC_CLUB_FREE_AGENT || club == SRC_CLUB_NONE) return true;
  return club >= 0 && !IsSpecialClubNumber(club);
}


}  // namespace

bool TotStats_Check(const uint8_t* image, size_t size, std::string* fault) {
  if (size != static_cast<size_t>(TOTSTAT_SIZE))
    return Fault(fault, "is %d bytes, not %d", static_cast<int>(std::min<size_t>(size, INT32_MAX)), TOTSTAT_SIZE);
  for (int n = 0; n < NUM_DB_CLUBS; ++n) {
    const SourceClub c = DecodeSourceClub(image + TOTSTAT_CLUBS_OFFSET + n * SOURCE_CLUB_RECORD_SIZE);
    if (c.dbNumber < 0 || c.dbNumber >= NUM_DB_CLUBS)
      return Fault(fault, "club record %d: database number %d is outside 0-%d", n, c.dbNumber, NUM_DB_CLUBS - 1);
  }
  const int32_t count = LoadI32(image + TOTSTAT_COUNT_OFFSET);
  if (count < 0 || count > MAX_SOURCE_PLAYERS)
    return Fault(fault, "player count %d is outside 0-%d (the records the file holds)", count, MAX_SOURCE_PLAYERS);
  for (int n = 0; n < count; ++n) {
    const SourcePlayer p = DecodeSourcePlayer(image + TOTSTAT_PLAYERS_OFFSET + n * SOURCE_PLAYER_RECORD_SIZE);
    if (p.surname < 0 || p.surname >= NUM_PLAYER_SURNAMES)
      return Fault(fault, "player record %d: surname index %d is outside 0-%d", n, p.surname, NUM_PLAYER_SURNAMES - 1);
    if (!GoodPlayerClub(p.dbClub))
      return Fault(fault, "player record %d: club %d is no database club, free agent (-2) or none (-1)", n, p.dbClub);
    if (p.position < 0 || p.position > kLastPositionCode)
      return Fault(fault, "player record %d: position code %d is outside 0-%d", n, p.position, kLastPositionCode);
    if (p.nationality < 0 || p.nationality >= NUM_NATIONALITIES)
      return Fault(fault, "player record %d: nationality %d is outside 0-%d", n, p.nationality, NUM_NATIONALITIES - 1);
  }
  return true;
}

void LoadTotStats() {
  PakFileEntry* file = PakOpenFile(TOTSTAT_FILE_NAME);
  const uint32_t size = PakFileSize(file);
  if (size != static_cast<uint32_t>(TOTSTAT_SIZE)) {
    PakCloseFile(file);
    FatalError("Error: LoadTotStats(): '%s' is %u bytes, not %d\n", TOTSTAT_FILE_NAME, size, TOTSTAT_SIZE);
  }
  std::vector<uint8_t> image(size);
  PakReadWhole(image.data(), file);
  PakCloseFile(file);

  std::string fault;
  if (!TotStats_Check(image.data(), image.size(), &fault))
    FatalError("Error: LoadTotStats(): '%s': %s\n", TOTSTAT_FILE_NAME, fault.c_str());

  std::memcpy(gNew.clubs, image.data() + TOTSTAT_CLUBS_OFFSET, sizeof gNew.clubs);
  std::memcpy(gNew.players, image.data() + TOTSTAT_PLAYERS_OFFSET, sizeof gNew.players);
  std::memcpy(gNew.firstNames, image.data() + TOTSTAT_FIRST_NAMES_OFFSET, sizeof gNew.firstNames);
  gNew.playerCount = LoadI32(image.data() + TOTSTAT_COUNT_OFFSET);
  gNew.loaded = true;
  SetSourceClubRecords(gNew.clubs, NUM_DB_CLUBS);
}

bool TotStats_Loaded() { return gNew.loaded; }
int32_t SourcePlayerCount() { return gNew.playerCount; }

const uint8_t* SourceClubRecord(int index) {
  if (index < 0 || index >= NUM_DB_CLUBS) return nullptr;
  return gNew.clubs + index * SOURCE_CLUB_RECORD_SIZE;
}

const uint8_t* SourcePlayerRecord(int index) {
  if (index < 0 || index >= gNew.playerCount) return nullptr;
  return gNew.players + index * SOURCE_PLAYER_RECORD_SIZE;
}

const char* SourceFirstName(int index) {
  if (index < 0 || index >= MAX_SOURCE_PLAYERS) return "";
  // The last byte of each name is left out, so every name ends inside its 17 bytes.
  std::memcpy(gNew.firstName, gNew.firstNames + index * SOURCE_FIRST_NAME_SIZE, SOURCE_FIRST_NAME_SIZE - 1);
  gNew.firstName[SOURCE_FIRST_NAME_SIZE - 1] = 0;
  return gNew.firstName;
}

int16_t SourceClubIndexOf(int dbClub) {
  for (int n = 0; n < NUM_DB_CLUBS; ++n) {
    const int16_t number = LoadI16(gNew.clubs + n * SOURCE_CLUB_RECORD_SIZE + src_club::DB_NUMBER);
    if (number == dbClub) return static_cast<int16_t>(n);
  }
  return NUM_DB_CLUBS;
}

int16_t WeekdayOfDate(int16_t dayOfMonth, int16_t month, int16_t year) {
  // Dates the calendar cannot hold have no weekday to find; they count as the start.
  if (month < 0 || month > 11 || dayOfMonth < 1 || dayOfMonth > Calendar_MonthLength(month, year)) return 0;
  int d = NEW_GAME_DAY, m = NEW_GAME_MONTH, y = NEW_GAME_YEAR, weekday = 0;
  auto before = [](int d1, int m1, int y1, int d2, int m2, int y2) {
    return y1 != y2 ? y1 < y2 : m1 != m2 ? m1 < m2 : d1 < d2;
  };
  while (before(d, m, y, dayOfMonth, month, year)) {  // forward
    if (++d > Calendar_MonthLength(m, y)) {
      d = 1;
      if (++m > 11) m = 0, ++y;
    }
    weekday = (weekday + 1) % 7;
  }
  while (before(dayOfMonth, month, year, d, m, y)) {  // backward
    if (--d < 1) {
      if (--m < 0) m = 11, --y;
      d = Calendar_MonthLength(m, y);
    }
    weekday = (weekday + 6) % 7;
  }
  return static_cast<int16_t>(weekday);
}

int32_t NewGame_OpeningBalance(int gameCountry, int division, int reputation) {
  if (gameCountry < 0 || gameCountry >= NUM_GAME_COUNTRIES || division < 0 || division >= NUM_DIVISIONS) return 0;
  if (division == 0) return reputation * kTopDivisionBalancePerRep;
  const int32_t t = kBalanceTable[gameCountry][division];
  return reputation * 4 * t + 50 * t;
}

void Club_InitCountryClubs() {
  if (GameCountry < 0 || GameCountry >= NUM_GAME_COUNTRIES)
    FatalError("Error: Club_InitCountryClubs(): game country %d is outside 0-%d\n", GameCountry,
               NUM_GAME_COUNTRIES - 1);
  if (!gNew.loaded) FatalError("Error: Club_InitCountryClubs(): no source database loaded\n");
  const StoredDate start = gNew.start;
  const int16_t weekday = WeekdayOfDate(start.day, start.month, start.year);
  // The records start empty (ClubSlotMap_Build), so every club record - the
  // points, goals, fees, crowds, wins and defeats - starts at 0.
  ClubSlotMap_Build();

  // Each database club's reputation follows its ground: a seat in a thousand.
  for (int n = 0; n < NUM_DB_CLUBS; ++n) {
    const SourceClub c = DecodeSourceClub(gNew.clubs + n * SOURCE_CLUB_RECORD_SIZE);
    const int32_t capacity = std::clamp(c.capacity, int32_t{0}, MAX_SOURCE_CAPACITY);
    DbClub_Set(c.dbNumber, capacity / 1000 + (capacity != 0 ? 1 : 0), c.country & 0xFF);
  }

  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    const int16_t db = CountryClubList[GameCountry][club];
    for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot) Club_SetBid(club, slot, -1, 0, 0);
    Club_SetRep(club, DbClub_GetReputation(db));
    if (db == NO_DB_CLUB) continue;

    const int16_t source = SourceClubIndexOf(db);
    const int16_t country = DbClub_GetCountry(db);
    Club_SetCountry(club, country);
    InitClubStands(club, source);

    Club_SetTeamwork(club, 60);
    Club_SetSetPieces1(club, 60);
    Club_SetSetPieces2(club, 60);
    Club_SetSetPieces3(club, 60);
    Club_SetStadiumClause(club, 0);
    Club_SetBossvaneClause(club, 0);
    Club_SetTrainingClause(club, 0);
    Club_SetHiringClause(club, 0);
    Club_SetFinancialClause(club, 0);
    Club_SetContractClause(club, 0);
    Club_SetControl(club, 0);
    void (*const staff[])(int16_t, int32_t) = {
        Club_SetCoach,         Club_SetCoachContract,     Club_SetCoachGK,       Club_SetCoachGKContract,
        Club_SetCoachDF,       Club_SetCoachDFContract,   Club_SetCoachMD,       Club_SetCoachMDContract,
        Club_SetCoachFW,       Club_SetCoachFWContract,   Club_SetCoachYouth,    Club_SetCoachYouthContract,
        Club_SetPhysio,        Club_SetPhysioContract,    Club_SetPsycho,        Club_SetPsychoContract,
        Club_SetDietition,     Club_SetDietitionContract, Club_SetFaith,         Club_SetFaithContract,
        Club_SetYDO,           Club_SetYDOContract};
    for (auto set : staff) set(club, 0);

    const SourceClub record = DecodeSourceClub(SourceClubRecord(source < NUM_DB_CLUBS ? source : 0));
    if (source < NUM_DB_CLUBS) {
      Club_SetXcoord(club, record.mapX);
      Club_SetYcoord(club, record.mapY);
    }
    if (country == GameCountry && source < NUM_DB_CLUBS) {
      Club_SetDivision(club, record.division);
      Club_SetBalance(club, NewGame_OpeningBalance(GameCountry, record.division, Club_GetRep(club)));
    } else {
      Club_SetBalance(club, 0);
      Club_SetDivision(club, 0);
    }
  }

  // The roll of honour and the clubs' season data start afresh; so do the
  // weekly money totals of every club.
  SeasonEngine.honoursClearAll();
  SeasonEngine.clubInitSeasonData();
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    Club_SetTotalWages(club, 0);
    Club_SetGateReceipts(club, 0);
    Club_SetTotalSignings(club, 0);
    Club_SetTotalSales(club, 0);
    Club_SetMiscIn(club, 0);
    Club_SetMiscOut(club, 0);
  }

  Year = start.year;
  DayOfMonth = start.day;
  Weekday = weekday;
  Month = start.month;
}

// ---------------------------------------------------------------------------
// The new game
// ---------------------------------------------------------------------------

int16_t PreSeasonDays(int gameCountry) {
  if (!IsGameCountry(gameCountry)) return 0;
  return gameCountry == kLongPreSeasonCountry ? kLongPreSeasonDays : kPreSeasonDays;
}

int16_t NewGame_PlayoffClub(int gameCountry, int division, int slot) {
  if (!IsGameCountry(gameCountry) || division < 0 || division >= NUM_DIVISIONS || slot < 0 || slot >= kPlayoffSlots)
    return -1;
  if (CountryDivisionInfo.playoffs[gameCountry][division].value == 0) return -1;
  return static_cast<int16_t>(DivisionBlockStart(gameCountry, division) + kPromotionPlaces[gameCountry][division] +
                              slot);
}

void Season_DrawCupsForDay() {
  if (DayOfSeason > FirstMatchDay) ++DaysSinceFirstMatch;
  SeasonEngine.drawCupRound();
}

namespace {

// The step number for the progress display, then the window and the poll list.
void ProgressStep(int16_t step) {
  ProgressWords.step = step;
  Poll();
}

// The days before the user takes over: the calendar alone moves on, and the
// cup rounds due are drawn.
void RunPreSeasonDays() {
  const int16_t days = PreSeasonDays(GameCountry);
  for (int16_t day = 0; day < days; ++day) {
    AdvanceDayCounters();
    ++DayOfSeason;
    Season_DrawCupsForDay();
    Poll();
  }
}

}  // namespace

void StartNewGame() {
  if (!IsGameCountry(GameCountry))
    FatalError("Error: StartNewGame(): game country %d is outside 0-%d\n", GameCountry, NUM_GAME_COUNTRIES - 1);
  ClubSim.clearJobOffer();

  // The calendar's first day and the season's scalars.
  ProgressWords.step = -1;
  DayOfSeason = 0;
  DaysSinceFirstMatch = 0;
  MoneyRate2 = kNewGameMoneyRate;
  MoneyRate1 = kNewGameMoneyRate;
  InterestRate = kNewGameInterestRate;
  SeasonCounter = 0;
  gNew.start = kNewGameStart;
  NewGameSettings[0] = 0;
  NewGameSettings[1] = 1;

  Euro_SetCupHoldersFromCountryRecord();
  LoadWorldSourceData();
  SeasonEngine.resetCareerRecords();
  SeasonEngine.resetMatchDayValues();
  BuildCupSeedingList();
  for (int16_t division = 0; division < NUM_DIVISIONS; ++division)
    for (int16_t slot = 0; slot < kPlayoffSlots; ++slot)
      SeasonEngine.setPlayoffClubs(division, slot, NewGame_PlayoffClub(GameCountry, division, slot));
  GNW_ClearChampionsLeagueGroups();

  ProgressWords.total = NEW_GAME_STEPS;
  ProgressStep(0);
  ClubSim.managerListClear();
  ProgressStep(1);
  Club_InitCountryClubs();
  ProgressStep(2);
  SeasonEngine.seasonResetFixturesAndTables();
  ProgressStep(3);
  InitStaffCandidates();
  ProgressStep(4);
  GenerateFixtures();
  ProgressStep(5);
  SortLeagueTables();
  ProgressStep(6);
  SeasonEngine.honoursInitFromCountryRecord();
  ProgressStep(7);
  SeasonEngine.honoursShiftSeasons();
  ProgressStep(8);
  SelectEuropeanEntrants();
  ProgressStep(9);
  SeasonEngine.shuffleEuroEntrantsB();
  ProgressStep(10);
  DivisionClubs_Build();
  ProgressStep(11);
  CreateWorldPlayers();
  ProgressStep(12);
  ClubSim.clearGroundRedevelopment();
  ProgressStep(13);
  ClubSim.fillReservePool();
  ProgressStep(14);
  ClubSim.buildReputationTable();
  ProgressStep(15);
  SortCupSeedingByLeaguePlace();
  RunPreSeasonDays();
  ProgressStep(16);
  ClubScreens.trainingBufferInit();
  ProgressStep(17);
  ClubScreens.resetTrainingSliders(0);
  ProgressStep(18);
  ClubScreens.saveTrainingSliders(0);
  ProgressStep(19);
  // (The year's empty end step.)
  SeasonEngine.clubsCarryBalancesForward();

  ProgressWords_Reset();
  PlayerCareerLog_Clear();
  ClubEventLog_Clear();
  ClubSim.setAllClubsExpectedPlace();
  MonthCounter = 0;
  EndWorldCreation();
}

// ---------------------------------------------------------------------------
// The human manager
// ---------------------------------------------------------------------------

void InstallHumanManager(int16_t manager, int16_t previousPlayer) {
  const int16_t own = static_cast<int16_t>(manager - 1);
  if (manager < 1 || own >= PlayerCount) return;  // no player record for him
  const bool previousLeaves = previousPlayer >= kFirstOrdinaryPlayer && previousPlayer < PlayerCount;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetCountry(club) == kNoCountryClubs || Club_GetControl(club) != manager) continue;
    CurrentManager = own;
    Player_SetAge(own, kManagerStoredAge);
    if (Club_GetBossvaneClause(club)) {
      Player_SetPosition(own, kPlayingManagerPosition);
      Player_SetBossvane(own, 1);
    }
    Player_SetManager(own, 1);
    Player_SetNationality(own, GameCountry);
    Player_SetClub(own, club);
    ClubEventLog_Add(own, club, 0, 0, kEventManagerAppointed);
    PlayerCareerLog_Add(own, Club_GetDbId(club), 0, 0, kCareerAppointed);
    Player_SetBRClause(own, 0);
    Player_SetRRClause(own, 0);
    if (NewGameSettings[0] != 1) Player_SetTraining(own, Player_GetAge(own) * kTrainingPerYear);

    if (!previousLeaves || previousPlayer == own) continue;
    Player_SetClub(previousPlayer, kNoClub);
    Player_SetCaretaker(previousPlayer, 0);
    Player_SetBossvane(previousPlayer, 0);
    Player_SetWage(previousPlayer, club);
  }
}

// ---------------------------------------------------------------------------
// A match's figures
// ---------------------------------------------------------------------------

void BuildMatchStatsSummary() {
  const uint8_t* result = GetMatchResultRecord();
  int32_t possession[2];
  for (int side = 0; side < 2; ++side) {
    const uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
    MatchStatsSide& out = MatchStatsSummary[side];
    for (int n = 0; n < 5; ++n) out.figures[n] = LoadI16(team + kMatchFiguresOffset + 2 * n);
    out.extra = LoadI16(team + TEAM_MAN_OF_MATCH);
    // A time below 0 is no time on the ball.
    possession[side] = std::max<int32_t>(0, LoadI16(team + kPossessionOffset));
  }
  const int32_t total = possession[0] + possession[1];
  const int16_t share = static_cast<int16_t>(total == 0 ? 50 : possession[0] * 100 / total);
  MatchStatsSummary[0].possessionShare = share;
  MatchStatsSummary[1].possessionShare = static_cast<int16_t>(100 - share);
}

void NewGame_Reset() {
  std::memset(&gNew, 0, sizeof gNew);
  gNew.start = kNewGameStart;
  std::memset(NewGameSettings, 0, sizeof NewGameSettings);
  std::memset(MatchStatsSummary, 0, sizeof MatchStatsSummary);
}
REGISTER_RESET(RESET_SEASON, NewGame_Reset);
