// The Marking screen.
#include "generic/marking.h"

#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "generic/ingmenu.h"
#include "generic/ingnav.h"
#include "menus/gnlayer.h"

MarkingState Marking;

namespace {

int Opponent() { return 1 - Marking.ownSide; }

bool GoodRow(int row) { return row >= 0 && row < MARKING_ROWS; }

int16_t RowPlayer(int side, int row) {
  if (!GoodRow(row)) return -1;
  return Football_GetPositionsPlayer(static_cast<int16_t>(side), static_cast<int16_t>(row));
}

// Own row `own` marks opponent row `opponent`.
void Pair(int own, int opponent) {
  DPRINT(DEBUG_GENERAL, 10, "MarkingMenu(): side %d, row %d marks opponent row %d\n", Marking.ownSide, own, opponent);
  Formation_Set(Football_GetTeamFormation(Marking.ownSide), own, SLOT_MARKED, static_cast<int16_t>(opponent + 1));
  Marking.selectedOwn = Marking.selectedOpponent = -1;
}

}  // namespace

void Marking_Open() {
  MarkingState& m = Marking;
  m.ownSide = GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_HUMAN] != 0 ? 0 : 1;
  m.page = MARKING_PAGE_INSTRUCTIONS;
  m.selectedOwn = m.selectedOpponent = -1;
  m.highlighted[0] = m.highlighted[1] = -1;
  m.shown[0] = m.shown[1] = 1;
  m.hint = -1;
  FormationGrid_Open(m.grid, MARKING_FORMATION_VIEW, m.ownSide);
  Marking_BuildOpponents();
}

void Marking_ClickRow(int list, int row) {
  MarkingState& m = Marking;
  if ((list != 0 && list != 1) || !GoodRow(row) || !m.grid.editable) return;
  const bool own = list == m.ownSide;
  const bool pairing = m.page == MARKING_PAGE_MARKING;
  if (own) {
    if (pairing && m.selectedOpponent >= 0) {
      Pair(row, m.selectedOpponent);
      return;
    }
    m.selectedOwn = static_cast<int16_t>(m.selectedOwn == row ? -1 : row);
  } else {
    if (pairing && m.selectedOwn >= 0) {
      Pair(m.selectedOwn, row);
      return;
    }
    m.selectedOpponent = static_cast<int16_t>(m.selectedOpponent == row ? -1 : row);
  }
}

void Marking_ClickCell(int list, int row, int cell) {
  MarkingState& m = Marking;
  if (list != m.ownSide || !GoodRow(row) || cell < 0 || cell >= MARKING_CELLS || !m.grid.editable) return;
  uint8_t* formation = Football_GetTeamFormation(m.ownSide);
  switch (m.page) {
    case MARKING_PAGE_INSTRUCTIONS: Formation_InstructionCell(formation, row, cell); break;
    case MARKING_PAGE_DUTIES: InGame_SetDuty(m.ownSide, RowPlayer(m.ownSide, row), cell); break;
    case MARKING_PAGE_MARKING:
      if (cell == 1) Formation_Set(formation, row, SLOT_MARKED, 0);
      break;
    default: break;  // the Data page only shows
  }
}

void Marking_SetPage(int page) {
  if (page >= MARKING_PAGE_INSTRUCTIONS && page <= MARKING_PAGE_DATA) Marking.page = static_cast<int16_t>(page);
  Marking.hint = -1;
}

void Marking_ToggleShown(int side) {
  if (side == 0 || side == 1) Marking.shown[side] = static_cast<int16_t>(Marking.shown[side] ? 0 : 1);
}

void Marking_Highlight(int list, int row) {
  if (list == 0 || list == 1) Marking.highlighted[list] = static_cast<int16_t>(GoodRow(row) ? row : -1);
}

void Marking_BuildOpponents() {
  MarkingState& m = Marking;
  for (auto& column : m.opponentCells)
    for (int16_t& cell : column) cell = -1;
  const int16_t side = static_cast<int16_t>(Opponent());
  const uint8_t* formation = Football_GetTeamFormation(side);
  for (int slot = 1; slot < FORMATION_PLAYERS; ++slot) {
    const int16_t player = RowPlayer(side, slot);
    if (player < 0 || player >= SIDE_OBJECTS || !Football_IsPlayerOnPitch(side, player)) continue;
    int c = 0, r = 0;
    if (Formation_Cell(formation, slot, &c, &r)) m.opponentCells[c][r] = player;
  }
}

