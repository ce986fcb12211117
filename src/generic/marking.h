// The Marking screen of the in-match menus: both squads as lists beside a
// pitch view of the human-managed side's formation with the opponents
// mirrored into it. The manager pairs his players with opponents to mark and,
// on the other pages, edits the same instructions and set-piece duties as on
// the Subs/Tactics screen; the pitch view edits the formation with the same
// grid editor.
#pragma once

#include <cstdint>

#include "generic/s_mn0.h"
#include "menus/gnmap.h"

enum MarkingPage : int16_t {
  MARKING_PAGE_INSTRUCTIONS = 0,
  MARKING_PAGE_DUTIES = 1,
  MARKING_PAGE_MARKING = 2,
  MARKING_PAGE_DATA = 3,
};
constexpr int MARKING_ROWS = 11;
constexpr int MARKING_CELLS = 4;

struct MarkingState {
  int16_t ownSide;           // the human-managed side; the other is the opponent
  int16_t page;
  int16_t selectedOwn;       // own row, -1 none
  int16_t selectedOpponent;  // opponent row, -1 none
  int16_t highlighted[2];    // per list (the first side's, the second side's): the row under the pointer, -1
  int16_t shown[2];          // per side: drawn on the pitch view
  int16_t hint;              // the Data column whose hint shows, -1 none
  FormationGrid grid;        // the own side's formation
  int16_t opponentCells[FORMATION_COLUMNS][FORMATION_ROWS];  // the opponents' players by their own cells, -1
};
extern MarkingState Marking;

// One opening of the screen; leaves InGameMenuCode set to the next menu.
void MarkingMenu();

// The screen's rules (the menu's callbacks call these). `list` is the side
// whose list was clicked (0 the first side's, 1 the second's).
void Marking_Open();
void Marking_ClickRow(int list, int row);
void Marking_ClickCell(int list, int row, int cell);
void Marking_SetPage(int page);
void Marking_ToggleShown(int side);
void Marking_Highlight(int list, int row);  // -1: none
// The opponents' cells from slots 1-10 of their players on the pitch.
void Marking_BuildOpponents();
// Where an opponent's cell is drawn on the pitch view (mirrored).
int Marking_OpponentX(int column);
int Marking_OpponentY(int row);
// The name line of a list: the highlighted player's name and, for an own
// player who marks someone, "Marking" and the opponent's name ("" for none).
void Marking_NameLine(int list, char* name, size_t nameSize, char* marking, size_t markingSize);

const GNDisplayItem* MarkingMap();

void Marking_Reset();
