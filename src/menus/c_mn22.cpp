// The Statistics screen (see c_mn22.h).
#include "menus/c_mn22.h"

#include <algorithm>
#include <cstdio>

#include "clubsim/squadlist.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/c_mn8.h"
#include "menus/c_mnshort.h"
#include "menus/exm_text.h"
#include "menus/m_mn0.h"
#include "menus/m_mn7.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/seasonstate.h"
#include "world/funcs.h"

namespace {

constexpr int16_t kTitle = 167;          // "Statistics"
constexpr int16_t kSideBoth = 38;        // "L/R"
constexpr int16_t kSideBothShort = 95;   // "LR"
constexpr int16_t kShortListIcon = 1358, kOwnClubIcon = 1359;
constexpr int16_t kCaptainIcon = 101, kPenaltyIcon = 1422, kCornerIcon = 1423, kFreeKickIcon = 1424;
constexpr int16_t kKeeperShirt = 1;
constexpr int16_t kSortByShirt = 25, kSortByGroup = 6, kSortByNumber = 0;
constexpr int16_t kPickColour = 1;
constexpr int kSquadMax = 32;

struct Skill {
  int16_t head;
  const char* shortHead;
  int16_t key;
};
constexpr Skill kSkills[STATISTICS_SKILLS] = {
    {44, "Pas", 10}, {45, "Sht", 11}, {43, "Tkl", 9},  {42, "Hdg", 8},  {46, "Drb", 12}, {41, "Kpg", 7},
    {47, "Ctrl", 13}, {58, "Ldr", 24}, {48, "Dbl", 14}, {49, "Pce", 15}, {52, "Stm", 18}, {50, "Agl", 16},
    {51, "Pwr", 17}, {53, "Res", 19}, {54, "Vsn", 20}, {55, "Cmp", 21}, {56, "Agr", 22}, {57, "Int", 23},
};
constexpr int16_t kFirstColumns[STATISTICS_COLUMNS] = {2, 3, 0, 1, 9, 10, 6, 4, 17};

struct Figure {
  int16_t chooser;
  const char* button;
};
constexpr Figure kFigures[STATISTICS_FIGURES] = {
    {62, "APP"}, {64, "GLS"}, {239, "Con."}, {61, "Age"}, {243, "PER"},
    {244, "MOR"}, {245, "Fit"}, {246, "FTG"}, {1092, "Exp"}, {1870, "LPF"},
};

// The role each duty fills (the Squad screen's roles).
constexpr int16_t kDutyRole[STATISTICS_DUTIES] = {SQUAD_ROLE_CAPTAIN, SQUAD_ROLE_FREE_KICK, SQUAD_ROLE_CORNER,
                                                  SQUAD_ROLE_PENALTY};

// Layout (menu units).
constexpr int kRowX = 32, kRowY = 96, kRowStep = 20;
constexpr int kHeadX = 266, kHeadStep = 38;

struct StatisticsState {
  // Kept between visits.
  int16_t columns[STATISTICS_COLUMNS] = {2, 3, 0, 1, 9, 10, 6, 4, 17};
  int16_t figure = 0;
  int16_t offset = 0;
  bool typeOn = false;
  int16_t pick = -1;
  // Reset on every opening.
  int16_t sortKey = SORT_KEY_NONE;
  bool source[3] = {true, false, false};
  bool duty[STATISTICS_DUTIES] = {};
  // Per call.
  int16_t list[STATISTICS_MAX];
  int16_t length = 0;
  StatisticsRow rows[STATISTICS_ROWS];
  int16_t clubName = -1;
  const char* figureButton = "APP";
  const char* heads[STATISTICS_COLUMNS] = {};
};
StatisticsState gSt;

bool ValidClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

StatisticsRow BlankRow() {
  StatisticsRow r{};
  r.player = -1;
  r.shirt = BLANK_S16;
  r.name = -1;
  r.side = -1;
  r.figure = BLANK_S16;
  for (int c = 0; c < STATISTICS_COLUMNS; ++c) r.skill[c] = BLANK_S16;
  return r;
}

bool OfClub(int16_t player) { return player >= 0 && GNW_GetPlayerClub(player) == MenuClub; }

// The holder of a role; the club's captain counts while the manager has
// chosen none.
int16_t RoleHolder(int16_t role) {
  const int16_t holder = Squad_RoleHolder(role);
  if (holder >= 0 || role != SQUAD_ROLE_CAPTAIN || !ValidClub(MenuClub)) return holder;
  for (int i = 0; i < gSt.length; ++i) {
    const int16_t p = gSt.list[i];
    if (OfClub(p) && GNW_GetPlayerCaptain(p)) return p;
  }
  return -1;
}

void Append(int16_t player) {
  if (player < 0 || gSt.length >= STATISTICS_MAX) return;
  gSt.list[gSt.length++] = player;
}

void AppendSquad(int16_t club) {
  GNW_FillSquadList(club);
  for (int i = 0; i < kSquadMax && SquadList[i] >= 0; ++i) Append(SquadList[i]);
}

void FillRow(StatisticsRow& r, int16_t p, int16_t holders[SQUAD_ROLES]) {
  r = BlankRow();
  if (p < 0) return;
  r.player = p;
  const bool own = OfClub(p);
  const int16_t shirt = GNW_GetPlayerShirt(p);
  if (own && shirt > 0) r.shirt = shirt;
  r.name = GNW_GetPlayerTextNo(p);
  r.nameColour = p == gSt.pick ? kPickColour : GNW_GetPlayerAvailability(p);
  r.side = GNW_GetSideTextNo(p);
  if (r.side == kSideBoth) r.side = kSideBothShort;
  r.positionIcon = GNW_GetPositionTypeGraphic(p);
  r.statusIcon = GNW_GetPlayerStatusIcon(p);
  r.shortListMark = ShortList_Contains(p) ? kShortListIcon : int16_t{0};
  r.ownClubMark = own ? kOwnClubIcon : int16_t{0};
  if (own) {
    if (holders[SQUAD_ROLE_CAPTAIN] == p) r.roleMark[0] = kCaptainIcon;
    if (holders[SQUAD_ROLE_PENALTY] == p) r.roleMark[1] = kPenaltyIcon;
    if (holders[SQUAD_ROLE_CORNER] == p) r.roleMark[2] = kCornerIcon;
    if (holders[SQUAD_ROLE_FREE_KICK] == p) r.roleMark[3] = kFreeKickIcon;
  }
  r.figure = Statistics_DisplaySort(p);
  for (int c = 0; c < STATISTICS_COLUMNS; ++c) {
    r.skill[c] = Statistics_ColumnValue(gSt.columns[c], p);
    r.skillColour[c] = StatValueColour(r.skill[c]);
  }
}

// ---- the pop-ups ----

int16_t ColumnPicked(const PopupCall* call);
int16_t FigurePicked(const PopupCall* call);
int16_t DisplayPicked(const PopupCall* call);
int16_t DutyPicked(const PopupCall* call);

constexpr int kColumnRows = 1 + STATISTICS_SKILLS;
PopupRow gColumnLists[STATISTICS_COLUMNS][kColumnRows + 1];
PopupRow gFigureList[STATISTICS_FIGURES + 1];
PopupRow gDisplayList[4];
PopupRow gDutyList[STATISTICS_DUTIES + 1];

PopupRow TextRow(int16_t text, PopupRowCallback callback) {
  return {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(text), callback, nullptr};
}
PopupRow EndRow() { return {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr}; }

void BuildPopups() {
  for (int c = 0; c < STATISTICS_COLUMNS; ++c) {
    gColumnLists[c][0] = TextRow(535, ColumnPicked);  // "Sort"
    for (int s = 0; s < STATISTICS_SKILLS; ++s) gColumnLists[c][1 + s] = TextRow(kSkills[s].head, ColumnPicked);
    gColumnLists[c][kColumnRows] = EndRow();
  }
  for (int f = 0; f < STATISTICS_FIGURES; ++f) gFigureList[f] = TextRow(kFigures[f].chooser, FigurePicked);
  gFigureList[STATISTICS_FIGURES] = EndRow();
  gDisplayList[0] = TextRow(439, DisplayPicked);   // "Type On"
  gDisplayList[1] = TextRow(1069, DisplayPicked);  // "Show Opposition"
  gDisplayList[2] = TextRow(423, DisplayPicked);   // "Short List"
  gDisplayList[3] = EndRow();
  gDutyList[0] = TextRow(579, DutyPicked);  // "Select Captain"
  gDutyList[1] = TextRow(582, DutyPicked);  // "Select Free Kick Taker"
  gDutyList[2] = TextRow(580, DutyPicked);  // "Select Corner Taker"
  gDutyList[3] = TextRow(581, DutyPicked);  // "Select Penalty Taker"
  gDutyList[4] = EndRow();
}

uint16_t Ticked(bool on) { return static_cast<uint16_t>(POPUP_ENABLED | (on ? POPUP_TICKED : 0)); }

bool ColumnTick(int column, int row) {
  if (row == 0) return gSt.sortKey != SORT_KEY_NONE && gSt.sortKey == kSkills[gSt.columns[column]].key;
  const int16_t skill = static_cast<int16_t>(row - 1);
  return std::find(gSt.columns, gSt.columns + STATISTICS_COLUMNS, skill) != gSt.columns + STATISTICS_COLUMNS;
}

void UpdateTicks() {
  for (int c = 0; c < STATISTICS_COLUMNS; ++c)
    for (int r = 0; r < kColumnRows; ++r) gColumnLists[c][r].flags = Ticked(ColumnTick(c, r));
  for (int f = 0; f < STATISTICS_FIGURES; ++f) gFigureList[f].flags = Ticked(f == gSt.figure);
  gDisplayList[0].flags = Ticked(gSt.typeOn);
  gDisplayList[1].flags = Ticked(gSt.source[STATISTICS_OPPONENT]);
  gDisplayList[2].flags = Ticked(gSt.source[STATISTICS_SHORT_LIST]);
  for (int d = 0; d < STATISTICS_DUTIES; ++d) gDutyList[d].flags = Ticked(gSt.duty[d]);
}

int16_t ColumnPicked(const PopupCall* call) {
  if (!call || !call->rowRecord) return POPUP_RESULT_CLOSE;
  const PopupRow* first = &gColumnLists[0][0];
  const long at = call->rowRecord - first;
  if (at < 0 || at >= STATISTICS_COLUMNS * (kColumnRows + 1)) return POPUP_RESULT_CLOSE;
  const int16_t column = static_cast<int16_t>(at / (kColumnRows + 1));
  const int row = static_cast<int>(at % (kColumnRows + 1));
  if (row == 0) return Statistics_SortColumn(column);
  if (row > kColumnRows - 1) return POPUP_RESULT_CLOSE;
  return Statistics_SetColumnSkill(column, static_cast<int16_t>(row - 1));
}
int16_t FigurePicked(const PopupCall* call) {
  if (!call || call->row < 0 || call->row >= STATISTICS_FIGURES) return POPUP_RESULT_CLOSE;
  return Statistics_ChooseFigure(call->row);
}
int16_t DisplayPicked(const PopupCall* call) {
  if (!call) return POPUP_RESULT_CLOSE;
  switch (call->row) {
    case 0: return Statistics_ToggleTypeOn();
    case 1: return Statistics_ToggleSource(STATISTICS_OPPONENT);
    case 2: return Statistics_ToggleSource(STATISTICS_SHORT_LIST);
    default: return POPUP_RESULT_CLOSE;
  }
}
int16_t DutyPicked(const PopupCall* call) {
  if (!call || call->row < 0 || call->row >= STATISTICS_DUTIES) return POPUP_RESULT_CLOSE;
  return Statistics_ToggleDuty(call->row);
}

// ---- drawing and handlers ----

void DrawRows(int, int, int, int) {
  for (int r = 0; r < STATISTICS_ROWS; ++r) {
    const int y = kRowY + r * kRowStep;
    DrawDarkShadeBox(16, y, 592, kRowStep - 1, 0);
    const StatisticsRow& row = gSt.rows[r];
    if (row.player < 0) continue;
    // A shirt number takes the place of the position and status icons.
    if (row.shirt == BLANK_S16) {
      if (row.positionIcon > 0) DoIcon(64, y + 2, ALIGN_LEFT | ALIGN_TOP, row.positionIcon);
      if (row.statusIcon > 0) DoIcon(72, y + 2, ALIGN_LEFT | ALIGN_TOP, row.statusIcon);
    }
    if (row.shortListMark > 0) DoIcon(56, y + 2, ALIGN_LEFT | ALIGN_TOP, row.shortListMark);
    if (row.ownClubMark > 0) DoIcon(56, y + 14, ALIGN_LEFT | ALIGN_TOP, row.ownClubMark);
    // The role marks over the others.
    constexpr int kMarkX[4] = {18, 28, 38, 48};
    for (int m = 0; m < 4; ++m)
      if (row.roleMark[m] > 0) DoIcon(kMarkX[m], y + 2, ALIGN_LEFT | ALIGN_TOP, row.roleMark[m]);
  }
}

int16_t Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) Statistics_Open();
  Statistics_Refresh();
  return 0;
}

