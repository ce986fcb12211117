// Setting up a new game: the source database the world is built from
// (stats\totstat.dat, read through the pak layer), the laying out of the
// world's clubs from it, the whole new game in its nineteen progress steps,
// the human manager's installation at his club and the summary of a match's
// figures.
//
// The file is read whole and checked before any of it is taken: its size, the
// player count, and every field of every record that the new game uses as an
// index or a code (club database numbers, the players' surname index, club,
// position and nationality). A bad file stops the game with a fatal error that
// names the file and the fault; the buffers keep what they held before.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "world/source_records.h"

constexpr const char* TOTSTAT_FILE_NAME = "stats\\totstat.dat";

// Reads and checks stats\totstat.dat: the 1,200 source club records, the
// source player records, their first names and the player count. The club
// records are handed to the stand set-up (SetSourceClubRecords).
void LoadTotStats();

// The check LoadTotStats makes, on a file image of size bytes: true when the
// image is sound, else false and the fault in words (without the file name).
bool TotStats_Check(const uint8_t* image, size_t size, std::string* fault);

// Whether a database has been loaded since the last reset.
bool TotStats_Loaded();
// Source player records in use (0 before a load).
int32_t SourcePlayerCount();
// Source club record 0-1199, else null.
const uint8_t* SourceClubRecord(int index);
// Source player record 0 to SourcePlayerCount() - 1, else null.
const uint8_t* SourcePlayerRecord(int index);
// The first name of source player record 0-24,999 (zero-ended), else "".
const char* SourceFirstName(int index);
// The first source club record whose database number is dbClub, else
// NUM_DB_CLUBS (which stands for none).
int16_t SourceClubIndexOf(int dbClub);

// The game's first day, 10 July 1999, and its weekday, 0: the weekday of
// another date is counted from it day by day.
constexpr int16_t NEW_GAME_DAY = 10;
constexpr int16_t NEW_GAME_MONTH = 6;  // July: months count from 0
constexpr int16_t NEW_GAME_YEAR = 1999;
int16_t WeekdayOfDate(int16_t dayOfMonth, int16_t month, int16_t year);

// A new game's clubs, from the loaded source database and the game country's
// club list: the club-slot map, the database clubs' reputations, and for
// every world club its bids cleared, reputation, country, stands, records,
// staff, clauses, map position, and for a club of the game country its
// division and opening balance (other countries' clubs: division 0, no
// balance); then the calendar at the start date.
void Club_InitCountryClubs();

// The opening balance of a game-country club of division 0-5 with that
// reputation.
int32_t NewGame_OpeningBalance(int gameCountry, int division, int reputation);

// ---- the new game ----

// The steps of the progress display while a new game is made: the step word
// runs from 0 to NEW_GAME_STEPS, then both words are -1 again.
constexpr int16_t NEW_GAME_STEPS = 19;

// Days the world runs before the user takes over: 21, 35 in game country 2
// (0 outside the game countries).
int16_t PreSeasonDays(int gameCountry);

// The game-setting bytes of the menus that a new game sets: the first 0, the
// second 1. While the first is 1 an installed manager keeps his training
// value.
constexpr int NEW_GAME_SETTINGS = 2;
extern uint8_t NewGameSettings[NEW_GAME_SETTINGS];

// A complete world for GameCountry (0-8): the calendar at 10 July 1999, the
// European holders, the source database, the clubs, the fixtures and tables,
// the staff market, the roll of honour, the European entrants, the players,
// the pre-season days, then the history logs emptied. The progress words
// count the steps, and Poll runs before each. A game country outside 0-8
// stops the game with a fatal error.
void StartNewGame();

// The world club that stands at place `slot` (0-3) of the play-offs into
// division `division` at a new game, before any season has been played: the
// clubs just below the division's automatic promotion places in the game
// country's club list; -1 for a division without play-offs.
int16_t NewGame_PlayoffClub(int gameCountry, int division, int slot);

// The cup draw's count of the day: past FirstMatchDay the days since the
// first matchday go up by one; then the rounds due today are drawn.
void Season_DrawCupsForDay();

// Puts human manager `manager` (1 for the first) in charge of every club
// whose control is that number: his own player record (number manager - 1)
// joins the club as its manager, aged 14 in the stored age, with the
// appointment in the club event log and the player career log; at a club
// with the bossvane clause he is a playing manager. The previous manager's
// record `previousPlayer` leaves for no club (255) and keeps the club's
// number in his wage field: the club he last left. The built-in records 0
// and 1 (the human manager's own, the stand-in for no manager) and numbers
// outside the player table are never sent away.
void InstallHumanManager(int16_t manager, int16_t previousPlayer);

// ---- a match's figures ----

// Per side of the last match: five figures and one more as the match engine
// counted them, and the side's share of possession in percent (the two
// shares add up to 100; 50 each when neither had the ball).
struct MatchStatsSide {
  int16_t figures[5];
  int16_t extra;
  int16_t possessionShare;
};
extern MatchStatsSide MatchStatsSummary[2];
// Fills MatchStatsSummary from the match result record.
void BuildMatchStatsSummary();

void NewGame_Reset();
