// The new game's source database and the laying out of its clubs.
#include "season/newgame.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "clubsim/clubsvc.h"
#include "engine/debug.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/lists.h"
#include "world/nationality.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/worldgen.h"

namespace {

struct NewGameState {
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

bool IsLeapYear(int year) { return year % 4 == 0; }
int DaysInMonth(int month, int year) {
  constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 1 && IsLeapYear(year) ? 29 : kDays[month];
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
  if (month < 0 || month > 11 || dayOfMonth < 1 || dayOfMonth > DaysInMonth(month, year)) return 0;
  int d = NEW_GAME_DAY, m = NEW_GAME_MONTH, y = NEW_GAME_YEAR, weekday = 0;
  auto before = [](int d1, int m1, int y1, int d2, int m2, int y2) {
    return y1 != y2 ? y1 < y2 : m1 != m2 ? m1 < m2 : d1 < d2;
  };
  while (before(d, m, y, dayOfMonth, month, year)) {  // forward
    if (++d > DaysInMonth(m, y)) {
      d = 1;
      if (++m > 11) m = 0, ++y;
    }
    weekday = (weekday + 1) % 7;
  }
  while (before(dayOfMonth, month, year, d, m, y)) {  // backward
    if (--d < 1) {
      if (--m < 0) m = 11, --y;
      d = DaysInMonth(m, y);
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
  const int16_t weekday = WeekdayOfDate(NEW_GAME_DAY, NEW_GAME_MONTH, NEW_GAME_YEAR);
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

  Year = NEW_GAME_YEAR;
  DayOfMonth = NEW_GAME_DAY;
  Weekday = weekday;
  Month = NEW_GAME_MONTH;
}

void NewGame_Reset() { std::memset(&gNew, 0, sizeof gNew); }
REGISTER_RESET(RESET_SEASON, NewGame_Reset);
