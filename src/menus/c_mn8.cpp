// The Player Stats screen (see c_mn8.h).
#include "menus/c_mn8.h"

#include <algorithm>
#include <cstdio>

#include "engine/debug.h"
#include "clubsim/squadlist.h"
#include "engine/reset.h"
#include "menus/c_mnshort.h"
#include "menus/exm_text.h"
#include "menus/m_mn0.h"
#include "menus/m_mn7.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "world/funcs.h"

namespace {

constexpr int16_t kTitle = 1205;       // "Player Stats."
constexpr int16_t kHeading = 497;      // "Stats. Analysis"
constexpr int16_t kDataButton = 536;   // "Data"
constexpr int16_t kMatchStats = 573;   // "Match Stats."
constexpr int16_t kOnLoan = 1130;      // "Sorry this player is on loan."
constexpr int16_t kThisOption = 18;
constexpr int16_t kSquadOption = 7;
constexpr int16_t kMatchFactsOption = 60;
constexpr int16_t kSortByShirt = 25, kSortByGroup = 6, kSortByNumber = 0;
constexpr int16_t kNameColour = 2, kPickColour = 1;

// The column heads and their statistic types, by statistics group.
struct Column {
  int16_t head;
  const char* shortHead;
  int16_t type;
};
constexpr Column kColumns[2][PLAYER_STATS_COLUMNS] = {
    {{58, "Ldr", 24}, {48, "Dbl", 14}, {46, "Drb", 12}, {41, "Kpg", 7}, {52, "Stm", 18},
     {51, "Pwr", 17}, {53, "Res", 19}, {54, "Vsn", 20}, {57, "Int", 23}},
    {{44, "Pas", 10}, {45, "Sht", 11}, {43, "Tkl", 9}, {42, "Hdg", 8}, {47, "Ctrl", 13},
     {49, "Pce", 15}, {56, "Agr", 22}, {55, "Cmp", 21}, {50, "Agl", 16}},
};
// The "Data" button's sort type, by group.
constexpr int16_t kDataType[2] = {7, 24};
// The statistics group button's label, by group.
constexpr const char* kGroupLabel[2] = {"Statistics: Set 1", "Statistics: Set 2"};

// Layout (menu units).
constexpr int kRowX = 50, kRowY = 108, kRowStep = 24, kRowHeight = 22;
constexpr int kColumnX = 244, kColumnStep = 36;

struct PlayerStatsState {
  int16_t list[PLAYER_STATS_MAX];
  int16_t length = 0;
  int16_t offset = 0;
  int16_t pick = -1;
  bool choosing[SQUAD_ROLES] = {};
  int16_t view = PLAYER_STATS_OTHER_VIEW;
  bool grouping = false;
  int16_t group = 0;
  int16_t sortColumn = SORT_KEY_NONE;
  int16_t rowColour[PLAYER_STATS_MAX];
  int16_t rowMark[PLAYER_STATS_MAX];
  int16_t heads[PLAYER_STATS_COLUMNS];
  const char* shortHeads[PLAYER_STATS_COLUMNS];

