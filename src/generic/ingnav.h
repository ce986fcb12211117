// What every in-match menu page shares: a player's position class and
// icon, his card and injury marks, the figures the pages show of him, the
// navigation bar across the foot of each page, and the runner of one GN menu.
#pragma once

#include <cstdint>

#include "menus/gnlayer.h"
#include "menus/gnmap.h"

// Position class of a MatchSetupPlayer position code: 0 goalkeeper, 1 defender (1-4), 2 midfielder (5-9, 13),
// 3 attacker (10-12), -1 any other.
int InGame_PositionClass(int positionCode);
// The position class of the side's squad entry (shirt slot) `player` (0-16, read from the match set-up); -1 for a
// bad side or player.
int InGame_PlayerPositionClass(int side, int player);
// GN graphic of a position: 6 + class (6 keeper .. 9 attacker), 0 for none.
int16_t InGame_PositionIcon(int positionClass);

// GN graphics of the marks.
constexpr int16_t INGAME_MARK_NONE = 0;
constexpr int16_t INGAME_MARK_RED = 3;
constexpr int16_t INGAME_MARK_YELLOW = 4;
constexpr int16_t INGAME_MARK_INJURY = 5;

// Card and injury marks of a player match record: *first/*second get GN graphics (0 none): 0x40 -> 4; 0x80 -> 4 and 3;
// 0xC0 -> 3; injury -> 5 unless hidden (see the rule table in ingnav.cpp). `played`: the player has been on the pitch;
// `onPitch`: he is on it now.
void InGame_MarksOfRecord(const uint8_t* record, bool played, bool onPitch, int16_t* card1, int16_t* card2,
                          int16_t* injury);
// The same for a player (0-15) of the running match; all 0 for a bad side or player.
void InGame_PlayerMarks(int side, int player, int16_t* card1, int16_t* card2, int16_t* injury);

// The player's live match record (zeroed first: a simulated match leaves it empty). False for a bad side or player
// (0-15), the record then all zero.
bool InGame_FillRecord(int side, int player, uint8_t* record);

// ---- the figure columns: one table for the Performance pages and the Data columns ----

// Performance sub-pages, in the order of their buttons.
enum InGamePerformancePage : int {
  PERF_KEEPING = 0,
  PERF_DEFENCE = 1,
  PERF_POSSESSION = 2,
  PERF_DISTRIBUTION = 3,
  PERF_ATTACK = 4,
  PERF_OTHER_DATA = 5,
  PERF_PAGES = 6,
};
constexpr int PERF_COLUMNS = 6;
// The Data columns ("Con.", "INV", "WRT", "MIN").
constexpr int INGAME_DATA_COLUMNS = 4;

// Which players a Performance page shows figures for.
enum InGameRowRule : uint8_t {
  ROWS_IN_GOAL,      // has played in goal
  ROWS_OUTFIELD,     // has played outfield
  ROWS_PLAYED,       // has been on the pitch (a match rating)
  ROWS_RECORD_FLAG,  // the record's played flags (in goal or outfield)
};

// A column: its head, its hint, and where its figure comes from.
struct InGameFigureColumn {
  const char* head;  // nullptr: an empty column
  const char* hint;
  int16_t figure;    // an InGameFigure
};

// The head, hint and figure of a Performance column (nullptr head for an empty one or bad page/column).
const InGameFigureColumn* InGame_PerformanceColumn(int page, int column);
// The page's row rule.
InGameRowRule InGame_PerformanceRows(int page);
// The head of Data column 0-3 ("Con.", "INV", "WRT", "MIN"); "" for another.
const char* InGame_DataColumnHead(int column);

// A figure of the record (and, for the minutes on the pitch, the player's match object when there is one); 0 for an
// unknown figure.
int32_t InGame_FigureOfRecord(int16_t figure, const uint8_t* record, int side, int player);
// Performance figure of a player of the running match; 0 for a bad page, column, side or player.
int32_t InGame_PerformanceFigure(int side, int player, int page, int column);
// Whether the player's row of the page shows figures (else the not-played mark).
bool InGame_PerformanceRowShown(int side, int player, int page);
// Data column 0-3 of a player (0-15) of the running match: condition, involvement, workrate, minutes on the pitch;
// 0 for a bad side, player or column.
int32_t InGame_DataColumn(int side, int player, int column);

