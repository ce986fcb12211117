// The Statistics screen: players from up to three sources (the screen's
// club, its next opponent, the short list) with nine skill columns the user
// chooses, sortable by any of them, and one chosen figure column. On the
// screen's club's own players it assigns the set-piece roles (the Squad
// screen's duties) and swaps shirt numbers.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem StatisticsMenu[];

constexpr int STATISTICS_COLUMNS = 9;
constexpr int STATISTICS_SKILLS = 18;
constexpr int STATISTICS_FIGURES = 10;
constexpr int STATISTICS_ROWS = 16;
constexpr int STATISTICS_MAX = 32 + 32 + 40;

// The pending duties, in the order of the "Duties" list.
enum : int16_t {
  STATISTICS_DUTY_CAPTAIN = 0,
  STATISTICS_DUTY_FREE_KICK = 1,
  STATISTICS_DUTY_CORNER = 2,
  STATISTICS_DUTY_PENALTY = 3,
};
constexpr int STATISTICS_DUTIES = 4;

// The sources of the list.
enum : int16_t { STATISTICS_OWN_CLUB = 0, STATISTICS_OPPONENT = 1, STATISTICS_SHORT_LIST = 2 };

struct StatisticsRow {
  int16_t player;          // -1 for a blank row
  int16_t shirt;           // BLANK_S16 unless a player of the screen's club with a shirt
  int16_t name;            // text number, -1 none
  int16_t nameColour;
  int16_t side;            // text number, -1 none
  int16_t positionIcon;    // 0 none
  int16_t statusIcon;
  int16_t shortListMark;   // icon 1358 or 0
  int16_t ownClubMark;     // icon 1359 or 0
  int16_t roleMark[4];     // captain 101, penalty 1422, corner 1423, free kick 1424, or 0
  int16_t figure;          // BLANK_S16 for a blank figure
  int16_t skill[STATISTICS_COLUMNS];
  int16_t skillColour[STATISTICS_COLUMNS];
};

// A skill's value for a player, chosen by its head text (41-58); any other
// skill gives BLANK_S16.
int16_t Statistics_ColumnValue(int16_t skill, int16_t player);
// The chosen figure of a player (BLANK_S16 where it is shown blank).
int16_t Statistics_DisplaySort(int16_t player);
// A skill's head text, short head and sort key.
int16_t Statistics_SkillHead(int16_t skill);
int16_t Statistics_SkillKey(int16_t skill);

// ---- the screen's steps (the handlers call these; tests too) ----

void Statistics_Open();
void Statistics_Refresh();
// The column pop-up: "Sort" on column c, or skill s into column c.
int16_t Statistics_SortColumn(int16_t column);
int16_t Statistics_SetColumnSkill(int16_t column, int16_t skill);
int16_t Statistics_ChooseFigure(int16_t figure);
// The display pop-up's toggles.
int16_t Statistics_ToggleTypeOn();
int16_t Statistics_ToggleSource(int16_t source);
// The duties pop-up: makes a duty pending or not pending.
int16_t Statistics_ToggleDuty(int16_t duty);
int16_t Statistics_RowClick(int16_t row);
int16_t Statistics_NameClick(int16_t row);
int16_t Statistics_Scroll(int16_t delta);
int16_t Statistics_Tab(int16_t option);  // "Squad" (7) or "Stats. Analysis" (21)
int16_t Statistics_Back();

// ---- what tests look at ----

const StatisticsRow& Statistics_Row(int row);
int16_t Statistics_ListAt(int index);
int16_t Statistics_Length();
int16_t Statistics_Offset();
void Statistics_SetOffset(int16_t offset);
int16_t Statistics_SortKey();
int16_t Statistics_Figure();
int16_t Statistics_ColumnSkill(int column);
bool Statistics_SourceOn(int16_t source);
bool Statistics_TypeOn();
bool Statistics_DutyPending(int16_t duty);
int16_t Statistics_Pick();
// The ticks the pop-ups show: column c's rows ("Sort" first), the figure
// rows, the display rows and the duty rows.
bool Statistics_ColumnRowTicked(int column, int row);
bool Statistics_FigureRowTicked(int row);

void Statistics_Reset();
