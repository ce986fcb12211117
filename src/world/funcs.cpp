// The world facade: names, dates, squads and the player accessors as the
// screens show them.
#include "world/funcs.h"

#include <cstdio>
#include <cstring>

#include "clubsim/clubsvc.h"
#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "season/postmatch.h"
#include "season/calendar_step.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/lists.h"
#include "world/nationality.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/static_cups.h"

char NameBuffer[NAMES_FILE_SIZE];

namespace {

// Language texts.
constexpr int TEXT_WEEKDAY = 2;          // "Saturday" ... "Friday"
constexpr int TEXT_MONTH = 9;            // "January" ... "December"
constexpr int TEXT_SIDE_LEFT = 36;       // "L", "R", "L/R"
constexpr int TEXT_LEAGUE = 111;         // "League", "Playoff Leg 1", "Playoff Leg 2", "Playoff Final"
constexpr int TEXT_ROUND_1 = 116;        // "Rnd 1" ... "Rnd 6"
constexpr int TEXT_FINAL_RUN_END = 125;  // 122 "Q. Final", 123 "S. Final", 124 "Final" stand before it
constexpr int TEXT_REPLAY = 126;
constexpr int TEXT_LEG_1 = 134;          // "Leg 1", "Leg 2"
constexpr int TEXT_ITALIAN_PLAYOFF = 182;
constexpr int TEXT_FRIENDLY = 169;
constexpr int TEXT_QUALIFYING_ROUND_1 = 903;  // "Qual. Rnd 1", "Qual. Rnd 2"
constexpr int TEXT_GROUP_A = 1550;
constexpr int NATIONALITY_TEXT_BASE = 2310;
constexpr int NUM_NATIONALITY_TEXTS = TEXTNO_SOAK_BASE - TEXTNO_NATIONALITY_BASE;  // 29200-29303

constexpr int WEEKDAYS = 7;
constexpr int MONTHS = 12;
constexpr int FIRST_SEASON_YEAR = 1999;

// Initial 0 is a blank, 1-26 the letters.
constexpr char kInitialLetters[] = " ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int NUM_INITIALS = static_cast<int>(sizeof kInitialLetters) - 1;


// Graphic numbers of position types 0-3.
constexpr int16_t kPositionTypeGraphics[4] = {89, 90, 91, 92};

// Player status icons of the lists.
constexpr int16_t ICON_OK = 2;
constexpr int16_t ICON_INJURED_SHORT = 94;  // injury types 1-7
constexpr int16_t ICON_INJURED_LONG = 95;   // 8 and up
constexpr int16_t ICON_BANNED = 97;
constexpr int16_t ICON_UNAVAILABLE = 98;
constexpr int16_t ICON_INJURED_OTHER = 99;  // type 0
constexpr int16_t ICON_CUP_TIED = 100;

constexpr int16_t AVAILABILITY_OUT = 4;
constexpr int16_t AVAILABILITY_LOANED_OUT = 7;
constexpr int16_t NOT_IN_VIEWED_CLUB = -32768;

constexpr int MATCH_SHIRTS = 11;
constexpr int SQUAD_SHIRTS_NEEDED = 16;
constexpr int16_t CUP_INDEX_NONE = -1;
constexpr int16_t CUP_INDEX_FIRST_EURO = 4;
constexpr int16_t CUP_INDEX_FRIENDLY = 117;
constexpr int STAT_PERSONALITY_BAND = 21;

constexpr int FIXTURE_SIDE_HOME = 12;
constexpr int FIXTURE_SIDE_AWAY = 108;
constexpr int FIXTURE_SIDE_PLAYERS = 16;
constexpr int FIXTURE_PLAYER_ENTRY = 6;
constexpr int FIXTURE_PLAYER_RATING = 2;

const char kEmptySurname[SURNAME_SIZE] = {};

struct FuncsState {
  char clubName[64];
  char playerName[32];
  char surname[32];
  char dateText[64];
  char compName[128];
};

FuncsState gFuncs;

bool ValidClub(int club) { return club >= 0 && club < NUM_CLUBS; }
bool IsLeapYear(int32_t year) { return year % 4 == 0; }
int32_t MonthLength(int month, int32_t year) {
  return Calendar_MonthLength(static_cast<int16_t>(month), static_cast<int16_t>(year));
}

// The position type of a stored position code, -1 for none.
int PositionTypeOfCode(int code) {
  if (code == 0) return 0;
  if (code >= 1 && code <= 4) return 1;
  if (code >= 5 && code <= 9) return 2;
  if (code >= 10 && code <= 12) return 3;
  return -1;
}

const char* SurnameEntry(int16_t surname) {
  return surname >= 0 && surname < NUM_SURNAMES ? NameBuffer + surname * SURNAME_SIZE : kEmptySurname;
}

bool Injured(int16_t player) { return Player_GetInFlag(player) != 0; }

// Whether a player may play the club's next fixture of that cup index.
bool Eligible(int16_t player, int16_t club, int16_t cup) {
  if (Injured(player) || Player_IsUnavailable(player)) return false;
  if (cup >= CUP_INDEX_FIRST_EURO && cup < NUM_CUP_COMPETITIONS) {
    if (Player_GetEuroBan(player)) return false;
  } else if (cup != CUP_INDEX_FRIENDLY && Player_IsUnderSuspension(player)) {
    return false;
  }
  if (cup != CUP_INDEX_NONE && cup != CUP_INDEX_FRIENDLY && cup >= 0 && cup < NUM_PLAYER_CUPS) {
    const int16_t tied = Player_GetCupTied(player, cup);
    if (tied != club && tied != PLAYER_CLUB_NONE) return false;
  }
  return true;
}

const char* ClubNameOfWorldClub(int16_t club) { return GNW_GetClubName(GNW_GetClubDbId(club)); }

}  // namespace

