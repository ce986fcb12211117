// Per-country tables of the nine game countries: the divisions, the cup
// rounds, the text bases of the competition and division names, the sizes of
// the per-country blocks of the world's club lists and the record of last
// season's honours that a new game starts from.
#pragma once

#include <cstdint>

#include "world/nationality.h"

constexpr int NUM_DIVISIONS = 6;
constexpr int NUM_CUP_COMPETITIONS = 7;
constexpr int NUM_LIST_COUNTRIES = 32;  // countries 0-31 have a block in the club lists
constexpr int COUNTRY_RECORD_ENTRIES = 81;

// A game country's index into the per-country tables, 0-8.
constexpr bool IsGameCountry(int country) { return country >= 0 && country < NUM_GAME_COUNTRIES; }

struct DivisionEntry {
  int16_t value;   // clubs in the division / clubs in the division / play-off places
  int16_t second;  // see CountryDivisionInfo
};

// The three tables of CountryDivisionInfo, 9 game countries x 6 divisions:
// sizes (second value 1 for every division of country 1: the extra meetings);
// the division list (same values); the play-off places (4 and 4 for a
// division with play-offs).
struct CountryDivisionTables {
  DivisionEntry sizes[NUM_GAME_COUNTRIES][NUM_DIVISIONS];
  DivisionEntry list[NUM_GAME_COUNTRIES][NUM_DIVISIONS];
  DivisionEntry playoffs[NUM_GAME_COUNTRIES][NUM_DIVISIONS];
};
extern const CountryDivisionTables CountryDivisionInfo;

// The league rules of each division: the tie-break of the table order (0 goal
// difference then goals scored, 1 goals scored then goal difference, any
// other value none), the points for a win and the substitutes allowed.
struct DivisionRule {
  int8_t tieBreak;
  int8_t winPoints;  // 0 for a division the country does not have
  int8_t substitutes;
};
static_assert(sizeof(DivisionRule) == 3);
extern const DivisionRule DivisionRules[NUM_GAME_COUNTRIES][NUM_DIVISIONS];

// Friendlies arranged between the league's computer-run clubs before a season.
extern const int16_t PreSeasonFriendlyCount[NUM_GAME_COUNTRIES];

// Rounds of cup competitions 0-6 per game country (0 = no such cup).
extern const int16_t CupRoundsTable[NUM_GAME_COUNTRIES][NUM_CUP_COMPETITIONS];

// First text number of each game country's runs of competition names, full,
// short and one-letter division names in the language text table.
extern const int16_t CompNameBase[NUM_GAME_COUNTRIES];
extern const int16_t DivisionNameBase[NUM_GAME_COUNTRIES];
extern const int16_t DivisionShortBase[NUM_GAME_COUNTRIES];
extern const int16_t DivisionLetterBase[NUM_GAME_COUNTRIES];
// Where the super cup's name stands in a country's run of competition names
// (CompNameBase + offset).
extern const int16_t SuperCupNameOffset[NUM_GAME_COUNTRIES];
// Domestic cups of each game country: its cups 0 to count - 1.
extern const int16_t DomesticCupCount[NUM_GAME_COUNTRIES];

// Club-list blocks: a game country's own block, and every country's block
// when it is not the game country.
extern const int16_t OwnBlockSize[NUM_GAME_COUNTRIES];
extern const int16_t ForeignBlockSize[NUM_LIST_COUNTRIES];
int CountryBlockSize(int gameCountry, int country);
int CountryBlockStart(int gameCountry, int country);
// Clubs of a game country's league (the sum of its division sizes).
int LeagueClubCount(int gameCountry);
// Start of a division's block within the game country's own block; division
// 6 is the start of the clubs outside the league.
int DivisionBlockStart(int gameCountry, int division);

