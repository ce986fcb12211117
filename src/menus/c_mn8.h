// The Player Stats screen: the squad of the screen's club (MenuClub) with
// nine statistic columns from one of two statistics groups, sortable by any
// column. On the human manager's own club it is also where shirt numbers are
// swapped and the captain and the set-piece takers are chosen (the same
// choices as the Squad screen's "Duties").
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem PlayerStatsMenu[];

constexpr int PLAYER_STATS_MAX = 32;
constexpr int PLAYER_STATS_ROWS = 12;     // visible rows
constexpr int PLAYER_STATS_COLUMNS = 9;
constexpr int16_t PLAYER_STATS_OWN_VIEW = 0;
constexpr int16_t PLAYER_STATS_OTHER_VIEW = 2;
// The first and last column number ColourStats takes (column 0 is 7).
constexpr int16_t PLAYER_STATS_FIRST_COLUMN = 7;
constexpr int16_t PLAYER_STATS_LAST_COLUMN = 15;

// One visible row; a blank row has player -1, shirt and values BLANK_S16.
struct PlayerStatsRow {
  int16_t player;
  int16_t shirt;
  int16_t name;     // text number, -1 none
  int16_t colour;   // the name's text colour
  int16_t mark;     // 1 for the shirt-swap pick
  int16_t value[PLAYER_STATS_COLUMNS];
  int16_t cellColour[PLAYER_STATS_COLUMNS];
};

// The text colour of a statistic value: below 16 -> 4, 16-30 -> 16,
// 31-75 -> 0, 76-90 -> 12, 91 and above -> 6.
int16_t StatValueColour(int16_t value);

// The statistic a column type (a sort key, 7-24) shows; other types give 0.
int16_t PlayerStats_GetStat(int16_t type, int16_t player);

// The colour of visible row `row`'s cell in column `column` (7-15, column 0
// to 8), from the value shown there. Any other column stops the program.
int16_t ColourStats(int16_t column, int16_t row);

// ---- the screen's steps (the handlers call these; tests too) ----

void PlayerStats_Open();
void PlayerStats_Refresh();
// Sort by a column (0-8), by the "Data" button, or toggle the group.
int16_t PlayerStats_SortByColumn(int16_t column);
int16_t PlayerStats_SortByData();
int16_t PlayerStats_ToggleGroup();
int16_t PlayerStats_Scroll(int16_t delta);
// A click on visible row `row`: the chosen roles, or the player's page.
int16_t PlayerStats_RowClick(int16_t row);
// A click on visible row `row`'s shirt: the loan refusal, the pick or the swap.
int16_t PlayerStats_ShirtClick(int16_t row);
// A choose button (role as in m_mn7.h: captain, corner, penalty, free kick).
int16_t PlayerStats_ChooseButton(int16_t role);
int16_t PlayerStats_MatchStats();
int16_t PlayerStats_Back();

// ---- what tests look at ----

const PlayerStatsRow& PlayerStats_Row(int row);
int16_t PlayerStats_ListAt(int index);
int16_t PlayerStats_Length();
int16_t PlayerStats_Offset();
int16_t PlayerStats_View();
int16_t PlayerStats_Group();
int16_t PlayerStats_SortColumn();
int16_t PlayerStats_Pick();
bool PlayerStats_Choosing(int16_t role);
int16_t PlayerStats_Head(int column);  // the column's head text number
int16_t PlayerStats_HolderName(int16_t role);

void PlayerStatsScreen_Reset();
