// The Arrange Friendly screen (option 17): fifteen days of the screen club
// (MenuClub) with what it plays on each; a free day (or one holding a
// friendly) lists the league clubs of one division of the game country that
// play nothing within two days of it, and a click on one books the friendly
// (competition 117), at home or away by the club's home/away mark. "Friendly
// Tour" books a tour in one of sixteen countries.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem ArrangeFriendlyMenu[];

constexpr int ARRANGE_DAYS = 15;   // day rows
constexpr int ARRANGE_ROWS = 15;   // club rows shown
constexpr int ARRANGE_CLUBS = 250;
constexpr int ARRANGE_MAX_DIVISIONS = 6;
constexpr int ARRANGE_TOURS = 16;
constexpr int16_t ARRANGE_FRIENDLY = 117;

struct ArrangeFriendlyView {
  int16_t firstDay;     // the first day shown
  int16_t selectedDay;  // -1 none
  // The day rows: "Sat 10/7", the opponent's name (or 168 "-- No Fixture --"),
  // the day, a busy mark and the match's competition (-1 none).
  char dayText[ARRANGE_DAYS][32];
  int16_t dayOpponent[ARRANGE_DAYS];
  int16_t day[ARRANGE_DAYS];
  int16_t dayBusy[ARRANGE_DAYS];
  int16_t dayCompetition[ARRANGE_DAYS];
  int16_t dayColour[ARRANGE_DAYS];  // the selected day's row is highlighted
  int16_t homeAway[ARRANGE_CLUBS];  // 0: the screen club at home, 1 away
  int16_t available[ARRANGE_CLUBS]; // clubs free around the selected day, -1 after the last
  int16_t availableCount;
  int16_t filtered[ARRANGE_CLUBS];  // of the selected division and the game country
  int16_t count;
  int16_t offset;                   // the first club row shown
  int16_t division;
  int16_t divisions;
  int16_t divisionNames[ARRANGE_MAX_DIVISIONS];
  int16_t tabState[ARRANGE_MAX_DIVISIONS];
  int16_t divisionName;
  int16_t clubName;
  // The club rows: the club (-1 none), its name and its home/away mark.
  int16_t rowClub[ARRANGE_ROWS];
  int16_t rowName[ARRANGE_ROWS];
  int16_t rowMark[ARRANGE_ROWS];
};
const ArrangeFriendlyView& ArrangeFriendly_View();

// The countries of the tours, in list order.
extern const int16_t ArrangeTourCountries[ARRANGE_TOURS];

// The opening: today first, no day, division 0, the home/away draws.
void ArrangeFriendly_Open();
// Every redraw: the division names, the day rows, the filtered clubs, the
// club rows, the tab bar.
void ArrangeFriendly_Refresh();
// A day row (0-14): a free day or a friendly's day is selected and lists the
// clubs free from two days before it to two days after; any other day
// leaves the list empty.
int16_t ArrangeFriendly_ClickDay(int row);
// A club row (0-14): the friendly, unless the screen club already plays that
// day; a full fixture list shows 1126.
int16_t ArrangeFriendly_ClickClub(int row);
int16_t ArrangeFriendly_DaysDown();
int16_t ArrangeFriendly_DaysUp();
int16_t ArrangeFriendly_ClubsDown();
int16_t ArrangeFriendly_ClubsUp();
int16_t ArrangeFriendly_SelectDivision(int division);
// A tour to country row 0-15 of the list; 1126 when the club cannot take one.
int16_t ArrangeFriendly_Tour(int row);
int16_t ArrangeFriendly_Done();

void ArrangeFriendly_Reset();
