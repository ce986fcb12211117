// The Squad screen (see m_mn7.h).
#include "menus/m_mn7.h"

#include <algorithm>
#include <cstdio>

#include "clubsim/squadlist.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/c_mnshort.h"
#include "menus/exm_text.h"
#include "menus/m_mn0.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/money.h"
#include "season/playfix.h"
#include "season/seasonstate.h"
#include "world/funcs.h"

namespace {

constexpr int16_t kTitle = 453;           // "Squad"
constexpr int16_t kManagerLabel = 30;     // "Manager"
constexpr int16_t kDataLabel = 747;       // "Data : "
constexpr int16_t kTextDashes = 1998;     // "---"
constexpr int16_t kTextNoWage = 68;       // "R"
constexpr int16_t kTextNoFigure = 125;    // "-"
constexpr int16_t kNoteListed = 40;       // "TX"
constexpr int16_t kNoteRequest = 1171;    // "RQ"
constexpr int16_t kNoteLoanListed = 39;   // "LN"
constexpr int16_t kNoteContract = 718;    // "CT"
constexpr int16_t kOnHoliday = 1175;      // "This information is unavailable as players are on holiday."
constexpr int16_t kOnLoan = 1130;         // "Sorry this player is on loan."
constexpr int16_t kNoManagerPlayer = 1;   // a club's manager field: nobody
constexpr int16_t kMatchSubstitutes = 5;
constexpr int16_t kSortByShirt = 25, kSortByGroup = 6, kSortByNumber = 0;
constexpr int16_t kPriceKey = 4;

// The role marks, by role.
constexpr int16_t kRoleIcons[SQUAD_ROLES] = {101, 1424, 1423, 1422};

// Row layout (menu units).
constexpr int kRowsY = 107, kRowStep = 20;
constexpr int kColumnX[2] = {32, 320};

struct SquadState {
  int16_t list[SQUAD_MAX_PLAYERS];
  int16_t count = 0;
  bool reserveMode = false;
  int16_t reserveSlot = -1;
  int16_t pendingReserveSlot = -1;  // armed for the next opening
  int16_t foreignClub = -1;         // the foreign flag: a database club outside the world
  int16_t pendingForeignClub = -1;  // armed for the next opening
  bool toPlayerPage = false;        // the screen was left for the player page
  int16_t openedFrom = 3;
  int16_t selected = -1;
  bool roleArmed[SQUAD_ROLES] = {};
  bool sortByColumn = false;
  bool groupByPosition = false;
  int16_t chosenKey = kPriceKey;  // kept between visits
  bool controls = false;

