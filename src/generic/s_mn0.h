// The Subs/Tactics screen of the in-match menus and the formation grid it
// shares with the Marking screen.
//
// The screen shows the squad of InGameMenuSide: substitutions (the bench
// only when the match flow forced the screen open), swaps of squad order,
// the set-piece duties, each player's instructions and data, the formation
// (stock family and variant, or one of the club's custom formations) and a
// 15 x 18 grid on which the outfield players' cells, run targets and links
// are edited. Only a human-managed side's screen changes anything. Before
// any navigation button and before "Substitute" the side is checked: a
// captain, the three takers, a keeper on the pitch and a full team.
#pragma once

#include <cstddef>
#include <cstdint>

#include "menus/gnmap.h"

// ---- the formation slot ----

// Fields of a formation slot (from FormationSlotOffset(slot) of a 330-byte
// formation; see gamecode/matchrun.h for the cell, flags and instructions).
constexpr int SLOT_RUN_ACROSS = 4;          // int16: run target column, -1 none
constexpr int SLOT_RUN_ALONG = 6;           // int16: run target row
constexpr int SLOT_SECOND_RUN_ACROSS = 15;  // int16: second run target column, -1 none
constexpr int SLOT_SECOND_RUN_ALONG = 17;   // int16
constexpr int SLOT_LINK_ACROSS = 19;        // int16: link point column, -1 none (used without a link slot)
constexpr int SLOT_LINK_ALONG = 21;         // int16
constexpr int SLOT_MARKED = 23;             // int16: the marked opponent's shirt position + 1, 0 none
// The bytes of a slot's fields: every slot has them, the last one ends the
// record with them.
constexpr int SLOT_FIELD_BYTES = 25;
constexpr int SLOT_NO_LINK = 31;            // the low five bits of the flags: no link slot
constexpr int FORMATION_COLUMNS = 15;
constexpr int FORMATION_ROWS = 18;
constexpr int FORMATION_PLAYERS = 11;       // slots 0-10, slot 0 the keeper

int16_t Formation_Get(const uint8_t* formation, int slot, int field);
void Formation_Set(uint8_t* formation, int slot, int field, int16_t value);
// The slot's cell; false when it is off the grid (the value came from a file).
bool Formation_Cell(const uint8_t* formation, int slot, int* column, int* row);
// A target (run, second run, link point) of the slot from its two fields;
// false for none or a cell off the grid.
bool Formation_Target(const uint8_t* formation, int slot, int acrossField, int* column, int* row);
// The link slot 0-10, -1 none (31 or any other value).
int Formation_LinkSlot(const uint8_t* formation, int slot);
void Formation_SetLinkSlot(uint8_t* formation, int slot, int linkSlot);  // -1: none
// The marked opponent 1-11, 0 none (any other value).
int Formation_MarkedOpponent(const uint8_t* formation, int slot);
// Two slots change places: their fields swap (never past the record), and a
// link that then points at its own slot is cleared.
void Formation_ExchangeSlots(uint8_t* formation, int a, int b);
// The instruction cells of a slot (cells 0-3: the third byte 0-1-2, the
// first byte 0-1-2, the second byte on/off, the link cleared).
void Formation_InstructionCell(uint8_t* formation, int slot, int cell);

// The graphic of an instruction cell (0 none), from a screen's seven marks in
// this order: third byte 2, third byte 1, first byte 1, first byte 2, second
// byte on, a link slot, a link point.
int Formation_InstructionGraphic(const uint8_t* formation, int slot, int cell, const int16_t marks[7]);

// ---- the formation grid editor (Subs/Tactics and Marking) ----

// Where a grid sits on its screen: the view's top-left corner (the hit-test
// origin) and where column 0 and row 0 are drawn (rows grow upwards).
struct FormationView {
  int16_t x, y;
  int16_t cellX, cellY;
};
constexpr FormationView SUBS_FORMATION_VIEW{400, 40, 406, 318};
constexpr FormationView MARKING_FORMATION_VIEW{220, 28, 226, 308};
constexpr int16_t FORMATION_VIEW_W = 200, FORMATION_VIEW_H = 300;

// The cell of a point of the screen; false off the grid (the view's right
// and bottom edges give column 15 and row -1: no cell).
bool FormationView_CellAt(const FormationView& view, int px, int py, int* column, int* row);

struct FormationGrid {
  FormationView view;
  int16_t side;
  int16_t editable;      // the side is human-managed: clicks and drags change it
  int16_t cells[FORMATION_COLUMNS][FORMATION_ROWS];  // the player (0-15) in each cell, -1 empty
  int16_t selection;     // the selected player, -1 none
  int16_t justPlaced;    // 1 right after a placement
  int16_t pressColumn, pressRow;  // -1: the press was off the grid
  int16_t pressButtons;  // bit 0 left, bit 1 right
};

