// The Subs/Tactics screen and the formation grid editor.
#include "generic/s_mn0.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "generic/ingmenu.h"
#include "generic/ingnav.h"
#include "menus/exm_text.h"
#include "menus/gfx_gen.h"
#include "menus/gnlayer.h"

SubsTacticsState SubsTactics;

// ---- the formation slot ----

namespace {

bool OnGrid(int column, int row) {
  return column >= 0 && column < FORMATION_COLUMNS && row >= 0 && row < FORMATION_ROWS;
}
bool GoodSlot(int slot) { return slot >= 0 && slot < FORMATION_PLAYERS; }

}  // namespace

int16_t Formation_Get(const uint8_t* formation, int slot, int field) {
  return LoadI16(formation + FormationSlotOffset(slot) + field);
}

void Formation_Set(uint8_t* formation, int slot, int field, int16_t value) {
  StoreI16(formation + FormationSlotOffset(slot) + field, value);
}

bool Formation_Cell(const uint8_t* formation, int slot, int* column, int* row) {
  return Formation_Target(formation, slot, SLOT_ACROSS, column, row);
}

bool Formation_Target(const uint8_t* formation, int slot, int acrossField, int* column, int* row) {
  if (!GoodSlot(slot)) return false;
  const int c = Formation_Get(formation, slot, acrossField);
  const int r = Formation_Get(formation, slot, acrossField + 2);
  if (!OnGrid(c, r)) return false;
  *column = c;
  *row = r;
  return true;
}

int Formation_LinkSlot(const uint8_t* formation, int slot) {
  if (!GoodSlot(slot)) return -1;
  const int link = static_cast<int>(LoadU32(formation + FormationSlotOffset(slot) + SLOT_FLAGS) & 31u);
  return GoodSlot(link) ? link : -1;
}

void Formation_SetLinkSlot(uint8_t* formation, int slot, int linkSlot) {
  if (!GoodSlot(slot)) return;
  uint8_t* flags = formation + FormationSlotOffset(slot) + SLOT_FLAGS;
  const uint32_t low = GoodSlot(linkSlot) ? static_cast<uint32_t>(linkSlot) : static_cast<uint32_t>(SLOT_NO_LINK);
  StoreU32(flags, (LoadU32(flags) & ~31u) | low);
}

int Formation_MarkedOpponent(const uint8_t* formation, int slot) {
  if (!GoodSlot(slot)) return 0;
  const int marked = Formation_Get(formation, slot, SLOT_MARKED);
  return marked >= 1 && marked <= FORMATION_PLAYERS ? marked : 0;
}

void Formation_ExchangeSlots(uint8_t* formation, int a, int b) {
  if (!GoodSlot(a) || !GoodSlot(b) || a == b) return;
  // The fields only: the last slot's end the record's end.
  static_assert(FORMATION_HEADER + (FORMATION_PLAYERS - 1) * TACTICS_SLOT_SIZE + SLOT_FIELD_BYTES ==
                TACTICS_RECORD_SIZE);
  uint8_t held[SLOT_FIELD_BYTES];
  uint8_t* first = formation + FormationSlotOffset(a);
  uint8_t* second = formation + FormationSlotOffset(b);
  std::memcpy(held, first, SLOT_FIELD_BYTES);
  std::memcpy(first, second, SLOT_FIELD_BYTES);
  std::memcpy(second, held, SLOT_FIELD_BYTES);
  for (int slot : {a, b})
    if (Formation_LinkSlot(formation, slot) == slot) Formation_SetLinkSlot(formation, slot, -1);
}

void Formation_InstructionCell(uint8_t* formation, int slot, int cell) {
  if (!GoodSlot(slot)) return;
  uint8_t* instructions = formation + FormationSlotOffset(slot) + SLOT_INSTRUCTIONS;
  auto cycle = [](uint8_t value) { return static_cast<uint8_t>(value < 2 ? value + 1 : 0); };
  switch (cell) {
    case 0: instructions[2] = cycle(instructions[2]); break;
    case 1: instructions[0] = cycle(instructions[0]); break;
    case 2: instructions[1] = instructions[1] != 0 ? 0 : 1; break;
    case 3: {
      int c = 0, r = 0;
      if (Formation_LinkSlot(formation, slot) >= 0 || Formation_Target(formation, slot, SLOT_LINK_ACROSS, &c, &r)) {
        Formation_SetLinkSlot(formation, slot, -1);
        Formation_Set(formation, slot, SLOT_LINK_ACROSS, -1);
        Formation_Set(formation, slot, SLOT_LINK_ALONG, -1);
      }
      break;
    }
    default: break;
  }
}

int Formation_InstructionGraphic(const uint8_t* formation, int slot, int cell, const int16_t marks[7]) {
  if (!GoodSlot(slot)) return 0;
  const uint8_t* instructions = formation + FormationSlotOffset(slot) + SLOT_INSTRUCTIONS;
  int c = 0, r = 0;
  switch (cell) {
    case 0: return instructions[2] == 2 ? marks[0] : instructions[2] == 1 ? marks[1] : 0;
    case 1: return instructions[0] == 1 ? marks[2] : instructions[0] == 2 ? marks[3] : 0;
    case 2: return instructions[1] != 0 ? marks[4] : 0;
    case 3:
      if (Formation_LinkSlot(formation, slot) >= 0) return marks[5];
      return Formation_Target(formation, slot, SLOT_LINK_ACROSS, &c, &r) ? marks[6] : 0;
    default: return 0;
  }
}