  SquadRow rows[2][SQUAD_ROWS];
  int16_t clubName = -1;
  int16_t managerLabel = -1;
  int16_t managerName = -1;
  int16_t valueHeaderText = 241;
  char valueHeader[64] = {};
  const char* valueHeaderPtr = valueHeader;
  int16_t numberType = NUMBER_PLAIN;
  const MenuItem* controlTable = nullptr;
};
SquadState gSquad;

void ClearList() {
  std::fill(gSquad.list, gSquad.list + SQUAD_MAX_PLAYERS, int16_t{-1});
  gSquad.count = 0;
}

SquadRow BlankRow() {
  SquadRow r{};
  r.player = -1;
  r.shirt = BLANK_S16;
  r.name = -1;
  r.side = -1;
  r.note = -1;
  r.state = SQUAD_STATE_NONE;
  r.saleStatus = -1;
  r.positionIcon = 0;
  r.statusIcon = 0;
  r.value16 = BLANK_S16;
  r.value32 = MENU_BLANK_VALUE;
  r.valueText = -1;
  return r;
}

SquadRow& RowOf(int index) { return gSquad.rows[index / SQUAD_ROWS][index % SQUAD_ROWS]; }

bool HasFullRecord(int16_t player) { return player >= 0 && player < PlayerCount; }

// Away on loan at a club other than the screen's.
bool LoanedOut(int16_t player) {
  if (!HasFullRecord(player) || !GNW_GetPlayerOnLoan(player)) return false;
  return GNW_GetPlayerLoanClub(player) != MenuClub;
}

// Playing for the screen's club now: his own club's player not lent out,
// or a player it has borrowed.
bool AtClub(int16_t player) {
  if (gSquad.reserveMode) return false;
  if (HasFullRecord(player) && GNW_GetPlayerOnLoan(player)) return GNW_GetPlayerLoanClub(player) == MenuClub;
  return GNW_GetPlayerClub(player) == MenuClub;
}

bool Unfit(int16_t player) {
  return GNW_GetPlayerInFlag(player) != 0 || GNW_IsPlayerUnderSuspension(player) != 0 ||
         GNW_IsPlayerUnavailable(player) != 0;
}

int16_t NoteText(int16_t player) {
  if (GNW_GetPlayerTxList(player)) return kNoteListed;
  if (GNW_GetPlayerTxReq(player)) return kNoteRequest;
  if (GNW_GetPlayerLoanList(player)) return kNoteLoanListed;
  if (GNW_GetPlayerContract(player) < 12) return kNoteContract;
  return -1;
}

// The role variables the match day reads: the captain, the two takers it
// picks by the same skills (the first for corners, the second for
// penalties) and the free-kick taker.
int16_t* RoleVariable(int16_t role) {
  switch (role) {
    case SQUAD_ROLE_CAPTAIN: return &HumanChoices.captain;
    case SQUAD_ROLE_CORNER: return &HumanChoices.cornerTaker;
    case SQUAD_ROLE_PENALTY: return &HumanChoices.penaltyTaker;
    case SQUAD_ROLE_FREE_KICK: return &HumanChoices.freeKick;
    default: return nullptr;
  }
}

// Whether the player holds the role; the club's captain counts while the
// manager has chosen none.
bool HoldsRole(int16_t player, int16_t role) {
  const int16_t holder = Squad_RoleHolder(role);
  if (holder >= 0) return holder == player;
  return role == SQUAD_ROLE_CAPTAIN && !gSquad.reserveMode && HasFullRecord(player) && GNW_GetPlayerCaptain(player) &&
         AtClub(player);
}

void FillRow(SquadRow& r, int16_t p) {
  r = BlankRow();
  if (p < 0) return;
  r.player = p;
  const int16_t shirt = GNW_GetPlayerShirt(p);
  const bool unfit = Unfit(p);
  if (shirt != 0 && AtClub(p) && !unfit) r.shirt = shirt;
  r.name = GNW_GetPlayerTextNo(p);
  r.side = GNW_GetSideTextNo(p);
  r.note = NoteText(p);
  if (unfit)
    r.state = SQUAD_STATE_UNFIT;
  else if (LoanedOut(p))
    r.state = SQUAD_STATE_LOANED_OUT;
  else if (!HasFullRecord(p))
    r.state = SQUAD_STATE_NO_RECORD;
  else if (p == gSquad.selected)
    r.state = SQUAD_STATE_SELECTED;
  r.saleStatus = GNW_GetPlayerSaleStatus(p);
  r.positionIcon = GNW_GetPositionTypeGraphic(p);
  r.statusIcon = GNW_GetPlayerStatusIcon(p);
  // Role marks take the places of the icons, in role order.
  int marks = 0;
  for (int16_t role = 0; role < SQUAD_ROLES && marks < 2; ++role) {
    if (!HoldsRole(p, role)) continue;
    (marks == 0 ? r.positionIcon : r.statusIcon) = kRoleIcons[role];
    ++marks;
  }
  if (marks == 1) r.statusIcon = 0;
}

void FillHeaderTexts() {
  gSquad.clubName = -1;
  gSquad.managerLabel = -1;
  gSquad.managerName = -1;
  if (gSquad.foreignClub >= 0) {
    gSquad.clubName = GNW_GetClubTextNo(gSquad.foreignClub);
    return;
  }
  if (gSquad.reserveMode || MenuClub < 0 || MenuClub >= NUM_CLUBS) return;
  gSquad.clubName = GNW_GetClubTextNo(GNW_GetClubDbId(MenuClub));
  gSquad.managerLabel = kManagerLabel;
  const int16_t manager = GNW_GetClubManager(MenuClub);
  if (manager >= 0 && manager != kNoManagerPlayer) gSquad.managerName = GNW_GetPlayerTextNo(manager);
}

// ---- drawing ----

void DarkBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

// The icons of every row: position and status, or the role marks.
void DrawRowIcons(int, int, int, int) {
  for (int c = 0; c < 2; ++c) {
    for (int r = 0; r < SQUAD_ROWS; ++r) {
      const SquadRow& row = gSquad.rows[c][r];
      if (row.player < 0) continue;
      const int y = kRowsY + r * kRowStep;
      if (row.positionIcon > 0) DoIcon(kColumnX[c] + 22, y, ALIGN_LEFT | ALIGN_TOP, row.positionIcon);
      if (row.statusIcon > 0) DoIcon(kColumnX[c] + 40, y, ALIGN_LEFT | ALIGN_TOP, row.statusIcon);
    }
  }
}

// ---- handlers ----

int16_t SquadHandler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) Squad_Open();
  Squad_Refresh();
  return 0;
}