int Marking_OpponentX(int column) { return 413 - 13 * column; }
int Marking_OpponentY(int row) { return 41 + 16 * row; }

void Marking_NameLine(int list, char* name, size_t nameSize, char* marking, size_t markingSize) {
  if (nameSize > 0) name[0] = '\0';
  if (markingSize > 0) marking[0] = '\0';
  if (list != 0 && list != 1) return;
  const int row = Marking.highlighted[list];
  const int16_t player = RowPlayer(list, row);
  if (player < 0) return;
  InGame_PlayerName(list, player, name, nameSize);
  if (list != Marking.ownSide) return;
  const int marked = Formation_MarkedOpponent(Football_GetTeamFormation(Marking.ownSide), row);
  if (marked == 0) return;
  char opponent[SETUP_PLAYER_SURNAME_SIZE + 1];
  InGame_PlayerName(Opponent(), RowPlayer(Opponent(), marked - 1), opponent, sizeof opponent);
  std::snprintf(marking, markingSize, "Marking %s", opponent);
}

// ---- the screen ----

namespace {

constexpr int16_t kRowRegion = 100;   // + list x 16 + row
constexpr int16_t kCellRegion = 200;  // + list x 64 + row x 4 + cell
constexpr int16_t kSideRegion = 400;  // + side
constexpr int16_t kPageRegion = 410;  // + page
constexpr int16_t kHeadRegion = 420;  // + list x 4 + column
constexpr int16_t kGridRegion = 430;

constexpr int kListX[2] = {30, 430};
constexpr int kCellX[2] = {60, 470};
constexpr int kRowW[2] = {30, 40};  // the icon and number before the cells

constexpr uint8_t kCentred = GN_JUSTIFY_CENTRE | GN_JUSTIFY_MIDDLE;
constexpr uint8_t kLeftMiddle = GN_JUSTIFY_LEFT | GN_JUSTIFY_MIDDLE;

// Hints of the Data columns, in the order of their heads.
constexpr const char* kDataHints[INGAME_DATA_COLUMNS] = {"Condition", "Involvement", "Workrate", "Minutes on the pitch"};

struct MarkingShown {
  const char* sideName[2];
  const char* nameLine[2];
  const char* markingLine[2];
  const char* prompt[2];
  int16_t pageColour[4];
  char names[2][41];
  char lines[2][SETUP_PLAYER_SURNAME_SIZE + 1];
  char markings[2][48];
};
MarkingShown gShown;

void TeamName(int side, char* out, size_t size) {
  const uint8_t* name = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_NAME;
  size_t n = 0;
  while (n + 1 < size && n < static_cast<size_t>(SETUP_TEAM_NAME_SIZE) && name[n] != 0) {
    out[n] = static_cast<char>(name[n]);
    ++n;
  }
  out[n] = '\0';
}

void RefreshShown() {
  MarkingState& m = Marking;
  FormationGrid_Build(m.grid);
  Marking_BuildOpponents();
  InGameNav_Refresh(false);
  for (int list = 0; list < 2; ++list) {
    TeamName(list, gShown.names[list], sizeof gShown.names[list]);
    gShown.sideName[list] = gShown.names[list];
    Marking_NameLine(list, gShown.lines[list], sizeof gShown.lines[list], gShown.markings[list],
                     sizeof gShown.markings[list]);
    gShown.nameLine[list] = gShown.lines[list];
    gShown.markingLine[list] = gShown.markings[list];
  }
  const bool pairing = m.page == MARKING_PAGE_MARKING;
  gShown.prompt[0] = pairing ? "Select player to do the marking." : "";
  gShown.prompt[1] = pairing ? "Select player to be marked." : "";
  if (m.page == MARKING_PAGE_DATA && m.hint >= 0 && m.hint < INGAME_DATA_COLUMNS) gShown.prompt[0] = kDataHints[m.hint];
  for (int page = 0; page < 4; ++page) gShown.pageColour[page] = static_cast<int16_t>(page == m.page ? 8 : 0);
}

// Both lists: highlight and selection, position icon, shirt number, the page's cells.
void DrawLists(int, int, int, int) {
  const MarkingState& m = Marking;
  static constexpr int16_t kInstructionMarks[7] = {17, 20, 18, 21, 19, 22, 23};
  static constexpr int kDutyGraphic[MARKING_CELLS] = {24, 25, 27, 26};
  for (int list = 0; list < 2; ++list) {
    const int16_t side = static_cast<int16_t>(list);
    const uint8_t* formation = Football_GetTeamFormation(side);
    const int left = kListX[list], right = kCellX[list] + 30 * MARKING_CELLS;
    if (m.page == MARKING_PAGE_DATA) {
      GN_SetFontColour(1);
      for (int column = 0; column < INGAME_DATA_COLUMNS; ++column)
        GN_DrawTextAddr(kCellX[list] + 30 * column + 15, 80, kCentred, InGame_DataColumnHead(column));
    }
    for (int row = 0; row < MARKING_ROWS; ++row) {
      const int16_t player = RowPlayer(side, row);
      if (player < 0 || player >= SIDE_OBJECTS) continue;
      const int y = 90 + 20 * row, mid = y + 10;
      const bool selected = side == m.ownSide ? row == m.selectedOwn : row == m.selectedOpponent;
      if (selected)
        GN_DrawColourBox(left, y, right, y + 19, 3);
      else if (row == m.highlighted[list])
        GN_DrawColourBox(left, y, right, y + 19, 9);
      const int icon = InGame_PositionIcon(InGame_PlayerPositionClass(side, player));
      if (icon != 0) GN_DrawGraphic(left + 10, mid, kCentred, icon);
      GN_SetFontColour(Football_IsPlayerOnPitch(side, player) ? 0 : 9);
      GN_DrawNumber(left + 24, mid, kCentred, InGame_ShirtNumber(side, player));
      GN_SetFontColour(0);
      for (int cell = 0; cell < MARKING_CELLS; ++cell) {
        const int cx = kCellX[list] + 30 * cell + 15;
        int graphic = 0;
        switch (m.page) {
          case MARKING_PAGE_INSTRUCTIONS:
            graphic = Formation_InstructionGraphic(formation, row, cell, kInstructionMarks);
            break;
          case MARKING_PAGE_DUTIES:
            if (InGame_HasDuty(side, player, cell)) graphic = kDutyGraphic[cell];
            break;
          case MARKING_PAGE_MARKING:
            if (cell == 1 && side == m.ownSide) {
              const int marked = Formation_MarkedOpponent(formation, row);
              if (marked != 0) {
                GN_DrawGraphic(cx, mid, kCentred, 10);
                GN_DrawNumber(cx, mid, kCentred,
                              InGame_ShirtNumber(1 - side, RowPlayer(1 - side, marked - 1)));
              }
            }
            break;
          default:
            if (Football_GetMatchObject(side, player)->rating > 0)
              GN_DrawNumber(cx, mid, kCentred, InGame_DataColumn(side, player, cell));
            break;
        }
        if (graphic != 0) GN_DrawGraphic(cx, mid, kCentred, graphic);
      }
    }
  }
}

// The pitch view: the own side's formation and the opponents mirrored.
void DrawPitch(int x, int y, int w, int h) {
  const MarkingState& m = Marking;
  GN_DrawColourBox(x, y, x + w, y + h, 6);
  if (m.shown[m.ownSide]) FormationGrid_Draw(m.grid);
  if (!m.shown[Opponent()]) return;
  GN_SetFontColour(4);
  for (int c = 0; c < FORMATION_COLUMNS; ++c)
    for (int r = 0; r < FORMATION_ROWS; ++r) {
      const int16_t player = m.opponentCells[c][r];
      if (player < 0) continue;
      GN_DrawGraphic(Marking_OpponentX(c), Marking_OpponentY(r), kCentred, 44);
      GN_DrawNumber(Marking_OpponentX(c), Marking_OpponentY(r), kCentred, InGame_ShirtNumber(Opponent(), player));
    }
  GN_SetFontColour(0);
}

int16_t ListCallback(const GNMessage* message) {
  const int id = message->regionId;
  if (id >= kRowRegion && id < kRowRegion + 32) {
    const int list = (id - kRowRegion) / 16, row = (id - kRowRegion) % 16;
    if (message->code == GN_MSG_ENTER) {
      Marking_Highlight(list, row);
      return GN_RESULT_REDRAW;
    }
    if (message->code == GN_MSG_LEAVE) {
      if (Marking.highlighted[list] == row) Marking_Highlight(list, -1);
      return GN_RESULT_REDRAW;
    }
    if (message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
    Marking_ClickRow(list, row);
    return GN_RESULT_REDRAW;
  }
  if (id >= kHeadRegion && id < kHeadRegion + 8) {
    if (message->code == GN_MSG_ENTER) {
      Marking.hint = static_cast<int16_t>((id - kHeadRegion) % 4);
      return GN_RESULT_REDRAW;
    }
    if (message->code == GN_MSG_LEAVE) {
      Marking.hint = -1;
      return GN_RESULT_REDRAW;
    }
    return GN_RESULT_HANDLED;
  }
  if (id >= kCellRegion && id < kCellRegion + 128) {
    const int list = (id - kCellRegion) / 64, rest = (id - kCellRegion) % 64;
    if (message->code == GN_MSG_ENTER) {
      Marking_Highlight(list, rest / MARKING_CELLS);
      return GN_RESULT_REDRAW;
    }
    if (message->code == GN_MSG_LEAVE) {
      if (Marking.highlighted[list] == rest / MARKING_CELLS) Marking_Highlight(list, -1);
      return GN_RESULT_REDRAW;
    }
    if (message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
    if (list != Marking.ownSide || Marking.page == MARKING_PAGE_DATA) return GN_RESULT_HANDLED;
    Marking_ClickCell(list, rest / MARKING_CELLS, rest % MARKING_CELLS);
    return GN_RESULT_REDRAW;
  }
  if (message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
  if (id == kSideRegion || id == kSideRegion + 1) {
    Marking_ToggleShown(id - kSideRegion);
  } else if (id >= kPageRegion && id < kPageRegion + 4) {
    Marking_SetPage(id - kPageRegion);
  } else {
    return GN_RESULT_HANDLED;
  }
  return GN_RESULT_REDRAW;
}

int16_t GridCallback(const GNMessage* message) {
  if (!Marking.grid.editable) return GN_RESULT_HANDLED;
  const int px = message->x + message->pointerX, py = message->y + message->pointerY;
  if (message->code == GN_MSG_PRESS) {
    FormationGrid_Press(Marking.grid, px, py, GN_GetMouseButtons());
    return GN_RESULT_HANDLED;
  }
  // A press that leaves the view is no drag of it.
  if (message->code == GN_MSG_LEAVE) FormationGrid_CancelPress(Marking.grid);
  if (message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
  return FormationGrid_Release(Marking.grid, px, py) ? GN_RESULT_REDRAW : GN_RESULT_HANDLED;
}

using gnitem::Custom;
using gnitem::Set;
using gnitem::SetVar;
using gnitem::TextVar;
// The lists' hot areas and fixed texts all answer to the lists' callback.
constexpr GNDisplayItem Hot(int x, int y, int w, int h) { return gnitem::Hot(x, y, w, h, ListCallback); }
constexpr GNDisplayItem Literal(int x, int y, int w, int h, const char* text) {
  return gnitem::Text(x, y, w, h, text, ListCallback);
}

// One list row: the row (icon and number) and its four cells.
#define MARKING_ROW(list, r)                                                                                  \
  Set(GN_ITEM_REGION_ID, kRowRegion + (list) * 16 + (r)), Hot(kListX[list], 90 + 20 * (r), kRowW[list], 20),        \
      Set(GN_ITEM_REGION_ID, kCellRegion + (list) * 64 + (r) * 4 + 0),                                        \
      Hot(kCellX[list] + 0, 90 + 20 * (r), 30, 20),                                                           \
      Set(GN_ITEM_REGION_ID, kCellRegion + (list) * 64 + (r) * 4 + 1),                                        \
      Hot(kCellX[list] + 30, 90 + 20 * (r), 30, 20),                                                          \
      Set(GN_ITEM_REGION_ID, kCellRegion + (list) * 64 + (r) * 4 + 2),                                        \
      Hot(kCellX[list] + 60, 90 + 20 * (r), 30, 20),                                                          \
      Set(GN_ITEM_REGION_ID, kCellRegion + (list) * 64 + (r) * 4 + 3), Hot(kCellX[list] + 90, 90 + 20 * (r), 30, 20)
#define MARKING_LIST(list)                                                                                     \
  MARKING_ROW(list, 0), MARKING_ROW(list, 1), MARKING_ROW(list, 2), MARKING_ROW(list, 3), MARKING_ROW(list, 4), \
      MARKING_ROW(list, 5), MARKING_ROW(list, 6), MARKING_ROW(list, 7), MARKING_ROW(list, 8),                  \
      MARKING_ROW(list, 9), MARKING_ROW(list, 10)
#define MARKING_HEAD(list, column) \
  Set(GN_ITEM_REGION_ID, kHeadRegion + (list) * 4 + (column)), Hot(kCellX[list] + 30 * (column), 70, 30, 20)
#define MARKING_PAGE_BUTTON(page, x, y, text)                                                        \
  Set(GN_ITEM_REGION_ID, kPageRegion + (page)), SetVar(GN_ITEM_FONT_COLOUR, &gShown.pageColour[page]), \
      Literal(x, y, 120, 20, text)

const GNDisplayItem kMarkingMap[] = {
    {GN_ITEM_STATIC_BACKGROUND, GN_DATA_VALUE, GN_PASS_STATIC, 0, 0, 0, 0, GNData(0), nullptr},
    Set(GN_ITEM_FONT_COLOUR, 0),
    Set(GN_ITEM_JUSTIFY, GN_JUSTIFY_LEFT | GN_JUSTIFY_TOP),
    Custom(30, 70, 560, 320, DrawLists, nullptr),
    MARKING_LIST(0),
    MARKING_LIST(1),
    MARKING_HEAD(0, 0), MARKING_HEAD(0, 1), MARKING_HEAD(0, 2), MARKING_HEAD(0, 3),
    MARKING_HEAD(1, 0), MARKING_HEAD(1, 1), MARKING_HEAD(1, 2), MARKING_HEAD(1, 3),

    Set(GN_ITEM_REGION_ID, kGridRegion),
    Custom(MARKING_FORMATION_VIEW.x, MARKING_FORMATION_VIEW.y, FORMATION_VIEW_W, FORMATION_VIEW_H, DrawPitch,
           GridCallback),

    // Name lines over the lists, the prompt lines under the pitch view.
    Set(GN_ITEM_REGION_ID, -1),
    Set(GN_ITEM_JUSTIFY, GN_JUSTIFY_LEFT | GN_JUSTIFY_MIDDLE),
    Set(GN_ITEM_FONT_COLOUR, 1),
    TextVar(30, 50, 180, 12, &gShown.nameLine[0], nullptr),
    TextVar(30, 62, 180, 10, &gShown.markingLine[0], nullptr),
    TextVar(430, 50, 180, 12, &gShown.nameLine[1], nullptr),
    TextVar(430, 62, 180, 10, &gShown.markingLine[1], nullptr),
    Set(GN_ITEM_FONT_COLOUR, 8),
    TextVar(260, 324, 120, 20, &gShown.prompt[0], nullptr),
    TextVar(260, 344, 120, 20, &gShown.prompt[1], nullptr),

    // The side names (toggle the side on the pitch view) and the page buttons.
    Set(GN_ITEM_JUSTIFY, GN_JUSTIFY_CENTRE | GN_JUSTIFY_MIDDLE),
    Set(GN_ITEM_FONT_COLOUR, 0),
    Set(GN_ITEM_AUTO_BUTTON, 1),
    Set(GN_ITEM_REGION_ID, kSideRegion + 0),
    TextVar(30, 30, 180, 20, &gShown.sideName[0], ListCallback),
    Set(GN_ITEM_REGION_ID, kSideRegion + 1),
    TextVar(430, 30, 180, 20, &gShown.sideName[1], ListCallback),
    MARKING_PAGE_BUTTON(MARKING_PAGE_MARKING, 200, 364, "Marking"),
    MARKING_PAGE_BUTTON(MARKING_PAGE_INSTRUCTIONS, 200, 384, "Instructions"),
    MARKING_PAGE_BUTTON(MARKING_PAGE_DATA, 320, 364, "Stats"),
    MARKING_PAGE_BUTTON(MARKING_PAGE_DUTIES, 320, 384, "Duties"),
    Set(GN_ITEM_AUTO_BUTTON, 0),

    INGAME_NAV_ITEMS(InGameNav_Callback),
    {GN_ITEM_END, 0, 0, 0, 0, 0, 0, GNData(), nullptr},
};

#undef MARKING_ROW
#undef MARKING_LIST
#undef MARKING_HEAD
#undef MARKING_PAGE_BUTTON

}  // namespace

const GNDisplayItem* MarkingMap() { return kMarkingMap; }

void MarkingMenu() {
  Marking_Open();
  InGame_RunGNMenu(kMarkingMap, RefreshShown);
}

void Marking_Reset() {
  std::memset(&Marking, 0, sizeof Marking);
  Marking.selectedOwn = Marking.selectedOpponent = -1;
  Marking.highlighted[0] = Marking.highlighted[1] = -1;
  Marking.hint = -1;
  Marking.grid.selection = -1;
  std::memset(&gShown, 0, sizeof gShown);
}
REGISTER_RESET(RESET_PRESENTATION, Marking_Reset);