  PlayerStatsRow rows[PLAYER_STATS_ROWS];
  int16_t clubName = -1;
  int16_t holderName[SQUAD_ROLES] = {-1, -1, -1, -1};
  const char* groupLabel = kGroupLabel[0];
};
PlayerStatsState gStats;

PlayerStatsRow BlankRow() {
  PlayerStatsRow r{};
  r.player = -1;
  r.shirt = BLANK_S16;
  r.name = -1;
  r.colour = kNameColour;
  r.mark = 0;
  for (int c = 0; c < PLAYER_STATS_COLUMNS; ++c) {
    r.value[c] = BLANK_S16;
    r.cellColour[c] = 0;
  }
  return r;
}

bool ValidClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

int16_t PlayerAt(int16_t row) {
  if (row < 0 || row >= PLAYER_STATS_ROWS) return -1;
  const int index = gStats.offset + row;
  if (index < 0 || index >= PLAYER_STATS_MAX) return -1;
  return gStats.list[index];
}

// On loan either way: lent to another club, or borrowed from one.
bool OnLoan(int16_t player) {
  return GNW_GetPlayerClub(player) != MenuClub || GNW_GetPlayerOnLoan(player) != 0;
}

// The captain the screen names: the manager's choice, else the club's.
int16_t Holder(int16_t role) {
  const int16_t holder = Squad_RoleHolder(role);
  if (holder >= 0 || role != SQUAD_ROLE_CAPTAIN) return holder;
  for (int i = 0; i < gStats.length; ++i)
    if (gStats.list[i] >= 0 && GNW_GetPlayerCaptain(gStats.list[i])) return gStats.list[i];
  return -1;
}

void FillRows() {
  for (int r = 0; r < PLAYER_STATS_ROWS; ++r) {
    PlayerStatsRow& row = gStats.rows[r];
    row = BlankRow();
    const int index = gStats.offset + r;
    if (index >= PLAYER_STATS_MAX) continue;
    const int16_t p = gStats.list[index];
    if (p < 0) continue;
    row.player = p;
    const int16_t shirt = GNW_GetPlayerShirt(p);
    if (shirt > 0) row.shirt = shirt;
    row.name = GNW_GetPlayerTextNo(p);
    row.colour = gStats.rowColour[index];
    row.mark = gStats.rowMark[index];
    for (int c = 0; c < PLAYER_STATS_COLUMNS; ++c) {
      row.value[c] = PlayerStats_GetStat(kColumns[gStats.group][c].type, p);
      row.cellColour[c] = ColourStats(static_cast<int16_t>(PLAYER_STATS_FIRST_COLUMN + c), static_cast<int16_t>(r));
    }
  }
}

void FillHolders() {
  const bool own = gStats.view == PLAYER_STATS_OWN_VIEW;
  for (int16_t role = 0; role < SQUAD_ROLES; ++role) {
    const int16_t holder = own ? Holder(role) : int16_t{-1};
    gStats.holderName[role] = holder >= 0 ? GNW_GetPlayerTextNo(holder) : int16_t{-1};
  }
}

// Gives a role to a player (the captain also in the world's records).
void GiveRole(int16_t role, int16_t player) { Squad_SetRoleHolder(role, player); }

// ---- drawing and handlers ----

void DarkBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

int16_t Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) PlayerStats_Open();
  PlayerStats_Refresh();
  return 0;
}

template <int C>
int16_t ColumnClicked(MenuHotspot*) {
  return PlayerStats_SortByColumn(C);
}
int16_t DataClicked(MenuHotspot*) { return PlayerStats_SortByData(); }
int16_t GroupClicked(MenuHotspot*) { return PlayerStats_ToggleGroup(); }
int16_t UpClicked(MenuHotspot*) { return PlayerStats_Scroll(-1); }
int16_t DownClicked(MenuHotspot*) { return PlayerStats_Scroll(1); }
int16_t BackClicked(MenuHotspot*) { return PlayerStats_Back(); }
int16_t MatchStatsClicked(MenuHotspot*) { return PlayerStats_MatchStats(); }
int16_t RowClicked(MenuHotspot* spot) { return spot ? PlayerStats_RowClick(spot->repetition) : int16_t{0}; }
int16_t ShirtClicked(MenuHotspot* spot) { return spot ? PlayerStats_ShirtClick(spot->repetition) : int16_t{0}; }
template <int R>
int16_t ChooseClicked(MenuHotspot*) {
  return PlayerStats_ChooseButton(R);
}

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

constexpr int16_t kStride = sizeof(PlayerStatsRow);

#define STATS_CELL(c)                                                                                  \
  {MI_TEXT_COLOUR_VAR, 0, 0, 0, kStride, Var(&gStats.rows[0].cellColour[c]), {}},                   \
  {MI_NUMBER_S16, kColumnX + kColumnStep * (c) + 17, 3, ALIGN_HCENTRE | ALIGN_TOP, kStride,          \
   Var(&gStats.rows[0].value[c]), {}}

const MenuItem kRowTable[] = {
    {MI_OWNER_DRAW, 32, 0, 576, kRowHeight, MenuArg(DarkBox), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_NUMBER_S16, kRowX + 24, 3, ALIGN_RIGHT | ALIGN_TOP, kStride, Var(&gStats.rows[0].shirt), {}},
    {MI_CLICK_REGION, kRowX - 10, 0, 40, kRowHeight, MenuArg(-1), MenuArg(ShirtClicked)},
    {MI_TEXT_COLOUR_VAR, 0, 0, 0, kStride, Var(&gStats.rows[0].colour), {}},
    {MI_TEXTNO_VAR, kRowX + 34, 3, ALIGN_LEFT | ALIGN_TOP, kStride, Var(&gStats.rows[0].name), {}},
    {MI_CLICK_REGION, kRowX + 32, 0, 160, kRowHeight, MenuArg(-1), MenuArg(RowClicked)},
    STATS_CELL(0), STATS_CELL(1), STATS_CELL(2), STATS_CELL(3), STATS_CELL(4),
    STATS_CELL(5), STATS_CELL(6), STATS_CELL(7), STATS_CELL(8),
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
#undef STATS_CELL

#define COLUMN_BUTTON(c)                                                                                     \
  {MI_STRING_BUTTON_VAR, kColumnX + kColumnStep * (c), 70, 34, 30, Var(&gStats.shortHeads[c]),               \
   MenuArg(ColumnClicked<c>)}

}  // namespace