int16_t ClickAt(int index) {
  if (!gSquad.controls || index < 0 || index >= SQUAD_MAX_PLAYERS) return 0;
  const int16_t player = RowOf(index).player;
  if (player < 0) return 0;
  return Squad_ClickPlayer(player);
}
int16_t ClickLeft(MenuHotspot* spot) { return ClickAt(spot ? spot->repetition : -1); }
int16_t ClickRight(MenuHotspot* spot) { return ClickAt(spot ? SQUAD_ROWS + spot->repetition : -1); }

int16_t NameAt(int index) {
  if (index < 0 || index >= SQUAD_MAX_PLAYERS) return 0;
  const int16_t player = RowOf(index).player;
  if (player < 0) return 0;
  return Squad_NameClick(player);
}
int16_t NameLeft(MenuHotspot* spot) { return NameAt(spot ? spot->repetition : -1); }
int16_t NameRight(MenuHotspot* spot) { return NameAt(spot ? SQUAD_ROWS + spot->repetition : -1); }

int16_t StatisticsClicked(MenuHotspot*) {
  MenuOption = 80;
  return MENU_RESULT_LEAVE;
}
int16_t StatsAnalysisClicked(MenuHotspot*) {
  MenuOption = 21;
  return MENU_RESULT_LEAVE;
}
int16_t OpensList(MenuHotspot*) { return 0; }  // the anchored list opens instead
int16_t BackClicked(MenuHotspot*) { return Squad_Back(); }

int16_t OrderPicked(const PopupCall* call) {
  if (!call || call->row < 0 || call->row >= SQUAD_STATISTICS) return POPUP_RESULT_CLOSE;
  return Squad_ChooseStatistic(SquadStatisticKeys[call->row]);
}
int16_t DutyPicked(const PopupCall* call) {
  if (!call || call->row < 0 || call->row >= SQUAD_ROLES) return POPUP_RESULT_CLOSE;
  Squad_ArmRole(call->row);
  return MENU_RESULT_REDRAW;
}