void Funcs_Reset() {
  std::memset(NameBuffer, 0, sizeof NameBuffer);
  gFuncs = FuncsState{};
}
REGISTER_RESET(RESET_WORLD, Funcs_Reset);

// ---- game country, human club, calendar ----

void GNW_SetGameCountry(int16_t country) { GameCountry = static_cast<int8_t>(country); }
int16_t GNW_GetGameCountry() { return GameCountry; }
int16_t GNW_GetChosenCountry() { return GameCountry; }
int16_t GNW_GetHumanClub(int16_t manager) { return FindHumanClub(manager); }

int16_t GNW_GetCurrentDay() { return DayOfSeason; }
int16_t GNW_GetSeasonNumber() { return SeasonCounter; }
int16_t GNW_GetYear() { return Year; }
int16_t GNW_GetMonth() { return Month; }
int16_t GNW_GetWeekday() { return Weekday; }
int16_t GNW_GetDayOfMonth() { return DayOfMonth; }

const char* GNW_GetDateText() {
  const int weekdayText = Weekday >= 0 && Weekday < WEEKDAYS ? TEXT_WEEKDAY + Weekday : -1;
  const int monthText = Month >= 0 && Month < MONTHS ? TEXT_MONTH + Month : -1;
  std::memset(gFuncs.dateText, 0, sizeof gFuncs.dateText);
  std::snprintf(gFuncs.dateText, sizeof gFuncs.dateText, "%s %d %s %d", GetTextNoAddr(weekdayText), DayOfMonth,
                GetTextNoAddr(monthText), Year);
  return gFuncs.dateText;
}

void GNW_GetDateOfDay(int16_t day, int16_t* dayOfMonth, int16_t* month, int16_t* weekday) {
  // Each season starts on 10 July, the weekday moving on by its length.
  int32_t total = 0;
  for (int32_t k = SeasonCounter; k >= 1; --k) total += GNW_GetDaysInYear(static_cast<int16_t>(FIRST_SEASON_YEAR + k));
  const int32_t steps = total + day;  // days after Saturday 10 July 1999
  const int32_t wd = ((steps % WEEKDAYS) + WEEKDAYS) % WEEKDAYS;

  // Walk from 10 July of the season's first year, a day at a time.
  int32_t y = FIRST_SEASON_YEAR + (SeasonCounter > 0 ? SeasonCounter : 0);
  int m = 6, d = 10;
  for (int32_t i = 0; i < day; ++i) {
    if (++d > MonthLength(m, y)) {
      d = 1;
      if (++m == MONTHS) {
        m = 0;
        ++y;
      }
    }
  }
  for (int32_t i = 0; i > day; --i) {
    if (--d < 1) {
      if (--m < 0) {
        m = MONTHS - 1;
        --y;
      }
      d = MonthLength(m, y);
    }
  }
  if (dayOfMonth) *dayOfMonth = static_cast<int16_t>(d);
  if (month) *month = static_cast<int16_t>(m + 1);
  if (weekday) *weekday = static_cast<int16_t>(wd);
}