// ---- the grid ----

bool FormationView_CellAt(const FormationView& view, int px, int py, int* column, int* row) {
  if (px < view.x || py < view.y) return false;
  const int c = (px - view.x) / 13;
  const int r = 17 - (py - view.y) / 16;
  if (!OnGrid(c, r)) return false;
  *column = c;
  *row = r;
  return true;
}

void FormationGrid_Open(FormationGrid& grid, const FormationView& view, int side) {
  grid.view = view;
  grid.side = static_cast<int16_t>(side & 1);
  grid.editable = GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[grid.side] + SETUP_TEAM_HUMAN] != 0 ? 1 : 0;
  grid.selection = -1;
  grid.justPlaced = 0;
  grid.pressColumn = grid.pressRow = -1;
  grid.pressButtons = 0;
  FormationGrid_Build(grid);
}

void FormationGrid_Build(FormationGrid& grid) {
  for (auto& column : grid.cells)
    for (int16_t& cell : column) cell = -1;
  const int16_t side = grid.side;
  const uint8_t* formation = Football_GetTeamFormation(side);
  for (int slot = 1; slot < FORMATION_PLAYERS; ++slot) {
    const int16_t player = Football_GetPositionsPlayer(side, static_cast<int16_t>(slot));
    if (player < 0 || player >= SIDE_OBJECTS || !Football_IsPlayerOnPitch(side, player)) continue;
    int c = 0, r = 0;
    if (Formation_Cell(formation, slot, &c, &r)) grid.cells[c][r] = player;
  }
}

int16_t FormationGrid_PlayerAt(const FormationGrid& grid, int column, int row) {
  return OnGrid(column, row) ? grid.cells[column][row] : static_cast<int16_t>(-1);
}

namespace {

// The squad position (= formation slot) of a player of the grid's side, -1 none.
int SlotOfPlayer(int side, int player) {
  if (player < 0 || player >= SIDE_OBJECTS) return -1;
  for (int position = 0; position < SIDE_OBJECTS; ++position)
    if (Football_GetPositionsPlayer(static_cast<int16_t>(side), static_cast<int16_t>(position)) == player)
      return position;
  return -1;
}

// Every run target and second run target of slots 1-10 that points at the cell
// is cleared.
void ClearTargetsAt(uint8_t* formation, int column, int row) {
  for (int slot = 1; slot < FORMATION_PLAYERS; ++slot)
    for (int field : {SLOT_RUN_ACROSS, SLOT_SECOND_RUN_ACROSS}) {
      int c = 0, r = 0;
      if (Formation_Target(formation, slot, field, &c, &r) && c == column && r == row) {
        Formation_Set(formation, slot, field, -1);
        Formation_Set(formation, slot, field + 2, -1);
      }
    }
}

}  // namespace

void PositionPlayer(FormationGrid& grid, int player, int column, int row) {
  const int shirtSlot = SlotOfPlayer(grid.side, player) + 1;
  if (shirtSlot < 1 || shirtSlot > FORMATION_PLAYERS)
    FatalError("Dodgy position %d in s_mn0:PositionPlayer()\n", shirtSlot);
  if (!OnGrid(column, row)) return;
  for (auto& cells : grid.cells)
    for (int16_t& cell : cells)
      if (cell == player) cell = -1;
  grid.cells[column][row] = static_cast<int16_t>(player);
  uint8_t* formation = Football_GetTeamFormation(grid.side);
  Formation_Set(formation, shirtSlot - 1, SLOT_ACROSS, static_cast<int16_t>(column));
  Formation_Set(formation, shirtSlot - 1, SLOT_ALONG, static_cast<int16_t>(row));
}

void FormationGrid_Press(FormationGrid& grid, int px, int py, int32_t buttons) {
  int c = -1, r = -1;
  if (!FormationView_CellAt(grid.view, px, py, &c, &r)) c = r = -1;
  grid.pressColumn = static_cast<int16_t>(c);
  grid.pressRow = static_cast<int16_t>(r);
  grid.pressButtons = static_cast<int16_t>(buttons & 3);
}

void FormationGrid_CancelPress(FormationGrid& grid) {
  grid.pressColumn = grid.pressRow = -1;
  grid.pressButtons = 0;
}