#define ORDER_ROW(label) {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(label), OrderPicked, nullptr}
PopupRow gOrderList[] = {
    ORDER_ROW("Appearances"), ORDER_ROW("Goals"),       ORDER_ROW("Contract"), ORDER_ROW("Wage / Wk"),
    ORDER_ROW("Price"),       ORDER_ROW("Performance"), ORDER_ROW("Morale"),   ORDER_ROW("Fitness"),
    ORDER_ROW("Fatigue"),     ORDER_ROW("Dis. Points"), ORDER_ROW("Age"),      ORDER_ROW("Experience"),
    ORDER_ROW("Assists"),     ORDER_ROW("Last Perf."),
    {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};
#undef ORDER_ROW

PopupRow gDutiesList[] = {
    {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(579), DutyPicked, nullptr},  // "Select Captain"
    {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(580), DutyPicked, nullptr},  // "Select Corner Taker"
    {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(581), DutyPicked, nullptr},  // "Select Penalty Taker"
    {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(582), DutyPicked, nullptr},  // "Select Free Kick Taker"
    {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

constexpr int16_t kRowStride = sizeof(SquadRow);

// One column of a row: shirt, name (in the colour of its state), side,
// note and the statistic; the click regions of the row and of the name.
#define SQUAD_COLUMN(c, click, nameClick)                                                                                \
  {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},                                                                     \
  {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},                                                          \
  {MI_NUMBER_S16, kColumnX[c] + 18, 2, ALIGN_RIGHT | ALIGN_TOP, kRowStride, Var(&gSquad.rows[c][0].shirt), {}},     \
  {MI_CLICK_REGION, kColumnX[c], 0, 58, 20, MenuArg(-1), MenuArg(click)},                                           \
  {MI_TEXT_COLOUR_VAR, 0, 0, 0, kRowStride, Var(&gSquad.rows[c][0].state), {}},                                    \
  {MI_TEXTNO_VAR, kColumnX[c] + 60, 2, ALIGN_LEFT | ALIGN_TOP, kRowStride, Var(&gSquad.rows[c][0].name), {}},       \
  {MI_CLICK_REGION, kColumnX[c] + 58, 0, 112, 20, MenuArg(-1), MenuArg(nameClick)},                                      \
  {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},                                                                     \
  {MI_TEXTNO_VAR, kColumnX[c] + 174, 2, ALIGN_LEFT | ALIGN_TOP, kRowStride, Var(&gSquad.rows[c][0].side), {}},      \
  {MI_TEXTNO_VAR, kColumnX[c] + 204, 2, ALIGN_LEFT | ALIGN_TOP, kRowStride, Var(&gSquad.rows[c][0].note), {}},      \
  {MI_NUMBER_TYPE_VAR, 0, 0, 0, 0, Var(&gSquad.numberType), {}},                                                    \
  {MI_NUMBER_S16, kColumnX[c] + 282, 2, ALIGN_RIGHT | ALIGN_TOP, kRowStride, Var(&gSquad.rows[c][0].value16), {}},  \
  {MI_NUMBER_S32, kColumnX[c] + 282, 2, ALIGN_RIGHT | ALIGN_TOP, kRowStride, Var(&gSquad.rows[c][0].value32), {}},  \
  {MI_TEXTNO_VAR, kColumnX[c] + 282, 2, ALIGN_RIGHT | ALIGN_TOP, kRowStride, Var(&gSquad.rows[c][0].valueText), {}}

const MenuItem kRowTable[] = {
    SQUAD_COLUMN(0, ClickLeft, NameLeft),
    SQUAD_COLUMN(1, ClickRight, NameRight),
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
#undef SQUAD_COLUMN

// The buttons of the human manager's own squad.
const MenuItem kControlTable[] = {
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_BUTTON, 32, 440, 0, 0, MenuArg(167), MenuArg(StatisticsClicked)},      // "Statistics"
    {MI_TEXT_BUTTON, 166, 440, 0, 0, MenuArg(497), MenuArg(StatsAnalysisClicked)},  // "Stats. Analysis"
    {MI_TEXT_BUTTON, 434, 440, 0, 0, MenuArg(1815), MenuArg(OpensList)},            // "Duties"
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gDutiesList), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

}  // namespace

const int16_t SquadStatisticKeys[SQUAD_STATISTICS] = {30, 31, 28, 27, 4, 29, 32, 33, 34, 35, 2, 36, 37, 38};

const MenuItem SquadMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(SquadHandler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO_VAR, 80, 36, ALIGN_LEFT | ALIGN_VMIDDLE, 0, Var(&gSquad.clubName), {}},
    {MI_TEXTNO, 480, 36, ALIGN_CENTRED, 0, MenuArg(kTitle), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_OWNER_DRAW, 32, 70, 576, 28, MenuArg(DarkBox), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXTNO_VAR, 300, 72, ALIGN_RIGHT | ALIGN_TOP, 0, Var(&gSquad.managerLabel), {}},
    {MI_TEXTNO_VAR, 340, 72, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gSquad.managerName), {}},
    // The sort buttons: the position groups and the statistic's column.
    {MI_ICON, 54, 80, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(91), MenuArg(Squad_ToggleGroupByPosition)},
    {MI_ICON, 342, 80, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(91), MenuArg(Squad_ToggleGroupByPosition)},
    {MI_TEXTNO_VAR, 314, 80, ALIGN_RIGHT | ALIGN_TOP, 0, Var(&gSquad.valueHeaderText), MenuArg(Squad_ToggleSortByColumn)},
    {MI_TEXTNO_VAR, 602, 80, ALIGN_RIGHT | ALIGN_TOP, 0, Var(&gSquad.valueHeaderText), MenuArg(Squad_ToggleSortByColumn)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, kRowsY, SQUAD_ROWS, kRowStep, MenuArg(static_cast<const void*>(kRowTable)), {}},
    {MI_OWNER_DRAW, 32, kRowsY, 576, SQUAD_ROWS * kRowStep, MenuArg(DrawRowIcons), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE_VAR, 0, 0, 1, 0, Var(&gSquad.controlTable), {}},
    // The statistic's button and its "Order" list.
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING_BUTTON_VAR, 300, 440, 126, 22, Var(&gSquad.valueHeaderPtr), MenuArg(OpensList)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gOrderList), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(BackClicked)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- the screen's steps ----