int16_t GNW_GetDaysInYear(int16_t year) { return IsLeapYear(year) ? 366 : 365; }

int16_t GNW_GetSeasonYears(int16_t season, int16_t* secondYear) {
  if (secondYear) *secondYear = static_cast<int16_t>(FIRST_SEASON_YEAR + 1 + season);
  return static_cast<int16_t>(FIRST_SEASON_YEAR + season);
}

int16_t GNW_GetFullYear(int16_t year) { return static_cast<int16_t>(year < 97 ? 2000 + year : 1900 + year); }

int16_t GNW_GetSeasonOfYear(int16_t year, int16_t month) {
  return static_cast<int16_t>(month > 5 ? year - FIRST_SEASON_YEAR : year - FIRST_SEASON_YEAR - 1);
}

int16_t GNW_ShiftMonthHalfYear(int16_t month) { return static_cast<int16_t>(month < 6 ? month + 6 : month - 6); }

const int16_t* GNW_GetMonthLengths() { return DaysInMonth; }

// ---- names and text numbers ----

int16_t GNW_GetClubDbId(int16_t club) { return Club_GetDbId(club); }
int16_t GNW_FindClubByDbId(int16_t dbClub) { return Club_FindByDbId(dbClub); }

int16_t GNW_GetClubTextNo(int16_t dbClub) {
  // A number past the database would run into the nationality texts.
  if (dbClub < 0 || dbClub >= NUM_DB_CLUBS) return -1;
  return static_cast<int16_t>(dbClub + TEXTNO_CLUB_BASE);
}

int16_t GNW_GetPlayerTextNo(int16_t player) {
  // A number past the player table would run into the club names.
  if (player < 0 || player >= TEXTNO_CLUB_BASE - TEXTNO_PLAYER_BASE) return -1;
  return static_cast<int16_t>(player + TEXTNO_PLAYER_BASE);
}

int16_t GNW_GetNationalityTextNo(int16_t nationality) {
  // The text numbers name nationalities 0-103; 29304 is the soak tool's.
  if (nationality < 0 || nationality >= NUM_NATIONALITY_TEXTS) return -1;
  return static_cast<int16_t>(nationality + TEXTNO_NATIONALITY_BASE);
}

const char* GNW_GetNationalityString(int16_t nationality) {
  if (nationality < 0 || nationality >= NUM_NATIONALITIES) return GetTextNoAddr(-1);
  return GetTextNoAddr(NATIONALITY_TEXT_BASE + nationality);
}

const char* GNW_GetClubName(int16_t dbClub) {
  const char* name = dbClub >= 0 && dbClub < NUM_DB_CLUBS ? ClubNameTable[dbClub] : nullptr;
  std::snprintf(gFuncs.clubName, sizeof gFuncs.clubName, "%s", name ? name : "");
  return gFuncs.clubName;
}

const char* GNW_GetPlayerSurname(int16_t player) {
  // A surname entry of 17 bytes need not end in a zero.
  std::snprintf(gFuncs.surname, sizeof gFuncs.surname, "%.*s", SURNAME_SIZE, SurnameEntry(Player_GetSurname(player)));
  return gFuncs.surname;
}

const char* GNW_GetSurnameAddr(int16_t surname) { return SurnameEntry(surname); }

const char* GNW_GetPlayerName(int16_t player) {
  const int16_t initial = Player_GetInitial(player);
  const char* entry = SurnameEntry(Player_GetSurname(player));
  if (initial > 0 && initial < NUM_INITIALS) {
    std::snprintf(gFuncs.playerName, sizeof gFuncs.playerName, "%c.%.*s", kInitialLetters[initial], SURNAME_SIZE,
                  entry);
  } else {
    std::snprintf(gFuncs.playerName, sizeof gFuncs.playerName, "%.*s", SURNAME_SIZE, entry);
  }
  return gFuncs.playerName;
}

int16_t GNW_GetPlayerInitial(int16_t player) { return Player_GetInitial(player); }
void GNW_SetPlayerInitial(int16_t player, int16_t initial) { Player_SetInitial(player, initial); }
int16_t GNW_GetPlayerSurnameIndex(int16_t player) { return Player_GetSurname(player); }