int16_t OpensList(MenuHotspot*) { return 0; }  // the anchored list opens instead
int16_t UpClicked(MenuHotspot*) { return Statistics_Scroll(-1); }
int16_t DownClicked(MenuHotspot*) { return Statistics_Scroll(1); }
int16_t BackClicked(MenuHotspot*) { return Statistics_Back(); }
int16_t SquadTab(MenuHotspot*) { return Statistics_Tab(7); }
int16_t AnalysisTab(MenuHotspot*) { return Statistics_Tab(21); }
int16_t RowClicked(MenuHotspot* spot) { return spot ? Statistics_RowClick(spot->repetition) : int16_t{0}; }
int16_t NameClicked(MenuHotspot* spot) { return spot ? Statistics_NameClick(spot->repetition) : int16_t{0}; }

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

constexpr int16_t kStride = sizeof(StatisticsRow);

#define SKILL_CELL(c)                                                                                  \
  {MI_TEXT_COLOUR_VAR, 0, 0, 0, kStride, Var(&gSt.rows[0].skillColour[c]), {}},                     \
  {MI_NUMBER_S16, 285 + kHeadStep * (c), 3, ALIGN_HCENTRE | ALIGN_TOP, kStride, Var(&gSt.rows[0].skill[c]), {}}

const MenuItem kRowTable[] = {
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_NUMBER_S16, 80, 3, ALIGN_RIGHT | ALIGN_TOP, kStride, Var(&gSt.rows[0].shirt), {}},
    {MI_CLICK_REGION, 42, 0, 40, kRowStep, MenuArg(-1), MenuArg(RowClicked)},
    {MI_TEXT_COLOUR_VAR, 0, 0, 0, kStride, Var(&gSt.rows[0].nameColour), {}},
    {MI_TEXTNO_VAR, 82, 3, ALIGN_LEFT | ALIGN_TOP, kStride, Var(&gSt.rows[0].name), {}},
    {MI_CLICK_REGION, 82, 0, 130, kRowStep, MenuArg(-1), MenuArg(NameClicked)},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXTNO_VAR, 212, 3, ALIGN_LEFT | ALIGN_TOP, kStride, Var(&gSt.rows[0].side), {}},
    {MI_NUMBER_S16, 247, 3, ALIGN_HCENTRE | ALIGN_TOP, kStride, Var(&gSt.rows[0].figure), {}},
    SKILL_CELL(0), SKILL_CELL(1), SKILL_CELL(2), SKILL_CELL(3), SKILL_CELL(4),
    SKILL_CELL(5), SKILL_CELL(6), SKILL_CELL(7), SKILL_CELL(8),
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
#undef SKILL_CELL