void Squad_ShowReservePool(int16_t slot) { gSquad.pendingReserveSlot = slot < 0 ? int16_t{-1} : slot; }
void Squad_ShowForeignClub(int16_t dbClub) { gSquad.pendingForeignClub = dbClub < 0 ? int16_t{-1} : dbClub; }

void Squad_Open() {
  if (gSquad.toPlayerPage) {
    // Back from the player page: the same list, and the same way back.
    gSquad.toPlayerPage = false;
  } else {
    gSquad.openedFrom = ReturnMenuOption;
    gSquad.reserveMode = gSquad.pendingReserveSlot >= 0;
    gSquad.reserveSlot = gSquad.pendingReserveSlot;
    gSquad.foreignClub = gSquad.reserveMode ? int16_t{-1} : gSquad.pendingForeignClub;
  }
  gSquad.pendingReserveSlot = -1;
  gSquad.pendingForeignClub = -1;

  ClearList();
  if (gSquad.foreignClub >= 0) {
    for (auto& p : SquadList) p = -1;  // no players of it in the world
  } else if (gSquad.reserveMode) {
    GNW_FillReserveList(gSquad.reserveSlot);
  } else if (MenuClub >= 0 && MenuClub < NUM_CLUBS) {
    GNW_FillSquadList(MenuClub);
    if (GNW_GetClubRecord(MenuClub) != nullptr) GNW_CompleteMatchTeam(MenuClub, kMatchSubstitutes);
  } else {
    for (auto& p : SquadList) p = -1;
  }
  for (int i = 0; i < SQUAD_MAX_PLAYERS; ++i) {
    gSquad.list[i] = SquadList[i];
    if (SquadList[i] >= 0) ++gSquad.count;
  }

  gSquad.sortByColumn = false;
  gSquad.groupByPosition = false;
  std::fill(gSquad.roleArmed, gSquad.roleArmed + SQUAD_ROLES, false);
  gSquad.selected = -1;
  SetScreenHeader(gSquad.reserveMode || gSquad.foreignClub >= 0 ? 2 : 3);
  const int16_t human = GNW_GetHumanClub(MenuManager);
  gSquad.controls = !gSquad.reserveMode && gSquad.foreignClub < 0 && human >= 0 && human == MenuClub;
  gSquad.controlTable = gSquad.controls ? kControlTable : nullptr;
  FillHeaderTexts();
}

void Squad_Refresh() {
  const int16_t key = gSquad.chosenKey;
  if (!gSquad.sortByColumn && !gSquad.groupByPosition)
    SetSortKeys(kSortByShirt, SORT_KEY_NONE, SORT_KEY_NONE, SORT_KEY_NONE, SORT_KEY_NONE);
  else if (gSquad.sortByColumn && !gSquad.groupByPosition)
    SetSortKeys(key, kSortByNumber, SORT_KEY_NONE, SORT_KEY_NONE, SORT_KEY_NONE);
  else if (!gSquad.sortByColumn)
    SetSortKeys(kSortByGroup, kSortByShirt, SORT_KEY_NONE, SORT_KEY_NONE, SORT_KEY_NONE);
  else
    SetSortKeys(kSortByGroup, key, kSortByNumber, SORT_KEY_NONE, SORT_KEY_NONE);
  SortPlayerList(gSquad.list, SQUAD_MAX_PLAYERS);
  for (int i = 0; i < SQUAD_MAX_PLAYERS; ++i) FillRow(RowOf(i), gSquad.list[i]);
  DisplaySort(key);
}

