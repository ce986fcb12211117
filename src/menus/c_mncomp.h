// The competition fixtures screen and the Domestic Roll Of Honour.
//
// Fixtures/Results (option 11) walks through the days of the season on which
// a league division or a cup of the game country (or a European competition)
// has fixtures, and shows that day's fixtures: scores once played, the clubs'
// league places before, their divisions or countries in a cup, and the
// aggregate of a second leg. "Tables" lists the divisions (and the league
// tables), "Cup Fixtures" the cups; a club's name opens its squad.
//
// The Domestic Roll Of Honour (option 12) shows last season's champions and
// runners-up of a division; for the top division also the first cup's winner
// and the clubs that went into Europe, for a lower one its play-off clubs.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem CompFixturesMenu[];
extern const MenuItem RollOfHonourMenu[];

// ---- Fixtures/Results ----

constexpr int COMP_FIXTURES_ROWS = 15;
constexpr int COMP_FIXTURES_DAYS = 370;
constexpr int COMP_FIXTURES_DAY_MAX = 250;  // fixtures of one day
constexpr int16_t COMP_FIXTURES_LAST_DAY = 369;

// A row; a blank row: fixture -1, names -1, goals BLANK_S16, texts "".
struct CompFixtureRow {
  int16_t fixture;
  int16_t home, away;    // the clubs
  int16_t homeName, awayName;  // text numbers
  int16_t homeGoals, awayGoals;
  int16_t separator;     // 125 "-" played, 152 "Vs" before
  int16_t aggregateHome, aggregateAway;  // BLANK_S16 unless a second leg's first leg was played
  char aggregate[24];    // "(3 - 2)" or ""
  char homeExtra[24];    // "(1st)", "(Div 2)", "(ENG)" or ""
  char awayExtra[24];
  int16_t group;         // the home club's group text, -1 none
  int16_t colour;        // 8 for a fixture of the user's club, else 0
};

// The opening: the division and cup lists, league mode in the user's club's
// division, the first row 0, a rebuild.
void CompFixtures_Open();
// Every redraw: the rebuild when asked, the day shown moved to a day with
// fixtures, the day's rows, the headings.
void CompFixtures_Refresh();
int16_t CompFixtures_Handler(const MenuItem* header);
// League mode in division 0-5 (refused outside the country's divisions).
int16_t CompFixtures_ChooseDivision(int16_t division);
// Cup mode in cup 0-6 (the codes 5 + 16 x cup to 20 + 16 x cup).
int16_t CompFixtures_ChooseCup(int16_t cup);
int16_t CompFixtures_DayForward(MenuHotspot* spot);
int16_t CompFixtures_DayBack(MenuHotspot* spot);
int16_t CompFixtures_ScrollDown(MenuHotspot* spot);
int16_t CompFixtures_ScrollUp(MenuHotspot* spot);
// A click on a row's home (side 0) or away (side 1) club: its squad.
int16_t CompFixtures_ClickClub(int row, int side);
int16_t CompFixtures_Done(MenuHotspot* spot);
int16_t CompFixtures_LeagueFixtures(MenuHotspot* spot);
int16_t CompFixtures_Tables();

const CompFixtureRow& CompFixtures_Row(int row);
int16_t CompFixtures_Mode();  // 1 league, 0 cup
int16_t CompFixtures_Day();   // the day shown
int16_t CompFixtures_DayCount();  // fixtures of the day shown
int16_t CompFixtures_FirstRow();
int16_t CompFixtures_ListLength();
bool CompFixtures_NoFixtures();
const char* CompFixtures_CompetitionLine();
const char* CompFixtures_DateLine();

// ---- the Domestic Roll Of Honour ----

constexpr int ROLL_OF_HONOUR_ROWS = 21;
constexpr int ROLL_OF_HONOUR_SHOWN = 15;

void RollOfHonour_Open();
void RollOfHonour_Refresh();
int16_t RollOfHonour_Handler(const MenuItem* header);
int16_t RollOfHonour_SelectDivision(int16_t division);
int16_t RollOfHonour_Done(MenuHotspot* spot);
int16_t RollOfHonour_Division();
// Row 0-20: its label and its text ("" when blank).
const char* RollOfHonour_Label(int row);
const char* RollOfHonour_Text(int row);
const char* RollOfHonour_DivisionLine();

// Both screens as at start.
void CompFixtures_Reset();