int16_t GNW_GetCompTextNo(int16_t competition, int16_t* roundText, int16_t* mark) {
  int16_t round = -1, markText = -1, result = -1;
  const bool country = IsGameCountry(GameCountry);
  const int base = country ? CompNameBase[GameCountry] : -1;

  if (competition == COMP_LEAGUE || competition == 3) {
    result = static_cast<int16_t>(TEXT_LEAGUE + competition);
  } else if (competition == 1 || competition == 2) {
    result = static_cast<int16_t>(GameCountry == 2 ? TEXT_ITALIAN_PLAYOFF : TEXT_LEAGUE + competition);
  } else if (competition == COMP_SUPER_CUP) {
    result = GNW_GetSuperCupTextNo();
  } else if (competition >= COMP_CUP_FIRST && competition <= COMP_CUP_LAST) {
    const int cup = GNW_GetCupOfComp(competition);
    const int r = GNW_GetCupRoundNo(competition);
    const bool second = (competition - COMP_CUP_FIRST) % COMP_CUP_CODES >= CUP_ROUNDS;
    const int rounds = GNW_GetCupRounds(static_cast<int16_t>(cup));
    const int left = rounds - r;  // 1 in the last round
    if (country) result = static_cast<int16_t>(base + (cup <= 4 ? cup : 6));
    // A round the cup does not have gets no round text.
    if (r < rounds) {
      if (cup <= 4) {
        round = static_cast<int16_t>(left < 3 ? TEXT_FINAL_RUN_END - left : TEXT_ROUND_1 + r);
      } else if (cup == 5) {
        if (left < 3)
          round = static_cast<int16_t>(TEXT_FINAL_RUN_END - (left + 1));
        else if ((competition - 85) % CUP_ROUNDS <= 1)
          round = static_cast<int16_t>(TEXT_QUALIFYING_ROUND_1 + r);
      } else {
        round = static_cast<int16_t>(left < 3 ? TEXT_FINAL_RUN_END - left : r == 0 ? TEXT_GROUP_A : TEXT_ROUND_1 + r);
      }
    }
    if (second) markText = TEXT_REPLAY;
    if (country && CupRoundData[GameCountry][cup][r].legs == 2)
      markText = static_cast<int16_t>(second ? TEXT_LEG_1 + 1 : TEXT_LEG_1);
  } else if (competition == COMP_FRIENDLY) {
    result = TEXT_FRIENDLY;
  }
  if (roundText) *roundText = round;
  if (mark) *mark = markText;
  return result;
}

const char* GNW_GetCompNameString(int16_t competition, int16_t division, int16_t detail) {
  int16_t round = -1, mark = -1;
  const int16_t text = GNW_GetCompTextNo(competition, &round, &mark);
  char* out = gFuncs.compName;
  const size_t size = sizeof gFuncs.compName;
  if (competition >= COMP_LEAGUE && competition <= 3) {
    const char* name = GetTextNoAddr(GNW_GetDivisionNameTextNo(division));
    if (competition == COMP_LEAGUE)
      std::snprintf(out, size, "%s", name);
    else
      std::snprintf(out, size, "%s %s", name, GetTextNoAddr(text));
    return out;
  }
  std::snprintf(out, size, "%s", GetTextNoAddr(text));
  if (detail && round != -1) {
    const size_t used = std::strlen(out);
    std::snprintf(out + used, size - used, " %s %s", GetTextNoAddr(round), GetTextNoAddr(mark));
  }
  return out;
}

int16_t GNW_GetSideTextNo(int16_t player) {
  const int16_t side = Player_GetSide(player);
  if (side < 0 || side > 3) FatalError("invalid case in funcs for GNW_GetSideTextNo()");
  return GNW_GetSideCodeTextNo(side);
}

int16_t GNW_GetSideCodeTextNo(int16_t side) {
  if (side < 1 || side > 3) return -1;
  return static_cast<int16_t>(TEXT_SIDE_LEFT + side - 1);
}

// ---- squads ----

int16_t GNW_FillSquadList(int16_t club) {
  BuildClubSquadList(club);
  int16_t length = 0;
  while (length < SQUAD_LIST_SIZE && SquadList[length] >= 0) ++length;
  return length;
}

int16_t GNW_GetSquadSize(int16_t club) { return getsquadsize(club); }

int16_t GNW_FillReserveList(int16_t reserveSlot) {
  for (auto& p : SquadList) p = -1;
  SquadListClub = -1;  // no club's squad
  int16_t length = 0;
  for (int16_t p = 0; p < PlayerCount && length < SQUAD_LIST_SIZE; ++p) {
    if (Player_GetClub(p) != PLAYER_CLUB_RESERVE_POOL || Player_GetReserveSlot(p) != reserveSlot) continue;
    if (Player_GetPosition(p) == POSITION_MANAGER) continue;
    SquadList[length++] = p;
  }
  SquadListLength = length;
  return length;
}