#define COLUMN_HEAD(c)                                                                                      \
  {MI_STRING_BUTTON_VAR, kHeadX + kHeadStep * (c), 74, 38, 20, Var(&gSt.heads[c]), MenuArg(OpensList)},     \
  {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gColumnLists[c]), {}}

}  // namespace

const MenuItem StatisticsMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO_VAR, 80, 36, ALIGN_LEFT | ALIGN_VMIDDLE, 0, Var(&gSt.clubName), {}},
    {MI_TEXTNO, 480, 36, ALIGN_RIGHT | ALIGN_VMIDDLE, 0, MenuArg(kTitle), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_OWNER_DRAW, 16, kRowY, 592, STATISTICS_ROWS * kRowStep, MenuArg(DrawRows), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING_BUTTON_VAR, 228, 74, 38, 20, Var(&gSt.figureButton), MenuArg(OpensList)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gFigureList), {}},
    COLUMN_HEAD(0), COLUMN_HEAD(1), COLUMN_HEAD(2), COLUMN_HEAD(3), COLUMN_HEAD(4),
    COLUMN_HEAD(5), COLUMN_HEAD(6), COLUMN_HEAD(7), COLUMN_HEAD(8),
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, kRowX - 32, kRowY, STATISTICS_ROWS, kRowStep, MenuArg(static_cast<const void*>(kRowTable)), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_ICON, 24, 440, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_CLICK_REGION, 24, 440, 40, 20, MenuArg(-1), MenuArg(UpClicked)},
    {MI_CLICK_REGION, 24, 462, 40, 20, MenuArg(-1), MenuArg(DownClicked)},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_BUTTON, 74, 440, 120, 30, MenuArg(453), MenuArg(SquadTab)},         // "Squad"
    {MI_TEXT_BUTTON, 196, 440, 120, 30, MenuArg(497), MenuArg(AnalysisTab)},     // "Stats. Analysis"
    {MI_TEXT_BUTTON, 318, 440, 120, 30, MenuArg(898), MenuArg(OpensList)},       // "Display"
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gDisplayList), {}},
    {MI_TEXT_BUTTON, 440, 440, 120, 30, MenuArg(1815), MenuArg(OpensList)},      // "Duties"
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gDutyList), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_CLICK_REGION, 570, 440, 40, 40, MenuArg(-1), MenuArg(BackClicked)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};
#undef COLUMN_HEAD