bool FormationGrid_Release(FormationGrid& grid, int px, int py) {
  const int pc = grid.pressColumn, pr = grid.pressRow, buttons = grid.pressButtons;
  grid.pressColumn = grid.pressRow = -1;
  grid.pressButtons = 0;
  int c = 0, r = 0;
  if (!grid.editable || pc < 0 || !FormationView_CellAt(grid.view, px, py, &c, &r)) return false;
  uint8_t* formation = Football_GetTeamFormation(grid.side);
  const bool left = (buttons & 1) != 0;
  const bool right = !left && (buttons & 2) != 0;
  const int16_t there = grid.cells[c][r];

  if (c == pc && r == pr) {
    if (!left) return false;
    if (grid.selection < 0) {
      if (there < 0 || grid.justPlaced) {
        ClearTargetsAt(formation, c, r);
        grid.justPlaced = 0;
      } else {
        grid.selection = there;
      }
      return true;
    }
    if (there < 0) {
      PositionPlayer(grid, grid.selection, c, r);
    } else if (there != grid.selection) {
      Formation_ExchangeSlots(formation, SlotOfPlayer(grid.side, grid.selection), SlotOfPlayer(grid.side, there));
      FormationGrid_Build(grid);
    }
    grid.justPlaced = 1;
    grid.selection = -1;
    return true;
  }

  // A drag from a player to another cell.
  const int16_t dragged = grid.cells[pc][pr];
  const int slot = SlotOfPlayer(grid.side, dragged);
  if (dragged < 0 || !GoodSlot(slot)) return false;
  if (left) {
    const int field = r < pr ? SLOT_SECOND_RUN_ACROSS : SLOT_RUN_ACROSS;
    Formation_Set(formation, slot, field, static_cast<int16_t>(c));
    Formation_Set(formation, slot, field + 2, static_cast<int16_t>(r));
    return true;
  }
  if (right) {
    if (there < 0) {
      // A link point is used only without a link slot.
      Formation_SetLinkSlot(formation, slot, -1);
      Formation_Set(formation, slot, SLOT_LINK_ACROSS, static_cast<int16_t>(c));
      Formation_Set(formation, slot, SLOT_LINK_ALONG, static_cast<int16_t>(r));
    } else {
      Formation_SetLinkSlot(formation, slot, SlotOfPlayer(grid.side, there));
    }
    return true;
  }
  return false;
}

namespace {

int CellX(const FormationView& view, int column) { return view.cellX + 13 * column; }
int CellY(const FormationView& view, int row) { return view.cellY - 16 * row; }

// A line of small dots from one cell to another, with a marker at its middle.
void DrawLink(const FormationView& view, int c1, int r1, int c2, int r2, int colour) {
  const int x1 = CellX(view, c1), y1 = CellY(view, r1), x2 = CellX(view, c2), y2 = CellY(view, r2);
  const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1)) / 2;
  for (int i = 0; i <= steps; ++i) {
    const int x = steps == 0 ? x1 : x1 + (x2 - x1) * i / steps;
    const int y = steps == 0 ? y1 : y1 + (y2 - y1) * i / steps;
    GN_DrawColourBox(x, y, x + 1, y + 1, colour);
  }
  const int mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
  GN_DrawColourBox(mx - 2, my - 2, mx + 2, my + 2, colour);
}

constexpr uint8_t kCentred = GN_JUSTIFY_CENTRE | GN_JUSTIFY_MIDDLE;
constexpr uint8_t kLeftMiddle = GN_JUSTIFY_LEFT | GN_JUSTIFY_MIDDLE;
constexpr uint8_t kRightMiddle = GN_JUSTIFY_RIGHT | GN_JUSTIFY_MIDDLE;

}  // namespace

void FormationGrid_Draw(const FormationGrid& grid) {
  const FormationView& view = grid.view;
  const int16_t side = grid.side;
  const uint8_t* formation = Football_GetTeamFormation(side);
  // Lines first, then the players over them.
  for (int c = 0; c < FORMATION_COLUMNS; ++c)
    for (int r = 0; r < FORMATION_ROWS; ++r) {
      const int player = grid.cells[c][r];
      const int slot = SlotOfPlayer(side, player);
      if (player < 0 || !GoodSlot(slot)) continue;
      int tc = 0, tr = 0;
      if (Formation_Target(formation, slot, SLOT_RUN_ACROSS, &tc, &tr)) DrawLink(view, c, r, tc, tr, 0);
      if (Formation_Target(formation, slot, SLOT_SECOND_RUN_ACROSS, &tc, &tr)) DrawLink(view, c, r, tc, tr, 1);
      const int link = Formation_LinkSlot(formation, slot);
      const int16_t linked = link >= 0 ? Football_GetPositionsPlayer(side, static_cast<int16_t>(link)) : -1;
      if (link >= 0 && linked >= 0 && Football_IsPlayerOnPitch(side, linked) &&
          Formation_Cell(formation, link, &tc, &tr))
        DrawLink(view, c, r, tc, tr, 7);
      else if (Formation_Target(formation, slot, SLOT_LINK_ACROSS, &tc, &tr))
        DrawLink(view, c, r, tc, tr, 7);
    }
  for (int c = 0; c < FORMATION_COLUMNS; ++c)
    for (int r = 0; r < FORMATION_ROWS; ++r) {
      const int player = grid.cells[c][r];
      if (player < 0) continue;
      const int positionClass = InGame_PlayerPositionClass(side, player);
      const int graphic = positionClass >= 0 && positionClass <= 3 ? 28 + positionClass : 30;
      GN_SetFontColour(player == grid.selection ? 8 : 2);
      GN_DrawGraphic(CellX(view, c), CellY(view, r), kCentred, graphic);
      GN_DrawNumber(CellX(view, c), CellY(view, r), kCentred, InGame_ShirtNumber(side, player));
    }
  GN_SetFontColour(0);
}

void InGame_PlayerName(int side, int player, char* out, size_t size) {
  if (size == 0) return;
  out[0] = '\0';
  if (side < 0 || side > 1 || player < 0 || player >= SIDE_OBJECTS) return;
  const uint8_t* entry = GetMatchSetupRecord() + SetupPlayerOffset(side, player) + SETUP_PLAYER_SURNAME;
  size_t n = 0;
  while (n + 1 < size && n < static_cast<size_t>(SETUP_PLAYER_SURNAME_SIZE) && entry[n] != 0) {
    out[n] = static_cast<char>(entry[n]);
    ++n;
  }
  out[n] = '\0';
}