// ---- the navigation bar ----

// The navigation bar: nine buttons; region ids INGAME_NAV_FIRST_REGION + 0..8 (row-major as in the table).
// INGAME_NAV_ITEMS(callback) expands to the bar's GN items (use inside a map); the labels come from variables that
// InGameNav_Refresh(lineUpsPage) fills. InGameNav_Click(regionId) sets InGameMenuCode / InGameMenuSide as the table
// says and returns GN_RESULT_LEAVE (303). A screen with its own rule (Subs/Tactics' validation) wraps the callback.
constexpr int16_t INGAME_NAV_FIRST_REGION = 900;
constexpr int INGAME_NAV_BUTTONS = 9;
constexpr int16_t INGAME_NAV_W = 200, INGAME_NAV_H = 20;

struct InGameNavButton {
  int16_t x, y;
  int16_t code;  // the menu it opens (the Line-ups button on the Line-ups page: leave)
  int16_t side;  // the side it sets, -1 leaves InGameMenuSide as it is
};
inline constexpr InGameNavButton InGameNavButtons[INGAME_NAV_BUTTONS] = {
    {20, 410, 4, 0},  {220, 410, 9, -1}, {420, 410, 4, 1},  // first side's Subs/Tactics, Pitch Action, second side's
    {20, 430, 8, 0},  {220, 430, 12, -1}, {420, 430, 8, 1}, // Stats, Marking, Stats
    {20, 450, 5, 0},  {220, 450, 6, -1}, {420, 450, 5, 1},  // Performance, Line-ups (Done), Performance
};
constexpr int INGAME_NAV_LINE_UPS = 7;  // the button that reads "Done" and leaves on the Line-ups page
// The labels the bar shows (filled by InGameNav_Refresh).
extern const char* InGameNavLabels[INGAME_NAV_BUTTONS];

void InGameNav_Refresh(bool lineUpsPage);
int16_t InGameNav_Click(int16_t regionId);
int16_t InGameNav_Callback(const GNMessage* message);  // 203 -> InGameNav_Click, else 301
// The code and side a button sets (for screens that wrap the callback); false for a region not of the bar.
bool InGameNav_Target(int16_t regionId, int16_t* code, int16_t* side);

#define INGAME_NAV_BUTTON_ITEMS(i, callback)                                                              \
  gnitem::Set(GN_ITEM_REGION_ID, INGAME_NAV_FIRST_REGION + (i)),                                          \
      gnitem::TextVar(InGameNavButtons[i].x, InGameNavButtons[i].y, INGAME_NAV_W, INGAME_NAV_H,           \
                      &InGameNavLabels[i], callback)

// The bar's items: raised buttons with centred labels, then the settings back to none/top-left.
#define INGAME_NAV_ITEMS(callback)                                                                         \
  gnitem::Set(GN_ITEM_FONT_COLOUR, 0), gnitem::Set(GN_ITEM_JUSTIFY, GN_JUSTIFY_CENTRE | GN_JUSTIFY_MIDDLE), \
      gnitem::Set(GN_ITEM_AUTO_BUTTON, 1), INGAME_NAV_BUTTON_ITEMS(0, callback),                          \
      INGAME_NAV_BUTTON_ITEMS(1, callback), INGAME_NAV_BUTTON_ITEMS(2, callback),                         \
      INGAME_NAV_BUTTON_ITEMS(3, callback), INGAME_NAV_BUTTON_ITEMS(4, callback),                         \
      INGAME_NAV_BUTTON_ITEMS(5, callback), INGAME_NAV_BUTTON_ITEMS(6, callback),                         \
      INGAME_NAV_BUTTON_ITEMS(7, callback), INGAME_NAV_BUTTON_ITEMS(8, callback),                         \
      gnitem::Set(GN_ITEM_AUTO_BUTTON, 0), gnitem::Set(GN_ITEM_REGION_ID, -1),                            \
      gnitem::Set(GN_ITEM_JUSTIFY, GN_JUSTIFY_LEFT | GN_JUSTIFY_TOP)

// Runs one GN menu over `map`: start set, init, refresh()+redraw until the loop returns 1, uninit, end set.
void InGame_RunGNMenu(const GNDisplayItem* map, void (*refresh)());

// The module as at program start (a registered reset).
void InGameNav_Reset();