void FormationGrid_Open(FormationGrid& grid, const FormationView& view, int side);
// The cells from slots 1-10 of the side's players on the pitch.
void FormationGrid_Build(FormationGrid& grid);
int16_t FormationGrid_PlayerAt(const FormationGrid& grid, int column, int row);
// Moves the player to the cell and stores the cell in his formation slot; a
// player whose slot is not one of the eleven is fatal.
void PositionPlayer(FormationGrid& grid, int player, int column, int row);
// A press (its buttons) and the release that follows: the grid's clicks and
// drags. Answers true when the formation or the selection changed.
void FormationGrid_Press(FormationGrid& grid, int px, int py, int32_t buttons);
bool FormationGrid_Release(FormationGrid& grid, int px, int py);
// Forgets the press (the pointer left the grid with the button down).
void FormationGrid_CancelPress(FormationGrid& grid);
// Draws the grid's players with their lines (the GN layer must be drawing).
void FormationGrid_Draw(const FormationGrid& grid);

// A squad entry's name (ended within its field) and shirt number.
void InGame_PlayerName(int side, int player, char* out, size_t size);
int16_t InGame_ShirtNumber(int side, int player);

// ---- set-piece duties (cells 0-3: captain, corner, penalty, free kick) ----

void InGame_SetDuty(int side, int player, int duty);
bool InGame_HasDuty(int side, int player, int duty);

// ---- the Subs/Tactics screen ----

enum SubsTacticsPage : int16_t { SUBS_PAGE_INSTRUCTIONS = 0, SUBS_PAGE_DUTIES = 1, SUBS_PAGE_DATA = 2 };
constexpr int SUBS_ROWS = 16;        // 0-10 the pitch, 11-15 the bench
constexpr int SUBS_PITCH_ROWS = 11;
constexpr int SUBS_CELLS = 4;

// The checks, in the order they run (0 none failed).
enum SubsRule : int16_t {
  SUBS_RULE_NONE = 0,
  SUBS_RULE_CAPTAIN = 1,
  SUBS_RULE_PENALTY = 2,
  SUBS_RULE_FREE_KICK = 3,
  SUBS_RULE_CORNER = 4,
  SUBS_RULE_GOALKEEPER = 5,
  SUBS_RULE_FULL_TEAM = 6,
};
constexpr int SUBS_RULES = 6;

struct SubsTacticsState {
  int16_t side;
  int16_t goingOff;        // player, -1 none
  int16_t comingOn;        // player, -1 none
  int16_t confirmPending;
  int16_t page;
  int16_t variantCounter;  // 0-4
  int16_t valid[SUBS_RULES];  // 1 passed (all 1 after every click)
  int16_t failedRule;         // the rule whose message shows, 0 none
  FormationGrid grid;
};
extern SubsTacticsState SubsTactics;

// One opening of the screen for InGameMenuSide; leaves InGameMenuCode set to
// the next menu.
void SubsTacticsMenu();

// The screen's rules (the menu's callbacks call these).
void SubsTactics_Open();
bool SubsTactics_Editable();  // the side is human-managed
int SubsTactics_BenchSize();  // 0-5
int SubsTactics_SubstitutionsAllowed();
int16_t SubsTactics_RowPlayer(int row);  // the player at squad position `row`
void SubsTactics_ClickRow(int row);
void SubsTactics_ClickCell(int row, int cell);
void SubsTactics_Confirm();
void SubsTactics_Cancel();
void SubsTactics_NextPage();
void SubsTactics_NextFamily();
void SubsTactics_NextVariant();
// The checks in order; the first failure is kept (and shown). SUBS_RULE_NONE
// when all pass.
int16_t SubsTactics_Validate();
const char* SubsTactics_RuleText(int rule);
// "Substitute": after the checks, leave the menus and ask for a stop.
bool SubsTactics_Substitute();
// A navigation button: after the checks, the bar's own action (303); else
// the screen stays (302).
int16_t SubsTactics_Navigate(int16_t regionId);
// A custom tactic 40-51 that the side's team has defined.
bool SubsTactics_CustomDefined(int side, int tactic);

// The confirmation line, "%s on for %s" with the two players' names.
void SubsTactics_ConfirmText(char* out, size_t size);

const GNDisplayItem* SubsTacticsMap();
// What the map shows, from the screen's state (before every redraw).
void SubsTactics_Refresh();

void SubsTactics_Reset();