int16_t InGame_ShirtNumber(int side, int player) {
  if (side < 0 || side > 1 || player < 0 || player >= SIDE_OBJECTS) return 0;
  return LoadI16(GetMatchSetupRecord() + SetupPlayerOffset(side, player) + SETUP_PLAYER_SHIRT);
}

// ---- set-piece duties (shared with the Marking screen) ----

void InGame_SetDuty(int side, int player, int duty) {
  const int16_t s = static_cast<int16_t>(side), p = static_cast<int16_t>(player);
  static constexpr const char* kDuty[4] = {"captain", "corner taker", "penalty taker", "free kick taker"};
  if (duty >= 0 && duty < 4) DPRINT(DEBUG_GENERAL, 10, "InGame_SetDuty(): side %d, player %d %s\n", side, player, kDuty[duty]);
  switch (duty) {
    case 0: Football_SetCaptain(s, p); break;
    case 1: Football_SetCornerTaker(s, p); break;
    case 2: Football_SetPenaltyTaker(s, p); break;
    case 3:
      Football_SetFreeKickTakerB(s, p);
      Football_SetFreeKickTaker(s, p);
      break;
    default: break;
  }
}

bool InGame_HasDuty(int side, int player, int duty) {
  const int16_t s = static_cast<int16_t>(side), p = static_cast<int16_t>(player);
  switch (duty) {
    case 0: return Football_IsCaptain(s, p) != 0;
    case 1: return Football_IsCornerTaker(s, p) != 0;
    case 2: return Football_IsPenaltyTaker(s, p) != 0;
    case 3: return Football_IsFreeKickTaker(s, p) != 0;
    default: return false;
  }
}

// ---- the Subs/Tactics screen's rules ----

namespace {

uint8_t* TeamBlock(int side) { return GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side & 1]; }

int16_t Tactic(int side) {
  const int16_t tactic = LoadI16(TeamBlock(side) + SETUP_TEAM_TACTIC);
  return tactic >= 0 && tactic < NUM_TACTICS ? tactic : static_cast<int16_t>(0);
}

void SetTactic(int side, int tactic) {
  StoreI16(TeamBlock(side) + SETUP_TEAM_TACTIC, static_cast<int16_t>(tactic));
  Football_SetupTeamFormation(static_cast<int16_t>(side));
}

void ClearValidation() {
  for (int16_t& flag : SubsTactics.valid) flag = 1;
  SubsTactics.failedRule = SUBS_RULE_NONE;
}

void CheckPair() {
  SubsTacticsState& s = SubsTactics;
  const int16_t off = s.goingOff;
  if (Football_IsPlayerOnPitch(s.side, off) || Football_IsPlayerInjured(s.side, off)) {
    s.confirmPending = 1;
  } else {
    s.goingOff = s.comingOn = -1;
  }
}

}  // namespace

bool SubsTactics_CustomDefined(int side, int tactic) {
  if (tactic < NUM_STOCK_TACTICS || tactic >= NUM_TACTICS) return false;
  const uint8_t* record =
      TeamBlock(side) + SETUP_TEAM_CUSTOM_FORMATIONS + (tactic - NUM_STOCK_TACTICS) * TACTICS_RECORD_SIZE;
  return LoadI16(record + FORMATION_HEADER) != -1;
}

void SubsTactics_Open() {
  SubsTacticsState& s = SubsTactics;
  s.side = static_cast<int16_t>(InGameMenuSide & 1);
  s.goingOff = s.comingOn = -1;
  s.confirmPending = 0;
  s.page = SUBS_PAGE_DUTIES;
  s.variantCounter = 0;
  ClearValidation();
  FormationGrid_Open(s.grid, SUBS_FORMATION_VIEW, s.side);
}

bool SubsTactics_Editable() { return TeamBlock(SubsTactics.side)[SETUP_TEAM_HUMAN] != 0; }

int SubsTactics_BenchSize() {
  const int substitutes = LoadI16(GetMatchSetupRecord() + SETUP_SUBSTITUTES);
  return substitutes < 0 ? 0 : substitutes > SUBS_ROWS - SUBS_PITCH_ROWS ? SUBS_ROWS - SUBS_PITCH_ROWS : substitutes;
}

int SubsTactics_SubstitutionsAllowed() { return LoadI16(GetMatchSetupRecord() + SETUP_SUBSTITUTES); }

int16_t SubsTactics_RowPlayer(int row) {
  if (row < 0 || row >= SUBS_ROWS) return -1;
  return Football_GetPositionsPlayer(SubsTactics.side, static_cast<int16_t>(row));
}

void SubsTactics_ClickRow(int row) {
  SubsTacticsState& s = SubsTactics;
  ClearValidation();
  if (!SubsTactics_Editable() || s.confirmPending || row < 0 || row >= SUBS_ROWS) return;
  const int16_t player = SubsTactics_RowPlayer(row);
  if (row < SUBS_PITCH_ROWS) {
    if (s.goingOff < 0) {
      s.goingOff = player;
      if (s.comingOn >= 0) CheckPair();
    } else {
      if (player != s.goingOff) Football_SwapSquadSlots(s.side, player, s.goingOff);
      s.goingOff = -1;
    }
    return;
  }
  if (!InGameMenuForced || row >= SUBS_PITCH_ROWS + SubsTactics_BenchSize()) return;
  if (Football_GetSubstitutionsUsed(s.side) >= SubsTactics_SubstitutionsAllowed()) return;
  if (!Football_IsAvailableSubstitute(s.side, player)) return;
  s.comingOn = player;
  if (s.goingOff >= 0) CheckPair();
}