// ---- values ----

int16_t Statistics_SkillHead(int16_t skill) {
  return skill >= 0 && skill < STATISTICS_SKILLS ? kSkills[skill].head : int16_t{-1};
}
int16_t Statistics_SkillKey(int16_t skill) {
  return skill >= 0 && skill < STATISTICS_SKILLS ? kSkills[skill].key : SORT_KEY_NONE;
}

int16_t Statistics_ColumnValue(int16_t skill, int16_t player) {
  const int16_t head = Statistics_SkillHead(skill);
  if (player < 0) return BLANK_S16;
  if (head >= 41 && head <= 48) return GNW_GetPlayerAbilityStat(player, static_cast<int16_t>(head - 41));
  if (head >= 49 && head <= 55) return GNW_GetPlayerPhysicalStat(player, static_cast<int16_t>(head - 41));
  switch (head) {
    case 56: return GNW_GetPlayerPersonalityStat(player, 15);
    case 57: return GNW_GetPlayerPersonalityStat(player, 19);
    case 58: return GNW_GetPlayerPersonalityStat(player, 20);
    default: return BLANK_S16;
  }
}

int16_t Statistics_DisplaySort(int16_t player) {
  const int16_t chooser = gSt.figure >= 0 && gSt.figure < STATISTICS_FIGURES ? kFigures[gSt.figure].chooser
                                                                             : int16_t{-1};
  switch (chooser) {
    case 1870: {
      const int16_t rating = GNW_GetPlayerLastMatchRating(player);
      return rating == 0 ? BLANK_S16 : rating;
    }
    case 1092: return GNW_GetPlayerExperiencePercent(player);
    case 247: return GNW_GetPlayerDispoints(player);
    case 246: return GNW_GetPlayerFatiguePercent(player);
    case 245: return GNW_GetPlayerFitnessPercent(player);
    case 244: return GNW_GetPlayerMoralePercent(player);
    case 243: return GNW_GetPlayerPerf(player);
    case 239: return GNW_GetPlayerContract(player);
    case 64: return GNW_GetPositionType(player) == 0 ? BLANK_S16 : GNW_GetPlayerGoals(player);
    case 62: return GNW_GetPlayerApps(player);
    case 61: return GNW_GetPlayerAge(player);
    default:
      AbortError("menus\\c_mn22", __LINE__, "DisplaySort() SortByType Invaild Value");
  }
}

