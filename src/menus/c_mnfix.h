// The club's fixtures and the league table.
//
// Fixtures (option 8) lists every fixture of the season of the viewed club
// (MenuClub), seventeen rows at a time: date, venue, opponent, the score of
// a played one ("Vs" before it is played) and the competition. A row opens
// the opponent's squad. The club name at the top also hides a shortcut to
// the soak tool's fixture browser (option 67): five clicks on it with the
// mouse buttons left, left, right, left, right.
//
// The league table (option 9) shows one division of the game country with
// the home and away records, fifteen rows at a time; a row opens that club's
// squad, and the "Division" list picks another division.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem ClubFixturesMenu[];
extern const MenuItem LeagueTableMenu[];

// 1 while the club screens are opened from a page of their own (the club
// page's "Club Fixtures"): Fixtures then goes back to that page (option 6)
// with the restricted menu bar, and its rows open nothing.
extern int16_t MatchDayFlag;

// 1 once the hidden shortcut's pattern was completed: from then on every
// click on the club name opens option 67 at once. Cleared at start.
extern uint8_t ClubFixturesViewState;

// ---- Fixtures ----

constexpr int CLUB_FIXTURES_ROWS = 17;

// A row as the screen shows it; a blank row: fixture -1, texts -1 and "",
// goals BLANK_S16.
struct ClubFixtureRow {
  int16_t fixture;
  char date[24];       // "Sat 10/07"
  int16_t opponent;    // text number of the opponent's name
  int16_t venue;       // 1498 "N", 102 "H", 103 "A"
  int16_t ownGoals;    // the viewed club's goals
  int16_t separator;   // 125 "-" for a played fixture, 152 "Vs" before
  int16_t otherGoals;  // the opponent's goals
  char competition[96];
};

// The opening: the list of the viewed club's fixtures and the first row.
void ClubFixtures_Open();
// Every redraw: the seventeen rows from the first row.
void ClubFixtures_Refresh();
int16_t ClubFixtures_Handler(const MenuItem* header);
// A click on row 0-16: the opponent's squad (answers 6), or nothing (0).
int16_t ClubFixtures_ClickRow(int row);
int16_t ClubFixtures_ScrollUp(MenuHotspot* spot);
int16_t ClubFixtures_ScrollDown(MenuHotspot* spot);
int16_t ClubFixtures_Done(MenuHotspot* spot);
// A click on the club name with a mouse button (0 left, 1 right): a step of
// the hidden shortcut. Answers 6 when it opens option 67, else 0.
int16_t ClubFixtures_NameClick(int button);

const ClubFixtureRow& ClubFixtures_Row(int row);
int16_t ClubFixtures_Length();
int16_t ClubFixtures_ListAt(int index);
int16_t ClubFixtures_FirstRow();
int16_t ClubFixtures_ShortcutStep();  // clicks of the pattern made so far

// ---- the league table ----

constexpr int LEAGUE_TABLE_ROWS = 15;

// A row; a blank row: club -1, every number BLANK_S16.
struct LeagueTableScreenRow {
  int16_t club;
  int16_t position;  // 1-based
  int16_t name;      // text number
  int16_t movementIcon;  // 1316 + movement, 0 none
  int16_t played;
  int16_t homeWon, homeDrawn, homeLost;
  int16_t awayWon, awayDrawn, awayLost;
  int16_t goalsFor, goalsAgainst, difference, points;
  int16_t colour;    // text colour: 8 for a human-managed club, else 0
};

void LeagueTable_Open();
void LeagueTable_Refresh();
int16_t LeagueTable_Handler(const MenuItem* header);
// Division 0-5 of the game country: shown from its first row (a division the
// country does not have is refused). Answers a redraw.
int16_t LeagueTable_SelectDivision(int16_t division);
int16_t LeagueTable_ClickRow(int row);
int16_t LeagueTable_ScrollDown(MenuHotspot* spot);
int16_t LeagueTable_ScrollUp(MenuHotspot* spot);
int16_t LeagueTable_Done(MenuHotspot* spot);

const LeagueTableScreenRow& LeagueTable_Row(int row);
int16_t LeagueTable_Division();
int16_t LeagueTable_FirstRow();
int16_t LeagueTable_Size();
int16_t LeagueTable_Heading();  // the division's full name

// Back to the start: both screens empty, the shortcut not found.
void ClubFixturesView_Reset();