void SubsTactics_ClickCell(int row, int cell) {
  SubsTacticsState& s = SubsTactics;
  ClearValidation();
  if (!SubsTactics_Editable() || row < 0 || row >= SUBS_ROWS || cell < 0 || cell >= SUBS_CELLS) return;
  if (row >= SUBS_PITCH_ROWS && (!InGameMenuForced || row >= SUBS_PITCH_ROWS + SubsTactics_BenchSize())) return;
  if (s.page == SUBS_PAGE_DUTIES) {
    InGame_SetDuty(s.side, SubsTactics_RowPlayer(row), cell);
  } else if (s.page == SUBS_PAGE_INSTRUCTIONS && row < SUBS_PITCH_ROWS) {
    Formation_InstructionCell(Football_GetTeamFormation(s.side), row, cell);
  }
}

void SubsTactics_Confirm() {
  SubsTacticsState& s = SubsTactics;
  ClearValidation();
  if (!s.confirmPending) return;
  Football_MakeSubstitution(s.side, s.comingOn, s.goingOff);
  s.goingOff = s.comingOn = -1;
  s.confirmPending = 0;
}

void SubsTactics_Cancel() {
  SubsTacticsState& s = SubsTactics;
  ClearValidation();
  s.goingOff = s.comingOn = -1;
  s.confirmPending = 0;
}

void SubsTactics_NextPage() {
  ClearValidation();
  switch (SubsTactics.page) {
    case SUBS_PAGE_DUTIES: SubsTactics.page = SUBS_PAGE_INSTRUCTIONS; break;
    case SUBS_PAGE_INSTRUCTIONS: SubsTactics.page = SUBS_PAGE_DATA; break;
    default: SubsTactics.page = SUBS_PAGE_DUTIES; break;
  }
}

void SubsTactics_NextFamily() {
  SubsTacticsState& s = SubsTactics;
  ClearValidation();
  if (!SubsTactics_Editable()) return;
  const int tactic = Tactic(s.side);
  // From a custom formation the families start again.
  int family = tactic < NUM_STOCK_TACTICS ? tactic / NUM_TACTIC_STYLES + 1 : 0;
  if (family == NUM_TACTIC_FORMATIONS) {
    if (SubsTactics_CustomDefined(s.side, NUM_STOCK_TACTICS)) {
      SetTactic(s.side, NUM_STOCK_TACTICS);
      return;
    }
    family = 0;
  }
  SetTactic(s.side, family * NUM_TACTIC_STYLES + s.variantCounter);
}

void SubsTactics_NextVariant() {
  SubsTacticsState& s = SubsTactics;
  ClearValidation();
  if (!SubsTactics_Editable()) return;
  const int tactic = Tactic(s.side);
  if (tactic < NUM_STOCK_TACTICS) {
    s.variantCounter = static_cast<int16_t>((s.variantCounter + 1) % NUM_TACTIC_STYLES);
    SetTactic(s.side, tactic / NUM_TACTIC_STYLES * NUM_TACTIC_STYLES + s.variantCounter);
    return;
  }
  int next = tactic + 1;
  if (next >= NUM_TACTICS || !SubsTactics_CustomDefined(s.side, next)) next = NUM_STOCK_TACTICS;
  SetTactic(s.side, next);
}

int16_t SubsTactics_Validate() {
  SubsTacticsState& s = SubsTactics;
  ClearValidation();
  if (!SubsTactics_Editable()) return SUBS_RULE_NONE;
  const int16_t side = s.side;
  auto anyOnPitch = [side](int16_t (*duty)(int16_t, int16_t)) {
    for (int position = 0; position < SUBS_PITCH_ROWS; ++position) {
      const int16_t player = SubsTactics_RowPlayer(position);
      if (Football_IsPlayerOnPitch(side, player) && duty(side, player)) return true;
    }
    return false;
  };
  bool injuredOff = false;
  for (int position = 0; position < SUBS_PITCH_ROWS; ++position)
    if (Football_WasTakenOffInjured(side, SubsTactics_RowPlayer(position))) injuredOff = true;
  const bool passes[SUBS_RULES] = {
      anyOnPitch(Football_IsCaptain),
      anyOnPitch(Football_IsPenaltyTaker),
      anyOnPitch(Football_IsFreeKickTaker),
      anyOnPitch(Football_IsCornerTaker),
      Football_IsPlayerOnPitch(side, SubsTactics_RowPlayer(0)) != 0,
      !(injuredOff && Football_GetSubstitutionsUsed(side) < SubsTactics_SubstitutionsAllowed()),
  };
  for (int rule = 0; rule < SUBS_RULES; ++rule)
    if (!passes[rule]) {
      s.valid[rule] = 0;
      s.failedRule = static_cast<int16_t>(rule + 1);
      DPRINT(DEBUG_GENERAL, 10, "SubsTactics_Validate(): side %d: \"%s\"\n", side, SubsTactics_RuleText(s.failedRule));
      return s.failedRule;
    }
  return SUBS_RULE_NONE;
}