int16_t GNW_FindSquadPlayerByShirt(int16_t shirt) {
  const int length = SquadListLength < SQUAD_LIST_SIZE ? SquadListLength : SQUAD_LIST_SIZE;
  for (int i = 0; i < length; ++i)
    if (SquadList[i] >= 0 && Player_GetShirt(SquadList[i]) == shirt) return SquadList[i];
  return -1;
}

void GNW_CountSquadByPositionType(int16_t club, int16_t counts[4][4]) {
  for (int row = 0; row < 4; ++row)
    for (int t = 0; t < 4; ++t) counts[row][t] = 0;
  if (!ValidClub(club) || Club_GetDbId(club) == NO_DB_CLUB) return;
  const int16_t length = GNW_FillSquadList(club);
  for (int i = 0; i < length; ++i) {
    const int16_t p = SquadList[i];
    // A playing manager counts by the position he plays.
    const int t = PositionTypeOfCode(Player_GetStoredPosition(p));
    if (t < 0) continue;
    ++counts[0][t];
    const bool own = Player_GetClub(p) == club;
    if (Player_GetOnLoan(p)) ++counts[own ? 1 : 2][t];
    if (Player_GetTxList(p) && own) ++counts[3][t];
  }
}

void GNW_SortClubsByName(int16_t* clubs, int16_t count, int16_t humanFirst) {
  if (clubs == nullptr || count < 2) return;
  int start = 0;
  if (humanFirst) {
    const int16_t human = GNW_GetHumanClub(1);
    for (int i = 0; i < count; ++i) {
      if (clubs[i] != human || human < 0) continue;
      clubs[i] = clubs[0];
      clubs[0] = human;
      start = 1;
      break;
    }
  }
  char a[64], b[64];
  for (int d = start; d < count - 1; ++d) {
    for (int e = d + 1; e < count; ++e) {
      std::snprintf(a, sizeof a, "%s", ClubNameOfWorldClub(clubs[d]));
      std::snprintf(b, sizeof b, "%s", ClubNameOfWorldClub(clubs[e]));
      if (std::strcmp(a, b) > 0) {
        const int16_t t = clubs[d];
        clubs[d] = clubs[e];
        clubs[e] = t;
      }
    }
  }
}

int16_t GNW_HasTeamCaptain(int16_t club) {
  const int16_t length = GNW_FillSquadList(club);
  for (int i = 0; i < length; ++i) {
    const int16_t shirt = Player_GetShirt(SquadList[i]);
    if (shirt >= 1 && shirt <= MATCH_SHIRTS && Player_GetCaptain(SquadList[i])) return 1;
  }
  return 0;
}

void GNW_ClearClubCaptains(int16_t club) { ClubSim.clearClubCaptainFlags(club); }
void GNW_PickClubCaptain(int16_t club) { PickAndFindCaptain(club); }
int16_t GNW_FindBestFreeKickTaker(int16_t club) { return FindBestFreeKickTaker(club); }
int16_t GNW_FindBestPenaltyTaker(int16_t club) { return FindBestPenaltyTaker(club); }
int16_t GNW_FindBestCornerTaker(int16_t club) { return FindBestCornerTaker(club); }

int16_t GNW_CheckTeamEligibility(int16_t club) {
  const int16_t cup = Fixture_GetClubNextCupIndex(club);
  const int16_t length = GNW_FillSquadList(club);
  int shirts = 0;
  for (int i = 0; i < length; ++i)
    if (Player_GetShirt(SquadList[i]) != 0) ++shirts;
  if (shirts < SQUAD_SHIRTS_NEEDED) return 0;

  int replacements = 0;
  for (int i = 0; i < length; ++i)
    if (Player_GetShirt(SquadList[i]) == 0 && Eligible(SquadList[i], club, cup)) ++replacements;

  const int lastShirt = MATCH_SHIRTS + Fixture_GetNextMatchBenchSize(club);
  int ineligible = 0;
  for (int i = 0; i < length; ++i) {
    const int16_t p = SquadList[i];
    const int16_t shirt = Player_GetShirt(p);
    if (shirt < 1 || shirt > lastShirt || Eligible(p, club, cup)) continue;
    ++ineligible;
    if (replacements == 0) Player_SetShirt(p, 0);
  }
  return ineligible > 0 ? 1 : 0;
}