const MenuItem PlayerStatsMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO_VAR, 80, 36, ALIGN_LEFT | ALIGN_VMIDDLE, 0, Var(&gStats.clubName), {}},
    {MI_TEXTNO, 480, 36, ALIGN_RIGHT | ALIGN_VMIDDLE, 0, MenuArg(kHeading), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXTNO, 30, 432, ALIGN_LEFT | ALIGN_BOTTOM, 0, MenuArg(kTitle), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING_BUTTON_VAR, 32, 70, 210, 30, Var(&gStats.groupLabel), MenuArg(GroupClicked)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    COLUMN_BUTTON(0), COLUMN_BUTTON(1), COLUMN_BUTTON(2), COLUMN_BUTTON(3), COLUMN_BUTTON(4),
    COLUMN_BUTTON(5), COLUMN_BUTTON(6), COLUMN_BUTTON(7), COLUMN_BUTTON(8),
    {MI_TEXT_BUTTON, 568, 70, 0, 30, MenuArg(kDataButton), MenuArg(DataClicked)},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, kRowY, PLAYER_STATS_ROWS, kRowStep, MenuArg(static_cast<const void*>(kRowTable)), {}},
    // The choose buttons, each with its holder's name.
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_BUTTON, 74, 400, 0, 0, MenuArg(579), MenuArg(ChooseClicked<SQUAD_ROLE_CAPTAIN>)},
    {MI_TEXT_BUTTON, 74, 440, 0, 0, MenuArg(580), MenuArg(ChooseClicked<SQUAD_ROLE_CORNER>)},
    {MI_TEXT_BUTTON, 270, 400, 0, 0, MenuArg(581), MenuArg(ChooseClicked<SQUAD_ROLE_PENALTY>)},
    {MI_TEXT_BUTTON, 270, 440, 0, 0, MenuArg(582), MenuArg(ChooseClicked<SQUAD_ROLE_FREE_KICK>)},
    {MI_TEXT_BUTTON, 466, 400, 142, 30, MenuArg(kMatchStats), MenuArg(MatchStatsClicked)},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXTNO_VAR, 140, 415, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gStats.holderName[SQUAD_ROLE_CAPTAIN]), {}},
    {MI_TEXTNO_VAR, 140, 455, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gStats.holderName[SQUAD_ROLE_CORNER]), {}},
    {MI_TEXTNO_VAR, 336, 415, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gStats.holderName[SQUAD_ROLE_PENALTY]), {}},
    {MI_TEXTNO_VAR, 336, 455, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gStats.holderName[SQUAD_ROLE_FREE_KICK]), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    // Scrolling and the way back.
    {MI_ICON, 36, 440, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_CLICK_REGION, 36, 440, 30, 15, MenuArg(-1), MenuArg(UpClicked)},
    {MI_CLICK_REGION, 36, 455, 30, 15, MenuArg(-1), MenuArg(DownClicked)},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(BackClicked)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};
#undef COLUMN_BUTTON

// ---- values and colours ----

int16_t StatValueColour(int16_t value) {
  if (value < 16) return 4;
  if (value < 31) return 16;
  if (value < 76) return 0;
  if (value < 91) return 12;
  return 6;
}

int16_t PlayerStats_GetStat(int16_t type, int16_t player) {
  if (player < 0) return 0;
  if (type >= 7 && type <= 14) return GNW_GetPlayerAbilityStat(player, static_cast<int16_t>(type - 7));
  if (type >= 15 && type <= 21) return GNW_GetPlayerPhysicalStat(player, static_cast<int16_t>(type - 7));
  switch (type) {
    case 22: return GNW_GetPlayerPersonalityStat(player, 15);
    case 23: return GNW_GetPlayerPersonalityStat(player, 19);
    case 24: return GNW_GetPlayerPersonalityStat(player, 20);
    default: return 0;
  }
}