const char* SubsTactics_RuleText(int rule) {
  switch (rule) {
    case SUBS_RULE_CAPTAIN: return "You have no captain";
    case SUBS_RULE_PENALTY: return "You have not nominated a penalty taker";
    case SUBS_RULE_FREE_KICK: return "You have not nominated a free kick taker";
    case SUBS_RULE_CORNER: return "You have not nominated a corner taker";
    case SUBS_RULE_GOALKEEPER: return "You have no goalkeeper on the pitch";
    case SUBS_RULE_FULL_TEAM: return "You don't have full team";
    default: return "";
  }
}

bool SubsTactics_Substitute() {
  if (InGameMenuForced || !SubsTactics_Editable()) return false;
  if (SubsTactics_Validate() != SUBS_RULE_NONE) return false;
  InGameMenuCode = INGAME_MENU_LEAVE;
  SubstitutionRequest[SubsTactics.side] = 1;
  return true;
}

int16_t SubsTactics_Navigate(int16_t regionId) {
  if (SubsTactics_Validate() != SUBS_RULE_NONE) return GN_RESULT_REDRAW;
  return InGameNav_Click(regionId);
}

// ---- the screen ----

namespace {

// Region ids of the screen's own items.
constexpr int16_t kRowRegion = 100;   // + row 0-15
constexpr int16_t kCellRegion = 200;  // + row x 4 + cell
constexpr int16_t kPageRegion = 300;
constexpr int16_t kFamilyRegion = 301;
constexpr int16_t kVariantRegion = 302;
constexpr int16_t kConfirmRegion = 303;
constexpr int16_t kCancelRegion = 304;
constexpr int16_t kSubstituteRegion = 305;
constexpr int16_t kGridRegion = 306;

constexpr int16_t kHidden = GN_FLAG_NOT_HOT | GN_FLAG_DRAW_NOTHING;

// What the map shows, refreshed before every redraw.
struct SubsShown {
  const char* pageLabel;
  const char* familyLabel;
  const char* variantLabel;
  const char* message;
  int16_t benchFlags;       // the bench rows: hidden unless forced
  int16_t substituteFlags;  // "Substitute": hidden when forced or not the human side
  int16_t confirmFlags;     // "Confirm" and "Cancel": hidden unless a substitution waits
  int16_t ownFlags;         // the side's own controls: not hot on the other side's screen
  char variantNumber[8];
  char confirmText[96];
};
SubsShown gShown;

const char* PageLabel(int page) {
  switch (page) {
    case SUBS_PAGE_INSTRUCTIONS: return "Instructions";
    case SUBS_PAGE_DATA: return "Data";
    default: return "Duties";
  }
}

}  // namespace

void SubsTactics_ConfirmText(char* out, size_t size) {
  const SubsTacticsState& s = SubsTactics;
  char on[SETUP_PLAYER_SURNAME_SIZE + 1], off[SETUP_PLAYER_SURNAME_SIZE + 1];
  InGame_PlayerName(s.side, s.comingOn, on, sizeof on);
  InGame_PlayerName(s.side, s.goingOff, off, sizeof off);
  // Text 693: "%s on for %s", the player coming on first.
  std::snprintf(out, size, GetTextNoAddr(693), on, off);
}