void GNW_ResetHumanClub(int16_t manager) {
  // Control 0 is the computer's: only a human manager's clubs are handed back.
  if (manager <= 0) return;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetControl(club) != manager) continue;
    const int16_t length = GNW_FillSquadList(club);
    for (int i = 0; i < length; ++i) {
      Player_SetManPrice(SquadList[i], -1);
      Player_SetTxList(SquadList[i], 0);
      Player_SetLoanList(SquadList[i], 0);
    }
    Club_SetControl(club, 0);
    Club_SetBossvaneClause(club, 0);
    Club_SetStadiumClause(club, 0);
    Club_SetHiringClause(club, 0);
    Club_SetFinancialClause(club, 0);
    Club_SetTrainingClause(club, 0);
    Club_SetContractClause(club, 0);
  }
}

void GNW_InitTrainingBuffer() { ClubScreens.trainingBufferInit(); }
void GNW_SyncTrainingBuffer() { ClubScreens.trainingBufferSync(); }
void GNW_SaveTrainingSliders(int16_t value) { ClubScreens.saveTrainingSliders(value); }
void GNW_ResetTrainingSliders(int16_t value) { ClubScreens.resetTrainingSliders(value); }
void GNW_SnapshotSquadProgress(int16_t club) { ClubScreens.snapshotSquadProgress(club); }
int16_t GNW_GetClubManager(int16_t club) { return ClubSim.getClubManager(club); }

int16_t GNW_GetClubManagerPersonalityBand(int16_t club) {
  return static_cast<int16_t>(Player_GetPersonalityStat(ClubSim.getClubManager(club), STAT_PERSONALITY_BAND) / 20);
}

// ---- players ----

int16_t GNW_GetPlayerAge(int16_t player) { return static_cast<int16_t>(Player_GetAge(player) + 16); }
int32_t GNW_GetPlayerWage(int16_t player) { return Player_GetWage(player) * 25; }
int16_t GNW_GetPlayerDispoints(int16_t player) { return static_cast<int16_t>(Player_GetDispoints(player) * 3); }
// x 1.67, truncated: 60 shows as 100, 59 as 98.
int16_t GNW_GetPlayerFatiguePercent(int16_t player) {
  return static_cast<int16_t>(Player_GetFatigue(player) * 167 / 100);
}
int16_t GNW_GetPlayerFitnessPercent(int16_t player) {
  return static_cast<int16_t>(Player_GetFitness(player) * 167 / 100);
}
int16_t GNW_GetPlayerMoralePercent(int16_t player) { return static_cast<int16_t>(Player_GetMorale(player) * 100 / 60); }
int16_t GNW_GetPlayerExperiencePercent(int16_t player) {
  return static_cast<int16_t>(Player_GetExperience(player) * 100 / 63);
}

int16_t GNW_GetPlayerAbilityStat(int16_t player, int16_t stat) {
  const int16_t value = Player_GetAbilityStat(player, stat);
  return value < 10 ? 10 : value;
}

int16_t GNW_GetPlayerPhysicalStat(int16_t player, int16_t stat) {
  const int16_t value = Player_GetPhysicalStat(player, stat);
  return value < 10 ? 10 : value;
}

int16_t GNW_GetPlayerPersonalityStat(int16_t player, int16_t stat) {
  const int16_t value = Player_GetPersonalityStat(player, stat);
  return stat == 15 || stat == 19 || stat == 20 ? static_cast<int16_t>(value / 2) : value;
}

int16_t GNW_GetPlayerAbilityStatEx(int16_t player, int16_t stat, int16_t careerApps, int16_t training) {
  return Player_GetAbilityStatEx(player, stat, careerApps, training);
}

int16_t GNW_GetPlayerPersonalityBand(int16_t player) {
  return static_cast<int16_t>(Player_GetPersonalityStat(player, STAT_PERSONALITY_BAND) / 20);
}

int16_t GNW_GetPositionType(int16_t player) {
  const int16_t code = Player_GetPosition(player);
  if (code == POSITION_MANAGER) return POSITION_MANAGER;
  const int type = PositionTypeOfCode(code);
  if (type < 0) FatalError("in funcs GNW_GetPositionType Error %d", code);
  return static_cast<int16_t>(type);
}

int16_t GNW_GetPositionTypeGraphic(int16_t player) {
  const int16_t type = GNW_GetPositionType(player);
  return type >= 0 && type <= 3 ? kPositionTypeGraphics[type] : 2;
}