// ---- the screen's steps ----

void Statistics_Open() {
  SetScreenHeader(3);
  BuildPopups();
  MenuClub = GNW_GetHumanClub(1);
  gSt.sortKey = SORT_KEY_NONE;
  gSt.source[STATISTICS_OWN_CLUB] = true;
  gSt.source[STATISTICS_OPPONENT] = false;
  gSt.source[STATISTICS_SHORT_LIST] = false;
  std::fill(gSt.duty, gSt.duty + STATISTICS_DUTIES, false);
  gSt.pick = -1;
  gSt.clubName = ValidClub(MenuClub) ? GNW_GetClubTextNo(GNW_GetClubDbId(MenuClub)) : int16_t{-1};
}

void Statistics_Refresh() {
  std::fill(gSt.list, gSt.list + STATISTICS_MAX, int16_t{-1});
  gSt.length = 0;
  const bool club = ValidClub(MenuClub);
  if (gSt.source[STATISTICS_OWN_CLUB] && club) AppendSquad(MenuClub);
  if (gSt.source[STATISTICS_OPPONENT]) {
    const int16_t opponent = club ? GNW_GetNextOpponent(MenuClub) : int16_t{-1};
    if (ValidClub(opponent))
      AppendSquad(opponent);
    else
      gSt.source[STATISTICS_OPPONENT] = false;
  }
  if (gSt.source[STATISTICS_SHORT_LIST])
    for (int16_t p = 0; p < PlayerCount; ++p)
      if (ShortList_Contains(p) == 1) Append(p);

  const int16_t key = gSt.sortKey;
  if (gSt.typeOn) {
    if (key != SORT_KEY_NONE)
      SetSortKeys(kSortByGroup, key, kSortByShirt, kSortByNumber, SORT_KEY_NONE);
    else
      SetSortKeys(kSortByGroup, kSortByShirt, kSortByNumber, SORT_KEY_NONE, SORT_KEY_NONE);
  } else if (key != SORT_KEY_NONE) {
    SetSortKeys(key, kSortByShirt, kSortByNumber, SORT_KEY_NONE, SORT_KEY_NONE);
  } else {
    SetSortKeys(kSortByShirt, kSortByNumber, SORT_KEY_NONE, SORT_KEY_NONE, SORT_KEY_NONE);
  }
  SortPlayerList(gSt.list, gSt.length);

  int16_t holders[SQUAD_ROLES];
  for (int16_t role = 0; role < SQUAD_ROLES; ++role) holders[role] = RoleHolder(role);
  for (int r = 0; r < STATISTICS_ROWS; ++r) {
    const int index = gSt.offset + r;
    FillRow(gSt.rows[r], index >= 0 && index < gSt.length ? gSt.list[index] : int16_t{-1}, holders);
  }
  gSt.figureButton = kFigures[gSt.figure].button;
  for (int c = 0; c < STATISTICS_COLUMNS; ++c) gSt.heads[c] = kSkills[gSt.columns[c]].shortHead;
  UpdateTicks();
}