void DisplaySort(int16_t sortByType) {
  for (int i = 0; i < SQUAD_MAX_PLAYERS; ++i) {
    SquadRow& r = RowOf(i);
    r.value16 = BLANK_S16;
    r.value32 = MENU_BLANK_VALUE;
    r.valueText = -1;
  }
  int16_t header = -1;
  switch (sortByType) {
    case 30: header = 62; break;    // "Appearances"
    case 31: header = 64; break;    // "Goals"
    case 28: header = 63; break;    // "Contract"
    case 27: header = 240; break;   // "Wage"
    case 2: header = 61; break;     // "Age"
    case 4: header = 241; break;    // "Price"
    case 25: header = 242; break;   // "Shirt No."
    case 29: header = 243; break;   // "Performance"
    case 32: header = 244; break;   // "Morale"
    case 33: header = 245; break;   // "Fitness"
    case 34: header = 246; break;   // "Fatigue"
    case 35: header = 247; break;   // "Dis. Points"
    case 36: header = 1092; break;  // "Experience"
    case 37: header = 956; break;   // "Assists"
    case 38: header = 1575; break;  // "Last Perf."
    default:
      std::printf("M_MN7 - what am I sorting by - Cos I dont know\n");
      std::fflush(stdout);
      AbortError("m_mn7", 220, "DisplaySort() SortByType Invaild Value");
  }
  gSquad.valueHeaderText = header;
  std::snprintf(gSquad.valueHeader, sizeof gSquad.valueHeader, "%s %s", GetTextNoAddr(kDataLabel),
                GetTextNoAddr(header));
  gSquad.numberType = (sortByType == 27 || sortByType == 4) ? NUMBER_MONEY : NUMBER_PLAIN;

  for (int i = 0; i < SQUAD_MAX_PLAYERS; ++i) {
    SquadRow& r = RowOf(i);
    const int16_t p = r.player;
    if (p < 0) continue;
    switch (sortByType) {
      case 30: r.value16 = GNW_GetPlayerApps(p); break;
      case 31:
        if (GNW_GetPositionType(p) != 0) r.value16 = GNW_GetPlayerGoals(p);
        break;
      case 28:
        if (GNW_GetPlayerBossvane(p)) r.valueText = kTextDashes;
        else r.value16 = GNW_GetPlayerContract(p);
        break;
      case 27:
        if (GNW_GetPlayerBossvane(p)) r.valueText = kTextDashes;
        else r.value32 = GNW_GetPlayerWage(p);
        break;
      case 2: r.value16 = GNW_GetPlayerAge(p); break;
      case 4:
        if (GNW_GetPlayerBossvane(p)) {
          r.valueText = kTextDashes;
        } else if (GNW_GetPlayerWage(p) == 0) {
          r.valueText = kTextNoWage;
        } else {
          const int32_t price = GNW_GetPlayerManPrice(p);
          r.value32 = price >= 0 ? price : GNW_GetPlayerValue(p);
        }
        break;
      case 25: r.valueText = r.note; break;
      case 29: {
        const int16_t perf = GNW_GetPlayerPerf(p);
        if (perf == 0) r.valueText = kTextNoFigure;
        else r.value16 = perf;
        break;
      }
      case 32: r.value16 = GNW_GetPlayerMoralePercent(p); break;
      case 33: r.value16 = GNW_GetPlayerFitnessPercent(p); break;
      case 34: r.value16 = GNW_GetPlayerFatiguePercent(p); break;
      case 35: r.value16 = GNW_GetPlayerDispoints(p); break;
      case 36: r.value16 = GNW_GetPlayerExperiencePercent(p); break;
      case 37: r.value16 = GNW_GetPlayerAssists(p); break;
      case 38: {
        const int16_t rating = GNW_GetPlayerLastMatchRating(p);
        if (rating != 0) r.value16 = rating;
        break;
      }
      default: break;
    }
  }
}

void Squad_SetSortFlags(bool byColumn, bool byPosition) {
  gSquad.sortByColumn = byColumn;
  gSquad.groupByPosition = byPosition;
}
int16_t Squad_ToggleSortByColumn(MenuHotspot*) {
  gSquad.sortByColumn = !gSquad.sortByColumn;
  return MENU_RESULT_REDRAW;
}
int16_t Squad_ToggleGroupByPosition(MenuHotspot*) {
  gSquad.groupByPosition = !gSquad.groupByPosition;
  return MENU_RESULT_REDRAW;
}

int16_t Squad_ChooseStatistic(int16_t key) {
  if (key == 32 || key == 33 || key == 34) {
    const int16_t day = GNW_GetCurrentDay();
    if (day >= GNW_GetWindowEndDay() && day <= 366) {
      DoMessageBox(GetTextNoAddr(kOnHoliday), 0);
      return MENU_RESULT_REDRAW;
    }
  }
  if (std::find(SquadStatisticKeys, SquadStatisticKeys + SQUAD_STATISTICS, key) == SquadStatisticKeys + SQUAD_STATISTICS)
    return MENU_RESULT_REDRAW;  // not a choice of the list
  gSquad.chosenKey = key;
  return MENU_RESULT_REDRAW;
}

void Squad_ArmRole(int16_t role) {
  if (role < 0 || role >= SQUAD_ROLES) return;
  std::fill(gSquad.roleArmed, gSquad.roleArmed + SQUAD_ROLES, false);
  gSquad.roleArmed[role] = true;
}