// The record of last season's honours, 81 int16 per game country. Clubs are
// database numbers (255 none), surnames indices into the surname table (-1 none).
enum CountryRecordEntry {
  REC_CUP_WINNER = 0,           // + 2 x cup (0-6); + 1 the runner-up
  REC_DIV_CHAMPION = 14,        // + 2 x division (0-3); + 1 the runner-up
  REC_DIV4_CHAMPION = 22,       // 23 runner-up; 24, 25 division 5
  REC_SUPER_CUP_WINNER = 26,
  REC_MANAGER_CLUB = 27,        // + division 0-5 (manager of the year)
  REC_MANAGER_SURNAME = 33,
  REC_PLAYER_SURNAME = 39,      // player of the year
  REC_PLAYER_CLUB = 45,
  REC_YOUNG_SURNAME = 51,       // young player of the year
  REC_YOUNG_CLUB = 57,
  REC_SCORER_SURNAME = 63,      // top scorer
  REC_SCORER_CLUB = 69,
  REC_SCORER_GOALS = 75,
};
extern const int16_t CountryRecordTable[NUM_GAME_COUNTRIES][COUNTRY_RECORD_ENTRIES];

// ---- the league calendar ----

// Per country and division one entry per half-week of the season: 2k the
// weekday-0 date and 2k + 1 the weekday-3 date of week k, week 0 beginning
// at the season's first weekday 0.
constexpr int MATCHDAY_SLOTS = 104;
constexpr int MATCHDAY_WRITTEN_WEEKS = 45;  // entries from 90 on are 0 in every row
constexpr int16_t MATCHDAY_NONE = 0;   // no league matchday
constexpr int16_t MATCHDAY_PLAY = 1;   // a league matchday
constexpr int16_t MATCHDAY_FIRST = 4;  // the division's first matchday
constexpr int16_t MATCHDAY_LAST = 5;   // the last matchday: the season ends on it
constexpr int16_t MATCHDAY_SKIP = 6;   // no league matchday
// A row without a first mark starts on its first matchday; a row without a
// last mark ends on its last matchday, before the season's end, which the
// rows that have the mark fix. Every division with clubs has a row.
struct MatchdaySlotTable {
  int16_t rows[NUM_GAME_COUNTRIES][NUM_DIVISIONS][MATCHDAY_SLOTS];
};
extern const MatchdaySlotTable MatchdaySlots;

// The transfer deadlines of a season: per country six day offsets from the
// first league matchday (deadline 1, reopening 1, deadline 2, reopening 2,
// deadline 3, reopening 3). A deadline whose offset is negative takes it and
// its reopening from the (day of month, month 0-11) dates instead.
struct WindowTableEntry {
  int16_t offsets[6];
  int8_t dates[6][2];
};
extern const WindowTableEntry WindowTable[NUM_GAME_COUNTRIES];

// ---- the match day ----

// How much a competition draws the crowd (and weighs on the players' nerves),
// per competition code 0-118: the league 60, the play-offs 120 to 200, the
// super cup 120; each cup's sixteen codes 70 to 200 for its rounds' single
// matches and first legs and 5 less for their second legs; friendlies 20 and
// matches outside the records 100.
constexpr int NUM_COMPETITION_CODES = 119;
extern const int16_t CompetitionInterest[NUM_COMPETITION_CODES];

// The price of a league ticket, per game country and division.
extern const int16_t TicketPrice[NUM_GAME_COUNTRIES][NUM_DIVISIONS];

// The play-off rules of each game country (three values): a 2 makes a
// play-off semi-final a single match with extra time and penalties that puts
// its loser out.
constexpr int PLAYOFF_RULES = 3;
constexpr int16_t PLAYOFF_SINGLE_MATCH = 2;
extern const int16_t PlayoffRules[NUM_GAME_COUNTRIES][PLAYOFF_RULES];

// The division that the winner of a play-off final between two clubs of one
// division goes to, per game country and division.
extern const int16_t PlayoffTargetDivision[NUM_GAME_COUNTRIES][NUM_DIVISIONS];