int16_t Statistics_SortColumn(int16_t column) {
  if (column < 0 || column >= STATISTICS_COLUMNS) return POPUP_RESULT_CLOSE;
  const int16_t key = kSkills[gSt.columns[column]].key;
  gSt.sortKey = gSt.sortKey == key ? SORT_KEY_NONE : key;
  return MENU_RESULT_REDRAW;
}

int16_t Statistics_SetColumnSkill(int16_t column, int16_t skill) {
  if (column < 0 || column >= STATISTICS_COLUMNS || skill < 0 || skill >= STATISTICS_SKILLS)
    return POPUP_RESULT_CLOSE;
  gSt.columns[column] = skill;
  gSt.sortKey = SORT_KEY_NONE;
  return MENU_RESULT_REDRAW;
}

int16_t Statistics_ChooseFigure(int16_t figure) {
  if (figure < 0 || figure >= STATISTICS_FIGURES) return POPUP_RESULT_CLOSE;
  gSt.figure = figure;
  return MENU_RESULT_REDRAW;
}

int16_t Statistics_ToggleTypeOn() {
  gSt.typeOn = !gSt.typeOn;
  return MENU_RESULT_REDRAW;
}

int16_t Statistics_ToggleSource(int16_t source) {
  if (source < 0 || source > STATISTICS_SHORT_LIST) return POPUP_RESULT_CLOSE;
  gSt.source[source] = !gSt.source[source];
  return MENU_RESULT_REDRAW;
}