int16_t ColourStats(int16_t column, int16_t row) {
  if (column < PLAYER_STATS_FIRST_COLUMN || column > PLAYER_STATS_LAST_COLUMN) {
    std::printf("In c_mn8.c invaild switch() type in ColourStats() \n");
    std::fflush(stdout);
    AbortError("c_mn8", 0, "In c_mn8.c invaild switch() type in ColourStats() ");
  }
  if (row < 0 || row >= PLAYER_STATS_ROWS) return 0;
  const int16_t colour = StatValueColour(gStats.rows[row].value[column - PLAYER_STATS_FIRST_COLUMN]);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, colour);
  return colour;
}

// ---- the screen's steps ----

void PlayerStats_Open() {
  SetScreenHeader(3);
  gStats.offset = 0;
  gStats.pick = -1;
  std::fill(gStats.choosing, gStats.choosing + SQUAD_ROLES, false);
  // Only the human manager's own club is his to change.
  const int16_t human = GNW_GetHumanClub(1);
  gStats.view = (ValidClub(MenuClub) && human == MenuClub) ? PLAYER_STATS_OWN_VIEW : PLAYER_STATS_OTHER_VIEW;
  gStats.clubName = ValidClub(MenuClub) ? GNW_GetClubTextNo(GNW_GetClubDbId(MenuClub)) : int16_t{-1};
}

void PlayerStats_Refresh() {
  if (ValidClub(MenuClub)) {
    GNW_FillSquadList(MenuClub);
  } else {
    for (auto& p : SquadList) p = -1;
  }
  std::fill(gStats.rowColour, gStats.rowColour + PLAYER_STATS_MAX, kNameColour);
  std::fill(gStats.rowMark, gStats.rowMark + PLAYER_STATS_MAX, int16_t{0});
  for (int c = 0; c < PLAYER_STATS_COLUMNS; ++c) {
    gStats.heads[c] = kColumns[gStats.group][c].head;
    gStats.shortHeads[c] = kColumns[gStats.group][c].shortHead;
  }
  gStats.groupLabel = kGroupLabel[gStats.group];
  gStats.length = 0;
  for (int i = 0; i < PLAYER_STATS_MAX; ++i) {
    gStats.list[i] = SquadList[i] >= 0 ? SquadList[i] : int16_t{-1};
    if (gStats.list[i] >= 0) ++gStats.length;
  }
  if (gStats.grouping)
    SetSortKeys(kSortByGroup, gStats.sortColumn, kSortByShirt, kSortByNumber, SORT_KEY_NONE);
  else
    SetSortKeys(gStats.sortColumn, kSortByShirt, kSortByNumber, SORT_KEY_NONE, SORT_KEY_NONE);
  SortPlayerList(gStats.list, PLAYER_STATS_MAX);
  // A list that shrank since the last scroll keeps a full last page.
  gStats.offset = std::max<int16_t>(0, std::min<int16_t>(gStats.offset, gStats.length - PLAYER_STATS_ROWS));
  for (int i = 0; i < PLAYER_STATS_MAX; ++i) {
    if (gStats.list[i] >= 0 && gStats.list[i] == gStats.pick) {
      gStats.rowColour[i] = kPickColour;
      gStats.rowMark[i] = 1;
    }
  }
  FillRows();
  FillHolders();
}

int16_t PlayerStats_SortByColumn(int16_t column) {
  if (column < 0 || column >= PLAYER_STATS_COLUMNS) return MENU_RESULT_DONE;
  gStats.sortColumn = kColumns[gStats.group][column].type;
  return MENU_RESULT_REDRAW;
}

int16_t PlayerStats_SortByData() {
  gStats.sortColumn = kDataType[gStats.group];
  return MENU_RESULT_REDRAW;
}

int16_t PlayerStats_ToggleGroup() {
  gStats.group = gStats.group == 0 ? int16_t{1} : int16_t{0};
  gStats.sortColumn = SORT_KEY_NONE;
  return MENU_RESULT_REDRAW;
}

int16_t PlayerStats_Scroll(int16_t delta) {
  if (delta < 0 && gStats.offset > 0) {
    --gStats.offset;
    return MENU_RESULT_REDRAW;
  }
  if (delta > 0 && gStats.offset + PLAYER_STATS_ROWS < gStats.length) {
    ++gStats.offset;
    return MENU_RESULT_REDRAW;
  }
  return MENU_RESULT_DONE;
}