int16_t Squad_RoleHolder(int16_t role) {
  const int16_t* variable = RoleVariable(role);
  return variable ? *variable : int16_t{-1};
}

void Squad_SetRoleHolder(int16_t role, int16_t player) {
  int16_t* variable = RoleVariable(role);
  if (!variable) return;
  *variable = player;
  if (role == SQUAD_ROLE_CAPTAIN && player >= 0 && MenuClub >= 0 && MenuClub < NUM_CLUBS) {
    GNW_ClearClubCaptains(MenuClub);
    GNW_SetPlayerCaptain(player, 1);
  }
}

int16_t Squad_ClickPlayer(int16_t player) {
  if (player < 0) return 0;
  if (LoanedOut(player)) {
    DoMessageBox(GetTextNoAddr(kOnLoan), 0);
    return MENU_RESULT_REDRAW;
  }
  for (int16_t role = 0; role < SQUAD_ROLES; ++role) {
    if (!gSquad.roleArmed[role]) continue;
    // The keeper's shirt does not take free kicks: the choice stays open.
    if (role == SQUAD_ROLE_FREE_KICK && GNW_GetPlayerShirt(player) == 1) return MENU_RESULT_REDRAW;
    Squad_SetRoleHolder(role, player);
    gSquad.roleArmed[role] = false;
    return MENU_RESULT_REDRAW;
  }
  if (gSquad.selected < 0) {
    gSquad.selected = player;
    return MENU_RESULT_REDRAW;
  }
  const int16_t other = gSquad.selected;
  gSquad.selected = -1;
  if (other == player) return MENU_RESULT_REDRAW;
  const int16_t shirt = GNW_GetPlayerShirt(player);
  GNW_SetPlayerShirt(player, GNW_GetPlayerShirt(other));
  GNW_SetPlayerShirt(other, shirt);
  // The roles go with the shirts.
  for (int16_t role = 0; role < SQUAD_ROLES; ++role) {
    const int16_t holder = Squad_RoleHolder(role);
    if (holder == player) Squad_SetRoleHolder(role, other);
    else if (holder == other) Squad_SetRoleHolder(role, player);
  }
  return MENU_RESULT_REDRAW;
}

int16_t Squad_NameClick(int16_t player) {
  if (player < 0) return 0;
  gSquad.toPlayerPage = true;
  OpenPlayerPage(player, 7);
  return MENU_RESULT_LEAVE;
}

int16_t Squad_Back() {
  gSquad.toPlayerPage = false;
  if (JobCentreFlag == 1)
    MenuOption = 43;
  else if (gSquad.openedFrom == 64 || gSquad.openedFrom == 66 || gSquad.openedFrom == 11)
    MenuOption = gSquad.openedFrom;
  else
    MenuOption = 3;
  return MENU_RESULT_LEAVE;
}

// ---- what tests look at ----

const SquadRow& Squad_Row(int column, int row) {
  static SquadRow blank;
  if (column < 0 || column > 1 || row < 0 || row >= SQUAD_ROWS) {
    blank = BlankRow();
    return blank;
  }
  return gSquad.rows[column][row];
}
int16_t Squad_ListCount() { return gSquad.count; }
int16_t Squad_ListAt(int index) {
  return index >= 0 && index < SQUAD_MAX_PLAYERS ? gSquad.list[index] : int16_t{-1};
}
const char* Squad_ValueHeader() { return gSquad.valueHeader; }
int16_t Squad_ValueHeaderText() { return gSquad.valueHeaderText; }
int16_t Squad_ChosenKey() { return gSquad.chosenKey; }
int16_t Squad_Selected() { return gSquad.selected; }
bool Squad_RoleArmed(int16_t role) { return role >= 0 && role < SQUAD_ROLES && gSquad.roleArmed[role]; }
bool Squad_ReserveMode() { return gSquad.reserveMode; }
int16_t Squad_ForeignClub() { return gSquad.foreignClub; }
bool Squad_ShowsControls() { return gSquad.controls; }

void Squad_Reset() {
  gSquad = SquadState{};
  gSquad.valueHeaderPtr = gSquad.valueHeader;
  ClearList();
  for (int i = 0; i < SQUAD_MAX_PLAYERS; ++i) RowOf(i) = BlankRow();
}
REGISTER_RESET(RESET_MENUS, Squad_Reset);
