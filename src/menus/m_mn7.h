// The Squad screen: the up to 32 players of the screen's club (MenuClub), or
// of a reserve pool, in two columns of 16 with shirt number, name, position,
// side, status, a note and one chosen statistic. On the human manager's own
// squad it is where shirt numbers are swapped and the captain and the
// set-piece takers are chosen.
//
// The four roles, in the order of the "Duties" list: 0 the captain, 1 the
// corner taker, 2 the penalty taker, 3 the free-kick taker. They are the
// human manager's own choices that the match day reads (HumanChoices); the
// captain is also set in the world's player records.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem SquadMenu[];

constexpr int SQUAD_MAX_PLAYERS = 32;
constexpr int SQUAD_ROWS = 16;  // per column
constexpr int SQUAD_ROLES = 4;
enum : int16_t { SQUAD_ROLE_CAPTAIN = 0, SQUAD_ROLE_CORNER = 1, SQUAD_ROLE_PENALTY = 2, SQUAD_ROLE_FREE_KICK = 3 };

// A row's state code (the colour its name is written in).
enum : int16_t {
  SQUAD_STATE_NONE = 0,
  SQUAD_STATE_UNFIT = 4,        // injured, suspended or unavailable
  SQUAD_STATE_LOANED_OUT = 7,   // on loan at another club
  SQUAD_STATE_SELECTED = 8,     // picked for a shirt swap
  SQUAD_STATE_NO_RECORD = 9,    // a player without a full record
};

// One player's row as the screen shows it. A blank row: player -1, every
// text number -1, the numbers their blank values, no icons (0).
struct SquadRow {
  int16_t player;
  int16_t shirt;        // BLANK_S16 without a shirt, away from the club or unfit
  int16_t name;         // text number
  int16_t side;         // 36 "L", 37 "R", 38 "L/R", -1 none
  int16_t note;         // 40 "TX", 1171 "RQ", 39 "LN", 718 "CT", -1 none
  uint16_t state;       // SQUAD_STATE_*
  int16_t saleStatus;
  int16_t positionIcon; // 89-92, or the first role mark the player holds
  int16_t statusIcon;   // the status icon, or the second role mark, 0 none
  int16_t value16;      // the statistic (BLANK_S16 when not a 16-bit figure)
  int32_t value32;      // the statistic (MENU_BLANK_VALUE when not a 32-bit figure)
  int16_t valueText;    // the statistic as a text ("---", "R", "-", a note), -1 none
};

// ---- the screen's steps (the handlers call these; tests too) ----

// The next opening shows reserve pool `slot` instead of MenuClub's squad
// (one opening only; the player page's round trip keeps it).
void Squad_ShowReservePool(int16_t slot);
// The next opening shows database club `dbClub`, a foreign club outside the
// world, by the foreign flag: its name and an empty list (one opening only).
void Squad_ShowForeignClub(int16_t dbClub);
// The opening: the list filled, the flags cleared, the screen header set.
void Squad_Open();
// Every redraw: the sort keys from the two flags, the sorted list, the rows
// and the value column.
void Squad_Refresh();
// The value column for a statistic (a sort key): header and every row's
// value. A key the screen does not offer stops the program.
void DisplaySort(int16_t sortByType);

// The two sort flags (each flipped by its button).
void Squad_SetSortFlags(bool byColumn, bool byPosition);
int16_t Squad_ToggleSortByColumn(MenuHotspot* spot);
int16_t Squad_ToggleGroupByPosition(MenuHotspot* spot);

// A statistic chosen from the "Order" list: refused (with its message) for
// morale, fitness and fatigue while the players are on holiday. Answers a
// redraw.
int16_t Squad_ChooseStatistic(int16_t key);
// The statistic keys of the "Order" list, in list order.
constexpr int SQUAD_STATISTICS = 14;
extern const int16_t SquadStatisticKeys[SQUAD_STATISTICS];

// A "Duties" entry arms its role.
void Squad_ArmRole(int16_t role);
// A click on a player of the human manager's own squad: the loan refusal,
// an armed role, or the shirt-swap pick. Answers a redraw.
int16_t Squad_ClickPlayer(int16_t player);
// A click on a name: the player page, back to this screen. Answers 6.
int16_t Squad_NameClick(int16_t player);
// Back: answers 6 with MenuOption set.
int16_t Squad_Back();

// The holder of a role (-1 none) and whether a player holds it.
int16_t Squad_RoleHolder(int16_t role);
void Squad_SetRoleHolder(int16_t role, int16_t player);

// ---- what tests look at ----

const SquadRow& Squad_Row(int column, int row);  // column 0 left, 1 right
int16_t Squad_ListCount();
int16_t Squad_ListAt(int index);
const char* Squad_ValueHeader();  // "Data :  Price"
int16_t Squad_ValueHeaderText();  // the column name's text number
int16_t Squad_ChosenKey();
int16_t Squad_Selected();
bool Squad_RoleArmed(int16_t role);
bool Squad_ReserveMode();
int16_t Squad_ForeignClub();  // -1 unless the foreign flag is set
bool Squad_ShowsControls();

// The screen as at program start (a registered reset).
void Squad_Reset();