int16_t Statistics_ToggleDuty(int16_t duty) {
  if (duty < 0 || duty >= STATISTICS_DUTIES) return POPUP_RESULT_CLOSE;
  gSt.duty[duty] = !gSt.duty[duty];
  return MENU_RESULT_REDRAW;
}

int16_t Statistics_RowClick(int16_t row) {
  const int index = gSt.offset + row;
  if (row < 0 || row >= STATISTICS_ROWS || index >= gSt.length) return MENU_RESULT_DONE;
  const int16_t p = gSt.list[index];
  if (!OfClub(p)) return MENU_RESULT_DONE;

  // Pending duties first; the keeper's shirt takes no penalties.
  constexpr int16_t kServeOrder[] = {STATISTICS_DUTY_FREE_KICK, STATISTICS_DUTY_CORNER, STATISTICS_DUTY_PENALTY,
                                     STATISTICS_DUTY_CAPTAIN};
  bool served = false;
  for (const int16_t duty : kServeOrder) {
    if (!gSt.duty[duty]) continue;
    if (duty == STATISTICS_DUTY_PENALTY && GNW_GetPlayerShirt(p) == kKeeperShirt) continue;
    Squad_SetRoleHolder(kDutyRole[duty], p);
    gSt.duty[duty] = false;
    served = true;
  }
  if (served) return MENU_RESULT_REDRAW;

  if (gSt.pick < 0) {
    gSt.pick = p;
    return MENU_RESULT_REDRAW;
  }
  const int16_t q = gSt.pick;
  gSt.pick = -1;
  const int16_t shirtP = GNW_GetPlayerShirt(p);
  const int16_t shirtQ = GNW_GetPlayerShirt(q);
  if (p != q && (shirtP == kKeeperShirt || shirtQ == kKeeperShirt)) {
    // The set-piece roles of the outfield shirt go to the player leaving
    // shirt 1.
    const int16_t keeper = shirtP == kKeeperShirt ? p : q;
    const int16_t other = keeper == p ? q : p;
    for (const int16_t role : {SQUAD_ROLE_PENALTY, SQUAD_ROLE_FREE_KICK, SQUAD_ROLE_CORNER})
      if (Squad_RoleHolder(role) == other) Squad_SetRoleHolder(role, keeper);
  }
  GNW_SetPlayerShirt(q, shirtP);
  GNW_SetPlayerShirt(p, shirtQ);
  return MENU_RESULT_REDRAW;
}