int16_t PlayerStats_RowClick(int16_t row) {
  const int16_t p = PlayerAt(row);
  if (p < 0) return MENU_RESULT_DONE;
  bool served = false;
  for (int16_t role = 0; role < SQUAD_ROLES; ++role) {
    if (!gStats.choosing[role]) continue;
    GiveRole(role, p);
    gStats.choosing[role] = false;
    served = true;
  }
  if (served) return MENU_RESULT_REDRAW;
  OpenPlayerPage(p, kThisOption);
  return MENU_RESULT_LEAVE;
}

int16_t PlayerStats_ShirtClick(int16_t row) {
  if (gStats.view != PLAYER_STATS_OWN_VIEW) return MENU_RESULT_DONE;
  const int16_t p = PlayerAt(row);
  if (p < 0) return MENU_RESULT_DONE;
  if (OnLoan(p)) {
    DoMessageBox(GetTextNoAddr(kOnLoan), 0);
    return MENU_RESULT_REDRAW;
  }
  if (gStats.pick < 0) {
    gStats.pick = p;
    return MENU_RESULT_REDRAW;
  }
  const int16_t q = gStats.pick;
  gStats.pick = -1;
  const int16_t shirt = GNW_GetPlayerShirt(p);
  GNW_SetPlayerShirt(p, GNW_GetPlayerShirt(q));
  GNW_SetPlayerShirt(q, shirt);
  return MENU_RESULT_REDRAW;
}

int16_t PlayerStats_ChooseButton(int16_t role) {
  if (role < 0 || role >= SQUAD_ROLES || gStats.view != PLAYER_STATS_OWN_VIEW) return MENU_RESULT_DONE;
  if (gStats.pick >= 0) {
    GiveRole(role, gStats.pick);
    return MENU_RESULT_REDRAW;
  }
  gStats.choosing[role] = !gStats.choosing[role];
  return MENU_RESULT_REDRAW;
}

int16_t PlayerStats_MatchStats() {
  if (gStats.view != PLAYER_STATS_OWN_VIEW) return MENU_RESULT_DONE;
  MenuOption = kMatchFactsOption;
  return MENU_RESULT_LEAVE;
}

int16_t PlayerStats_Back() {
  MenuOption = kSquadOption;
  return MENU_RESULT_LEAVE;
}

// ---- what tests look at ----

const PlayerStatsRow& PlayerStats_Row(int row) {
  static PlayerStatsRow blank;
  if (row < 0 || row >= PLAYER_STATS_ROWS) {
    blank = BlankRow();
    return blank;
  }
  return gStats.rows[row];
}
int16_t PlayerStats_ListAt(int index) {
  return index >= 0 && index < PLAYER_STATS_MAX ? gStats.list[index] : int16_t{-1};
}
int16_t PlayerStats_Length() { return gStats.length; }
int16_t PlayerStats_Offset() { return gStats.offset; }
int16_t PlayerStats_View() { return gStats.view; }
int16_t PlayerStats_Group() { return gStats.group; }
int16_t PlayerStats_SortColumn() { return gStats.sortColumn; }
int16_t PlayerStats_Pick() { return gStats.pick; }
bool PlayerStats_Choosing(int16_t role) { return role >= 0 && role < SQUAD_ROLES && gStats.choosing[role]; }
int16_t PlayerStats_Head(int column) {
  return column >= 0 && column < PLAYER_STATS_COLUMNS ? gStats.heads[column] : int16_t{-1};
}
int16_t PlayerStats_HolderName(int16_t role) {
  return role >= 0 && role < SQUAD_ROLES ? gStats.holderName[role] : int16_t{-1};
}

void PlayerStatsScreen_Reset() {
  gStats = PlayerStatsState{};
  std::fill(gStats.list, gStats.list + PLAYER_STATS_MAX, int16_t{-1});
  std::fill(gStats.rowColour, gStats.rowColour + PLAYER_STATS_MAX, kNameColour);
  std::fill(gStats.rowMark, gStats.rowMark + PLAYER_STATS_MAX, int16_t{0});
  for (int c = 0; c < PLAYER_STATS_COLUMNS; ++c) {
    gStats.heads[c] = kColumns[0][c].head;
    gStats.shortHeads[c] = kColumns[0][c].shortHead;
  }
  for (auto& r : gStats.rows) r = BlankRow();
}
REGISTER_RESET(RESET_MENUS, PlayerStatsScreen_Reset);