int16_t GNW_GetPlayerPosition(int16_t player) { return Player_GetStoredPosition(player); }
int16_t GNW_GetPlayerPositionOrManager(int16_t player) { return Player_GetPosition(player); }
int16_t GNW_GetSide(int16_t player) { return Player_GetSide(player); }

int16_t GNW_GetPlayerStatusIcon(int16_t player) {
  if (Injured(player)) {
    const int16_t slot = InjuryList_FindPlayer(player);
    const int16_t type = slot >= 0 ? Patient_GetInjuryType(slot) : 0;
    return type == 0 ? ICON_INJURED_OTHER : type <= 7 ? ICON_INJURED_SHORT : ICON_INJURED_LONG;
  }
  if (Player_IsUnavailable(player)) return ICON_UNAVAILABLE;
  if (Player_IsCupTiedForNextMatch(player)) return ICON_CUP_TIED;
  const int16_t club = Player_GetClub(player);
  const int16_t cup = ValidClub(club) ? Fixture_GetClubNextCupIndex(club) : CUP_INDEX_NONE;
  const bool euro = cup >= CUP_INDEX_FIRST_EURO && cup < NUM_CUP_COMPETITIONS;
  if (euro ? Player_GetEuroBan(player) != 0 : Player_IsUnderSuspension(player) != 0) return ICON_BANNED;
  return ICON_OK;
}

int16_t GNW_GetPlayerAvailability(int16_t player) {
  if (Injured(player) || Player_IsUnderSuspension(player) || Player_IsUnavailable(player)) return AVAILABILITY_OUT;
  if (Player_GetOnLoan(player) && Player_GetClub(player) != ViewedClub) return AVAILABILITY_LOANED_OUT;
  return 0;
}

int16_t GNW_GetPlayerShirtInViewedClub(int16_t player) {
  const int16_t shirt = Player_GetShirt(player);
  if (shirt >= 1 && shirt <= 16 && Player_GetClub(player) == ViewedClub) return shirt;
  return NOT_IN_VIEWED_CLUB;
}

int16_t GNW_GetPlayerLastMatchRating(int16_t player) {
  if (Player_GetApps(player) == 0) return 0;
  const int16_t fixture = GNW_FindHumanLastFixture(0);
  const FixtureRecord* record = Fixture_GetRecord(fixture);
  if (record == nullptr) return 0;
  const int side = Fixture_GetHomeClub(fixture) == Player_GetClub(player) ? FIXTURE_SIDE_HOME : FIXTURE_SIDE_AWAY;
  int16_t rating = 0;
  for (int i = 0; i < FIXTURE_SIDE_PLAYERS; ++i) {
    const uint8_t* entry = record->bytes + side + i * FIXTURE_PLAYER_ENTRY;
    if (LoadI16(entry) == player) rating = entry[FIXTURE_PLAYER_RATING];
  }
  return rating;
}

int16_t GNW_GetPlayerTactic(int16_t player) { return ClubSim.getPlayerTacticType(player); }
void GNW_GeneratePlayerStats(int16_t player) { ClubSim.estimatePlayerStats(player); }
int16_t GNW_GetPlayerLookA(int16_t player) { return Player_GetLook(player, 0); }
int16_t GNW_GetPlayerLookB(int16_t player) { return Player_GetLook(player, 1); }
int16_t GNW_GetPlayerLookC(int16_t player) { return Player_GetLook(player, 2); }