namespace {

void RefreshShown() {
  const SubsTacticsState& s = SubsTactics;
  FormationGrid_Build(SubsTactics.grid);
  InGameNav_Refresh(false);
  gShown.pageLabel = PageLabel(s.page);
  const int16_t tactic = Tactic(s.side);
  if (tactic < NUM_STOCK_TACTICS) {
    gShown.familyLabel = GetTextNoAddr(GetTacticFormationTextNo(tactic));
    gShown.variantLabel = GetTextNoAddr(GetTacticStyleTextNo(tactic));
  } else {
    gShown.familyLabel = "Custom";
    std::snprintf(gShown.variantNumber, sizeof gShown.variantNumber, "%d", tactic - 39);
    gShown.variantLabel = gShown.variantNumber;
  }
  gShown.message = "";
  if (s.failedRule != SUBS_RULE_NONE) {
    gShown.message = SubsTactics_RuleText(s.failedRule);
  } else if (s.confirmPending) {
    SubsTactics_ConfirmText(gShown.confirmText, sizeof gShown.confirmText);
    gShown.message = gShown.confirmText;
  }
  const bool editable = SubsTactics_Editable();
  gShown.benchFlags = InGameMenuForced ? 0 : kHidden;
  gShown.substituteFlags = !InGameMenuForced && editable ? 0 : kHidden;
  gShown.confirmFlags = s.confirmPending ? 0 : kHidden;
  gShown.ownFlags = editable ? 0 : GN_FLAG_NOT_HOT;
}

// The player rows: icon, name, rating, shirt, goals, marks and the page's cells.
void DrawRows(int, int, int, int) {
  const SubsTacticsState& s = SubsTactics;
  const int rows = SUBS_PITCH_ROWS + (InGameMenuForced ? SubsTactics_BenchSize() : 0);
  const uint8_t* formation = Football_GetTeamFormation(s.side);
  if (s.page == SUBS_PAGE_DATA) {
    GN_SetFontColour(1);
    for (int column = 0; column < INGAME_DATA_COLUMNS; ++column)
      GN_DrawTextAddr(283 + 32 * column, 24, kCentred, InGame_DataColumnHead(column));
  }
  for (int row = 0; row < rows; ++row) {
    const int16_t player = SubsTactics_RowPlayer(row);
    if (player < 0 || player >= SIDE_OBJECTS) continue;
    const int y = 60 + 20 * row, mid = y + 10;
    const bool chosen = player == s.goingOff || player == s.comingOn;
    if (chosen) GN_DrawColourBox(33, y, 265, y + 19, 3);
    const int positionClass = InGame_PlayerPositionClass(s.side, player);
    const int icon = player == s.goingOff ? 8 : InGame_PositionIcon(positionClass);
    if (icon != 0) GN_DrawGraphic(45, mid, kCentred, icon);
    char name[SETUP_PLAYER_SURNAME_SIZE + 1];
    InGame_PlayerName(s.side, player, name, sizeof name);
    GN_SetFontColour(Football_IsPlayerOnPitch(s.side, player) ? 0 : 9);
    GN_DrawTextAddr(60, mid, kLeftMiddle, name);
    GN_SetFontColour(0);
    uint8_t record[PLAYER_MATCH_RECORD_SIZE];
    InGame_FillRecord(s.side, player, record);
    const MatchObject* object = Football_GetMatchObject(s.side, player);
    if (object->rating > 0) GN_DrawNumber(190, mid, kRightMiddle, LoadI16(record + 10));
    GN_DrawNumber(210, mid, kRightMiddle, InGame_ShirtNumber(s.side, player));
    if (record[34] != 0) {
      char goals[16];
      std::snprintf(goals, sizeof goals, "(%d)", record[34]);
      GN_DrawTextAddr(214, mid, kLeftMiddle, goals);
    }
    int16_t card1 = 0, card2 = 0, injury = 0;
    InGame_PlayerMarks(s.side, player, &card1, &card2, &injury);
    if (card1 != 0) GN_DrawGraphic(240, mid, kCentred, card1);
    if (card2 != 0) GN_DrawGraphic(248, mid, kCentred, card2);
    if (injury != 0) GN_DrawGraphic(258, mid, kCentred, injury);

    for (int cell = 0; cell < SUBS_CELLS; ++cell) {
      const int cx = 283 + 32 * cell;
      int graphic = 0;
      if (s.page == SUBS_PAGE_DUTIES) {
        static constexpr int kDutyGraphic[SUBS_CELLS] = {39, 40, 42, 41};
        if (InGame_HasDuty(s.side, player, cell)) graphic = kDutyGraphic[cell];
      } else if (s.page == SUBS_PAGE_INSTRUCTIONS && row < SUBS_PITCH_ROWS) {
        static constexpr int16_t kMarks[7] = {32, 35, 33, 36, 34, 37, 38};
        graphic = Formation_InstructionGraphic(formation, row, cell, kMarks);
      } else if (s.page == SUBS_PAGE_DATA && object->rating > 0) {
        GN_DrawNumber(cx, mid, kCentred, InGame_DataColumn(s.side, player, cell));
      }
      if (graphic != 0) GN_DrawGraphic(cx, mid, kCentred, graphic);
    }
  }
}

void DrawGrid(int x, int y, int w, int h) {
  GN_DrawColourBox(x, y, x + w, y + h, 6);
  FormationGrid_Draw(SubsTactics.grid);
}

int16_t RowCallback(const GNMessage* message) {
  if (message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
  const int id = message->regionId;
  // On the other side's screen only the page can be turned.
  if (!SubsTactics_Editable() && id != kPageRegion) return GN_RESULT_HANDLED;
  if (id >= kRowRegion && id < kRowRegion + SUBS_ROWS) {
    SubsTactics_ClickRow(id - kRowRegion);
  } else if (id >= kCellRegion && id < kCellRegion + SUBS_ROWS * SUBS_CELLS) {
    SubsTactics_ClickCell((id - kCellRegion) / SUBS_CELLS, (id - kCellRegion) % SUBS_CELLS);
  } else {
    switch (id) {
      case kPageRegion: SubsTactics_NextPage(); break;
      case kFamilyRegion: SubsTactics_NextFamily(); break;
      case kVariantRegion: SubsTactics_NextVariant(); break;
      case kConfirmRegion: SubsTactics_Confirm(); break;
      case kCancelRegion: SubsTactics_Cancel(); break;
      case kSubstituteRegion:
        if (SubsTactics_Substitute()) return GN_RESULT_LEAVE;
        break;
      default: return GN_RESULT_HANDLED;
    }
  }
  return GN_RESULT_REDRAW;
}

int16_t GridCallback(const GNMessage* message) {
  if (!SubsTactics_Editable()) return GN_RESULT_HANDLED;
  const int px = message->x + message->pointerX, py = message->y + message->pointerY;
  if (message->code == GN_MSG_PRESS) {
    FormationGrid_Press(SubsTactics.grid, px, py, GN_GetMouseButtons());
    return GN_RESULT_HANDLED;
  }
  // A press that leaves the grid is no drag of it.
  if (message->code == GN_MSG_LEAVE) FormationGrid_CancelPress(SubsTactics.grid);
  if (message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
  ClearValidation();
  return FormationGrid_Release(SubsTactics.grid, px, py) ? GN_RESULT_REDRAW : GN_RESULT_HANDLED;
}

int16_t NavCallback(const GNMessage* message) {
  if (message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
  return SubsTactics_Navigate(message->regionId);
}

using gnitem::Set;
using gnitem::SetVar;
using gnitem::Hot;
using gnitem::Text;
using gnitem::TextVar;
using gnitem::Custom;

// One row's hot regions: the row and its four cells.
#define SUBS_ROW(r)                                                                                           \
  Set(GN_ITEM_REGION_ID, kRowRegion + (r)), Hot(35, 60 + 20 * (r), 232, 20, RowCallback),                    \
      Set(GN_ITEM_REGION_ID, kCellRegion + (r) * 4 + 0), Hot(267, 60 + 20 * (r), 32, 20, RowCallback),        \
      Set(GN_ITEM_REGION_ID, kCellRegion + (r) * 4 + 1), Hot(299, 60 + 20 * (r), 32, 20, RowCallback),        \
      Set(GN_ITEM_REGION_ID, kCellRegion + (r) * 4 + 2), Hot(331, 60 + 20 * (r), 32, 20, RowCallback),        \
      Set(GN_ITEM_REGION_ID, kCellRegion + (r) * 4 + 3), Hot(363, 60 + 20 * (r), 32, 20, RowCallback)

const GNDisplayItem kSubsTacticsMap[] = {
    {GN_ITEM_STATIC_BACKGROUND, GN_DATA_VALUE, GN_PASS_STATIC, 0, 0, 0, 0, GNData(0), nullptr},
    Set(GN_ITEM_FONT_COLOUR, 0),
    Set(GN_ITEM_JUSTIFY, GN_JUSTIFY_LEFT | GN_JUSTIFY_TOP),
    Custom(35, 60, 360, 320, DrawRows, nullptr),
    SUBS_ROW(0), SUBS_ROW(1), SUBS_ROW(2), SUBS_ROW(3), SUBS_ROW(4), SUBS_ROW(5), SUBS_ROW(6), SUBS_ROW(7),
    SUBS_ROW(8), SUBS_ROW(9), SUBS_ROW(10),
    SetVar(GN_ITEM_FLAGS, &gShown.benchFlags),
    SUBS_ROW(11), SUBS_ROW(12), SUBS_ROW(13), SUBS_ROW(14), SUBS_ROW(15),
    Set(GN_ITEM_FLAGS, 0),

    // The grid.
    Set(GN_ITEM_REGION_ID, kGridRegion),
    Custom(SUBS_FORMATION_VIEW.x, SUBS_FORMATION_VIEW.y, FORMATION_VIEW_W, FORMATION_VIEW_H, DrawGrid, GridCallback),

    // Buttons.
    Set(GN_ITEM_JUSTIFY, GN_JUSTIFY_CENTRE | GN_JUSTIFY_MIDDLE),
    Set(GN_ITEM_AUTO_BUTTON, 1),
    Set(GN_ITEM_REGION_ID, kPageRegion),
    TextVar(267, 34, 123, 20, &gShown.pageLabel, RowCallback),
    SetVar(GN_ITEM_FLAGS, &gShown.ownFlags),
    Set(GN_ITEM_REGION_ID, kFamilyRegion),
    TextVar(400, 350, 100, 30, &gShown.familyLabel, RowCallback),
    Set(GN_ITEM_REGION_ID, kVariantRegion),
    TextVar(504, 350, 100, 30, &gShown.variantLabel, RowCallback),
    SetVar(GN_ITEM_FLAGS, &gShown.substituteFlags),
    Set(GN_ITEM_REGION_ID, kSubstituteRegion),
    Text(170, 320, 100, 20, "Substitute", RowCallback),
    SetVar(GN_ITEM_FLAGS, &gShown.confirmFlags),
    Set(GN_ITEM_REGION_ID, kConfirmRegion),
    Text(400, 384, 100, 20, "Confirm", RowCallback),
    Set(GN_ITEM_REGION_ID, kCancelRegion),
    Text(504, 384, 100, 20, "Cancel", RowCallback),
    Set(GN_ITEM_FLAGS, 0),
    Set(GN_ITEM_AUTO_BUTTON, 0),

    // The message line: the confirmation or the failed check.
    Set(GN_ITEM_REGION_ID, -1),
    Set(GN_ITEM_JUSTIFY, GN_JUSTIFY_LEFT | GN_JUSTIFY_MIDDLE),
    Set(GN_ITEM_FONT_COLOUR, 8),
    TextVar(100, 384, 296, 20, &gShown.message, nullptr),

    INGAME_NAV_ITEMS(NavCallback),
    {GN_ITEM_END, 0, 0, 0, 0, 0, 0, GNData(), nullptr},
};

#undef SUBS_ROW

}  // namespace

const GNDisplayItem* SubsTacticsMap() { return kSubsTacticsMap; }

void SubsTactics_Refresh() { RefreshShown(); }

void SubsTacticsMenu() {
  SubsTactics_Open();
  InGame_RunGNMenu(kSubsTacticsMap, RefreshShown);
}

void SubsTactics_Reset() {
  std::memset(&SubsTactics, 0, sizeof SubsTactics);
  SubsTactics.goingOff = SubsTactics.comingOn = -1;
  SubsTactics.page = SUBS_PAGE_DUTIES;
  SubsTactics.grid.selection = -1;
  std::memset(&gShown, 0, sizeof gShown);
}
REGISTER_RESET(RESET_PRESENTATION, SubsTactics_Reset);