int16_t Statistics_NameClick(int16_t row) {
  const int index = gSt.offset + row;
  if (row < 0 || row >= STATISTICS_ROWS || index >= gSt.length || gSt.list[index] < 0) return MENU_RESULT_DONE;
  OpenPlayerPage(gSt.list[index], MenuOption);
  return MENU_RESULT_LEAVE;
}

int16_t Statistics_Scroll(int16_t delta) {
  if (delta > 0 && gSt.offset + STATISTICS_ROWS < gSt.length) {
    ++gSt.offset;
    return MENU_RESULT_REDRAW;
  }
  if (delta < 0 && gSt.offset > 0) {
    --gSt.offset;
    return MENU_RESULT_REDRAW;
  }
  return MENU_RESULT_DONE;
}

int16_t Statistics_Tab(int16_t option) {
  ReturnMenuOption = MenuOption;
  MenuOption = option;
  return MENU_RESULT_LEAVE;
}

int16_t Statistics_Back() {
  MenuOption = 3;
  return MENU_RESULT_LEAVE;
}

// ---- what tests look at ----

const StatisticsRow& Statistics_Row(int row) {
  static StatisticsRow blank;
  if (row < 0 || row >= STATISTICS_ROWS) {
    blank = BlankRow();
    return blank;
  }
  return gSt.rows[row];
}
int16_t Statistics_ListAt(int index) { return index >= 0 && index < gSt.length ? gSt.list[index] : int16_t{-1}; }
int16_t Statistics_Length() { return gSt.length; }
int16_t Statistics_Offset() { return gSt.offset; }
void Statistics_SetOffset(int16_t offset) { gSt.offset = std::max<int16_t>(0, offset); }
int16_t Statistics_SortKey() { return gSt.sortKey; }
int16_t Statistics_Figure() { return gSt.figure; }
int16_t Statistics_ColumnSkill(int column) {
  return column >= 0 && column < STATISTICS_COLUMNS ? gSt.columns[column] : int16_t{-1};
}
bool Statistics_SourceOn(int16_t source) { return source >= 0 && source <= STATISTICS_SHORT_LIST && gSt.source[source]; }
bool Statistics_TypeOn() { return gSt.typeOn; }
bool Statistics_DutyPending(int16_t duty) { return duty >= 0 && duty < STATISTICS_DUTIES && gSt.duty[duty]; }
int16_t Statistics_Pick() { return gSt.pick; }
bool Statistics_ColumnRowTicked(int column, int row) {
  if (column < 0 || column >= STATISTICS_COLUMNS || row < 0 || row >= kColumnRows) return false;
  return (gColumnLists[column][row].flags & POPUP_TICKED) != 0;
}
bool Statistics_FigureRowTicked(int row) {
  return row >= 0 && row < STATISTICS_FIGURES && (gFigureList[row].flags & POPUP_TICKED) != 0;
}

void Statistics_Reset() {
  gSt = StatisticsState{};
  std::copy(kFirstColumns, kFirstColumns + STATISTICS_COLUMNS, gSt.columns);
  std::fill(gSt.list, gSt.list + STATISTICS_MAX, int16_t{-1});
  for (auto& r : gSt.rows) r = BlankRow();
  for (int c = 0; c < STATISTICS_COLUMNS; ++c) gSt.heads[c] = kSkills[gSt.columns[c]].shortHead;
  BuildPopups();
  UpdateTicks();
}
REGISTER_RESET(RESET_MENUS, Statistics_Reset);