int16_t GNW_GetPlayerClub(int16_t player) { return Player_GetClub(player); }
void GNW_SetPlayerClub(int16_t player, int16_t club) { Player_SetClub(player, club); }
int16_t GNW_GetPlayerShirt(int16_t player) { return Player_GetShirt(player); }
void GNW_SetPlayerShirt(int16_t player, int16_t shirt) { Player_SetShirt(player, shirt); }
int16_t GNW_GetPlayerNationality(int16_t player) { return Player_GetNationality(player); }
int16_t GNW_GetPlayerPerf(int16_t player) { return Player_GetPerf(player); }
int16_t GNW_GetPlayerGoals(int16_t player) { return Player_GetGoals(player); }
int16_t GNW_GetPlayerCareerGoals(int16_t player) { return Player_GetCareerGoals(player); }
int16_t GNW_GetPlayerApps(int16_t player) { return Player_GetApps(player); }
int16_t GNW_GetPlayerCareerApps(int16_t player) { return Player_GetCareerApps(player); }
int16_t GNW_GetPlayerAssists(int16_t player) { return Player_GetAssists(player); }
int16_t GNW_GetPlayerContract(int16_t player) { return Player_GetContract(player); }
void GNW_SetPlayerWage(int16_t player, int16_t wage) { Player_SetWage(player, wage); }
void GNW_SetPlayerMorale(int16_t player, int16_t morale) { Player_SetMorale(player, morale); }
int16_t GNW_GetPlayerReputation(int16_t player) { return Player_GetReputation(player); }
int16_t GNW_GetPlayerTraining(int16_t player) { return Player_GetTraining(player); }
int16_t GNW_GetPlayerAbilityCurve(int16_t player) { return Player_GetAbilityCurve(player); }
int16_t GNW_GetPlayerReserveSlot(int16_t player) { return Player_GetReserveSlot(player); }
int16_t GNW_GetPlayerOnLoan(int16_t player) { return Player_GetOnLoan(player); }
int16_t GNW_GetPlayerLoanClub(int16_t player) { return Player_GetLoanClub(player); }
int16_t GNW_GetPlayerLoanList(int16_t player) { return Player_GetLoanList(player); }
void GNW_SetPlayerLoanListed(int16_t player, int16_t flag) { Player_SetLoanList(player, flag); }
int16_t GNW_GetPlayerTxReq(int16_t player) { return Player_GetTxReq(player); }
int16_t GNW_GetPlayerTxList(int16_t player) { return Player_GetTxList(player); }
void GNW_SetPlayerTxList(int16_t player, int16_t flag) { Player_SetTxList(player, flag); }
int16_t GNW_GetPlayerInFlag(int16_t player) { return Player_GetInFlag(player); }
int16_t GNW_IsPlayerUnderSuspension(int16_t player) { return Player_IsUnderSuspension(player); }
int16_t GNW_IsPlayerEuroBanned(int16_t player) { return Player_GetEuroBan(player); }
int16_t GNW_IsPlayerUnavailable(int16_t /*player*/) { return 0; }
int16_t GNW_GetPlayerReservedE(int16_t player) { return Player_GetReservedE(player); }
int16_t GNW_GetPlayerReservedF(int16_t /*player*/) { return 0; }
int16_t GNW_IsPlayerManager(int16_t player) { return Player_GetManager(player); }
int16_t GNW_GetPlayerCaretaker(int16_t player) { return Player_GetCaretaker(player); }
int16_t GNW_GetPlayerBossvane(int16_t player) { return Player_GetBossvane(player); }
void GNW_SetPlayerBossvane(int16_t player, int16_t flag) { Player_SetBossvane(player, flag != 0 ? 1 : 0); }
int16_t GNW_GetPlayerCaptain(int16_t player) { return Player_GetCaptain(player); }
void GNW_SetPlayerCaptain(int16_t player, int16_t flag) { Player_SetCaptain(player, flag != 0 ? 1 : 0); }

// ---- fixtures and injuries ----

int16_t GNW_GetFixtureDay(int16_t fixture) { return Fixture_GetDay(fixture); }
int16_t GNW_GetFixtureCompetition(int16_t fixture) { return Fixture_GetCompetition(fixture); }
int16_t GNW_GetFixtureHomeClub(int16_t fixture) { return Fixture_GetHomeClub(fixture); }
int16_t GNW_GetFixtureAwayClub(int16_t fixture) { return Fixture_GetAwayClub(fixture); }
int16_t GNW_GetFixtureHomeGoals(int16_t fixture) { return Fixture_GetHomeGoals(fixture); }
int16_t GNW_GetFixtureAwayGoals(int16_t fixture) { return Fixture_GetAwayGoals(fixture); }
int16_t GNW_GetFixtureLegFlag(int16_t fixture) { return Fixture_GetLegFlag(fixture); }
int16_t GNW_FindInjurySlot(int16_t player) { return InjuryList_FindPlayer(player); }
int16_t GNW_GetInjuryType(int16_t slot) { return Patient_GetInjuryType(slot); }
int16_t GNW_GetInjuryTime(int16_t slot) { return Patient_GetInjuryTime(slot); }

// ---- club identity ----

int16_t GNW_GetClubCountry(int16_t club) { return Club_GetCountry(club); }
int16_t GNW_GetClubDivision(int16_t club) { return Club_GetDivision(club); }
int16_t GNW_GetClubRep(int16_t club) { return Club_GetRep(club); }
ClubRecord* GNW_GetClubRecord(int16_t club) { return Club_GetFullRecord(club); }
