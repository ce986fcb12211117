// The club's fixtures and the league table (see c_mnfix.h).
#include "menus/c_mnfix.h"

#include <algorithm>
#include <cstdio>

#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "season/endseason.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/static_country.h"

int16_t MatchDayFlag = 0;
uint8_t ClubFixturesViewState = 0;

namespace {

constexpr int kFixRows = CLUB_FIXTURES_ROWS;
constexpr int kTableRows = LEAGUE_TABLE_ROWS;
constexpr int16_t kTitleFixtures = 294;  // "Fixtures"
constexpr int16_t kTextShortWeekday = 21;  // "Sat" ... "Fri"
constexpr int16_t kTextNeutral = 1498, kTextHome = 102, kTextAway = 103;  // "N", "H", "A"
constexpr int16_t kTextDash = 125, kTextVs = 152;                         // "-", "Vs"
constexpr int16_t kTextGroupA = 1550;
constexpr int16_t kChampionsLeagueGroups = 101;  // the competition code of the group stage
constexpr int16_t kMovementIcon = 1316;          // + 0 same, 1 up, 2 down
constexpr int16_t kColourHuman = 8;
constexpr uint16_t kZoneColour = 0xB260;
constexpr int kTableTop = 100, kTableStep = 20, kTableX = 30, kTableW = 596;
constexpr int16_t kOptionShortcut = 67;
// The hidden shortcut: left, left, right, left, right (0 left, 1 right).
constexpr int kPatternLength = 5;
constexpr int kPattern[kPatternLength] = {0, 0, 1, 0, 1};
constexpr int16_t kRightButtonTimer = 0x46;  // the key of the timer that watches the right button

struct FixturesState {
  int16_t list[NUM_FIXTURES];
  int16_t length = 0;
  int16_t first = 0;
  int16_t club = -1;
  int16_t clubName = -1;
  ClubFixtureRow rows[kFixRows];
  const char* datePtr[kFixRows] = {};
  const char* compPtr[kFixRows] = {};
  int16_t step = 0;        // clicks of the shortcut's pattern so far
  int32_t lastButtons = 0;  // the buttons as the right-button watch last saw them
};

struct TableState {
  int16_t division = 0;
  int16_t first = 0;
  int16_t size = 0;
  int16_t shown = 0;
  int16_t heading = -1;
  LeagueTableScreenRow rows[kTableRows];
  PopupRow divisions[NUM_DIVISIONS + 1];
};

FixturesState gFix;
TableState gTable;
ClubFixtureRow gBlankFixtureRow;
LeagueTableScreenRow gBlankTableRow;

ClubFixtureRow BlankFixtureRow() {
  ClubFixtureRow r{};
  r.fixture = -1;
  r.opponent = -1;
  r.venue = -1;
  r.ownGoals = BLANK_S16;
  r.separator = -1;
  r.otherGoals = BLANK_S16;
  return r;
}

LeagueTableScreenRow BlankTableRow() {
  LeagueTableScreenRow r{};
  r.club = -1;
  r.name = -1;
  r.movementIcon = 0;
  for (int16_t* n : {&r.position, &r.played, &r.homeWon, &r.homeDrawn, &r.homeLost, &r.awayWon, &r.awayDrawn,
                     &r.awayLost, &r.goalsFor, &r.goalsAgainst, &r.difference, &r.points})
    *n = BLANK_S16;
  r.colour = 0;
  return r;
}

bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

int16_t ClubText(int16_t club) { return WorldClub(club) ? GNW_GetClubTextNo(GNW_GetClubDbId(club)) : int16_t{-1}; }

// The Champions League group the club plays in, -1 none.
int16_t GroupOf(int16_t club) {
  for (int16_t group = 0; group < NUM_EURO_GROUPS; ++group)
    for (int16_t slot = 0; slot < EURO_GROUP_CLUBS; ++slot)
      if (GNW_GetChampionsLeagueGroupClub(slot, group) == club) return group;
  return -1;
}

// A fixture with a score, played before today.
bool Played(int16_t fixture) {
  return GNW_GetFixtureDay(fixture) < GNW_GetCurrentDay() && GNW_GetFixtureHomeGoals(fixture) != GOALS_NOT_PLAYED &&
         GNW_GetFixtureAwayGoals(fixture) != GOALS_NOT_PLAYED;
}

void ForgetShortcutAttempt() { gFix.step = 0; }

void FillFixtureRow(ClubFixtureRow& r, int16_t fixture) {
  r = BlankFixtureRow();
  if (fixture < 0) return;
  r.fixture = fixture;
  const int16_t club = gFix.club;
  const int16_t home = GNW_GetFixtureHomeClub(fixture);
  const int16_t away = GNW_GetFixtureAwayClub(fixture);
  const bool atHome = home == club;
  int16_t dayOfMonth = 0, month = 0, weekday = 0;
  GNW_GetDateOfDay(GNW_GetFixtureDay(fixture), &dayOfMonth, &month, &weekday);
  std::snprintf(r.date, sizeof r.date, "%s %02d/%02d", GetTextNoAddr(kTextShortWeekday + weekday), dayOfMonth, month);
  r.opponent = ClubText(atHome ? away : home);
  r.venue = GNW_GetFixtureLegFlag(fixture) ? kTextNeutral : atHome ? kTextHome : kTextAway;
  if (Played(fixture)) {
    const int16_t homeGoals = GNW_GetFixtureHomeGoals(fixture), awayGoals = GNW_GetFixtureAwayGoals(fixture);
    r.ownGoals = atHome ? homeGoals : awayGoals;
    r.separator = kTextDash;
    r.otherGoals = atHome ? awayGoals : homeGoals;
  } else {
    r.separator = kTextVs;
  }
  const int16_t competition = GNW_GetFixtureCompetition(fixture);
  int16_t round = -1, mark = -1;
  const int16_t name = GNW_GetCompTextNo(competition, &round, &mark);
  if (competition == kChampionsLeagueGroups && round == kTextGroupA) {
    const int16_t group = GroupOf(club);
    if (group >= 0) round = GNW_GetGroupTextNo(group);
  }
  std::snprintf(r.competition, sizeof r.competition, "%s %s %s", GetTextNoAddr(name), GetTextNoAddr(round),
                GetTextNoAddr(mark));
}

// Opens option 67, remembering where it was opened from.
int16_t OpenShortcut() {
  gFix.step = 0;
  ReturnMenuOption = MenuOption;
  MenuOption = kOptionShortcut;
  return MENU_RESULT_LEAVE;
}

// ---- drawing and the table's callbacks ----

void DarkBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

int16_t FixtureRowClicked(MenuHotspot* spot) { return ClubFixtures_ClickRow(spot ? spot->repetition : -1); }
int16_t NameClicked(MenuHotspot*) { return ClubFixtures_NameClick(0); }

// The right button reaches no hot spot: a menu timer watches it every frame
// and takes a press over the club name as a step of the shortcut.
void WatchRightButton(MenuTimer*, int) {
  const int32_t buttons = GetMenuButtons();
  const bool press = (buttons & 2) && !(gFix.lastButtons & 2);
  gFix.lastButtons = buttons;
  if (!press) return;
  const int x = MenuPointerX(), y = MenuPointerY();
  for (int i = 0; i < MenuHotspotCount(); ++i) {
    const MenuHotspot* spot = MenuHotspotAt(i);
    if (spot->handler != NameClicked) continue;
    if (x < spot->x || x >= spot->x + spot->w || y < spot->y || y >= spot->y + spot->h) return;
    if (ClubFixtures_NameClick(1) == MENU_RESULT_LEAVE) SetMenuResult(MENU_RESULT_LEAVE);
    return;
  }
}

void StartRightButtonWatch() {
  KillMenuTimer(kRightButtonTimer);
  gFix.lastButtons = GetMenuButtons();
  const MenuItem timer = {0, kRightButtonTimer, 0, 0, -1, MenuArg(WatchRightButton), {}};
  AddMenuTimer(&timer);
}

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

constexpr int16_t kFixStride = sizeof(ClubFixtureRow);

const MenuItem kFixtureRowTemplate[] = {
    {MI_OWNER_DRAW, 0, 0, 576, 20, MenuArg(DarkBox), {}},
    {MI_CLICK_REGION, 0, 0, 576, 20, MenuArg(-1), MenuArg(FixtureRowClicked)},
    {MI_STRING_VAR, 6, 3, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*), Var(gFix.datePtr), {}},
    {MI_TEXTNO_VAR, 78, 3, ALIGN_LEFT | ALIGN_TOP, kFixStride, Var(&gFix.rows[0].venue), {}},
    {MI_TEXTNO_VAR, 96, 3, ALIGN_LEFT | ALIGN_TOP, kFixStride, Var(&gFix.rows[0].opponent), {}},
    {MI_NUMBER_S16, 296, 3, ALIGN_RIGHT | ALIGN_TOP, kFixStride, Var(&gFix.rows[0].ownGoals), {}},
    {MI_TEXTNO_VAR, 306, 3, ALIGN_HCENTRE | ALIGN_TOP, kFixStride, Var(&gFix.rows[0].separator), {}},
    {MI_NUMBER_S16, 316, 3, ALIGN_LEFT | ALIGN_TOP, kFixStride, Var(&gFix.rows[0].otherGoals), {}},
    {MI_STRING_VAR, 346, 3, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*), Var(gFix.compPtr), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

int16_t DivisionPicked(const PopupCall* call) {
  if (!call) return POPUP_RESULT_CLOSE;
  LeagueTable_SelectDivision(call->row);
  return MENU_RESULT_REDRAW;
}
int16_t OpensList(MenuHotspot*) { return 0; }  // the anchored list opens instead
int16_t TableRowClicked(MenuHotspot* spot) { return LeagueTable_ClickRow(spot ? spot->repetition : -1); }

// The rows' background in alternating shades.
void DrawTableBackground(int x, int y, int w, int) {
  for (int i = 0; i < gTable.shown; ++i) DrawDarkShadeBox(x, y + 2 + i * kTableStep, w, kTableStep, i % 2);
}

// A zone line at the top of place `place` when it lies inside the page.
void ZoneLine(int place, bool dashed) {
  const int row = place - gTable.first;
  if (row <= 0 || row >= gTable.shown) return;
  const int y = kTableTop + row * kTableStep;
  if (!dashed) {
    DrawFilledRectangle(kTableX, y, kTableW, 2);
    return;
  }
  for (int x = kTableX; x < kTableX + kTableW; x += 12) DrawFilledRectangle(x, y, 6, 2);
}

// Under the last promotion place, above the first relegation place, and a
// dashed line under the last play-off place.
void DrawZoneLines(int, int, int, int) {
  const int16_t country = GNW_GetGameCountry();
  const int16_t d = gTable.division;
  if (!IsGameCountry(country) || d < 0 || d >= NUM_DIVISIONS) return;
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kZoneColour);
  const int promoted = PromotionPlaces[country][d];
  if (promoted > 0) ZoneLine(promoted, false);
  const int relegated = RelegationPlaces[country][d];
  if (relegated > 0) ZoneLine(gTable.size - relegated, false);
  if (GNW_DivisionHasPlayOffs(d)) ZoneLine(promoted + CountryDivisionInfo.playoffs[country][d].value, true);
}

// The movement icons of the page.
void DrawMovementIcons(int, int, int, int) {
  for (int i = 0; i < gTable.shown; ++i)
    if (gTable.rows[i].movementIcon > 0)
      DoIcon(231, kTableTop + i * kTableStep, ALIGN_LEFT | ALIGN_TOP, gTable.rows[i].movementIcon);
}

constexpr int16_t kTableStride = sizeof(LeagueTableScreenRow);

#define TABLE_NUMBER(x, field) \
  {MI_NUMBER_S16, x, 3, ALIGN_HCENTRE | ALIGN_TOP, kTableStride, Var(&gTable.rows[0].field), {}}

const MenuItem kTableRowTemplate[] = {
    {MI_CLICK_REGION, kTableX, 0, kTableW, 20, MenuArg(-1), MenuArg(TableRowClicked)},
    {MI_TEXT_COLOUR_VAR, 0, 0, 0, kTableStride, Var(&gTable.rows[0].colour), {}},
    {MI_NUMBER_S16, 48, 3, ALIGN_RIGHT | ALIGN_TOP, kTableStride, Var(&gTable.rows[0].position), {}},
    {MI_TEXTNO_VAR, 60, 3, ALIGN_LEFT | ALIGN_TOP, kTableStride, Var(&gTable.rows[0].name), {}},
    TABLE_NUMBER(260, played),
    TABLE_NUMBER(295, homeWon),
    TABLE_NUMBER(330, homeDrawn),
    TABLE_NUMBER(365, homeLost),
    TABLE_NUMBER(400, awayWon),
    TABLE_NUMBER(435, awayDrawn),
    TABLE_NUMBER(470, awayLost),
    TABLE_NUMBER(505, goalsFor),
    TABLE_NUMBER(540, goalsAgainst),
    TABLE_NUMBER(575, difference),
    TABLE_NUMBER(610, points),
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
#undef TABLE_NUMBER

}  // namespace

// ---- Fixtures ----

void ClubFixtures_Open() {
  if (MatchDayFlag == 1)
    SetScreenHeader(6);
  else
    SetScreenHeader(3);
  gFix.club = MenuClub;
  gFix.clubName = ClubText(gFix.club);
  gFix.length = 0;
  gFix.step = 0;
  const int16_t today = GNW_GetCurrentDay();
  int16_t played = 0, firstUnplayed = -1;
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t day = GNW_GetFixtureDay(n);
    if (day == FIXTURE_EMPTY_DAY) break;  // the used slots come first
    const int16_t home = GNW_GetFixtureHomeClub(n), away = GNW_GetFixtureAwayClub(n);
    if (home == away || (home != gFix.club && away != gFix.club)) continue;
    if (GNW_GetFixtureCompetition(n) == COMP_SPECIAL) continue;
    if (day < today)
      ++played;
    else if (firstUnplayed < 0)
      firstUnplayed = gFix.length;
    gFix.list[gFix.length++] = n;
  }
  std::fill(gFix.list + gFix.length, gFix.list + NUM_FIXTURES, int16_t{-1});
  gFix.first = 0;
  if (played >= 9 && firstUnplayed >= 0) gFix.first = static_cast<int16_t>(firstUnplayed - 8);
}

void ClubFixtures_Refresh() {
  for (int i = 0; i < kFixRows; ++i) {
    const int index = gFix.first + i;
    FillFixtureRow(gFix.rows[i], index < gFix.length ? gFix.list[index] : int16_t{-1});
    gFix.datePtr[i] = gFix.rows[i].date;
    gFix.compPtr[i] = gFix.rows[i].competition;
  }
}

int16_t ClubFixtures_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    ClubFixtures_Open();
    StartRightButtonWatch();
  }
  ClubFixtures_Refresh();
  return 0;
}

int16_t ClubFixtures_ClickRow(int row) {
  ForgetShortcutAttempt();
  if (MatchDayFlag == 1 || row < 0 || row >= kFixRows) return 0;
  const int16_t fixture = gFix.rows[row].fixture;
  if (fixture < 0) return 0;
  const int16_t home = GNW_GetFixtureHomeClub(fixture);
  const int16_t opponent = home == gFix.club ? GNW_GetFixtureAwayClub(fixture) : home;
  if (!WorldClub(opponent)) return 0;
  MenuClub = opponent;
  MenuOption = 2;
  return MENU_RESULT_LEAVE;
}

int16_t ClubFixtures_ScrollUp(MenuHotspot*) {
  ForgetShortcutAttempt();
  gFix.first = static_cast<int16_t>(std::max(0, gFix.first - 16));
  return MENU_RESULT_REDRAW;
}

int16_t ClubFixtures_ScrollDown(MenuHotspot*) {
  ForgetShortcutAttempt();
  const int last = gFix.length - kFixRows;
  gFix.first = static_cast<int16_t>(std::max(0, std::min(gFix.first + 16, last)));
  return MENU_RESULT_REDRAW;
}

int16_t ClubFixtures_Done(MenuHotspot*) {
  ForgetShortcutAttempt();
  if (MatchDayFlag == 1) {
    MatchDayFlag = 0;  // back to the page that opened the list
    MenuOption = 6;
  } else {
    MenuOption = 3;
  }
  return MENU_RESULT_LEAVE;
}

int16_t ClubFixtures_NameClick(int button) {
  if (ClubFixturesViewState == 1) return OpenShortcut();
  if (gFix.step < 0 || gFix.step >= kPatternLength || button != kPattern[gFix.step]) {
    gFix.step = 0;  // the attempt ends; the next click starts a new one
    return 0;
  }
  if (++gFix.step < kPatternLength) return 0;
  ClubFixturesViewState = 1;
  return OpenShortcut();
}

const ClubFixtureRow& ClubFixtures_Row(int row) {
  if (row < 0 || row >= kFixRows) {
    gBlankFixtureRow = BlankFixtureRow();
    return gBlankFixtureRow;
  }
  return gFix.rows[row];
}
int16_t ClubFixtures_Length() { return gFix.length; }
int16_t ClubFixtures_ListAt(int index) { return index >= 0 && index < gFix.length ? gFix.list[index] : int16_t{-1}; }
int16_t ClubFixtures_FirstRow() { return gFix.first; }
int16_t ClubFixtures_ShortcutStep() { return gFix.step; }

const MenuItem ClubFixturesMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(ClubFixtures_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO, 340, 36, ALIGN_LEFT | ALIGN_VMIDDLE, 0, MenuArg(kTitleFixtures), {}},
    {MI_ICON, 24, 430, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_TEXTNO_VAR, 80, 36, ALIGN_LEFT | ALIGN_VMIDDLE, 0, Var(&gFix.clubName), MenuArg(NameClicked)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 32, 80, kFixRows, 20, MenuArg(static_cast<const void*>(kFixtureRowTemplate)), {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_OWNER_DRAW, 31, 79, 578, 342, MenuArg(DrawBlackFrame), {}},
    {MI_CLICK_REGION, 30, 436, 24, 18, MenuArg(-1), MenuArg(ClubFixtures_ScrollUp)},
    {MI_CLICK_REGION, 30, 456, 24, 18, MenuArg(-1), MenuArg(ClubFixtures_ScrollDown)},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(ClubFixtures_Done)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- the league table ----

void LeagueTable_Open() {
  SetScreenHeader(2);
  const int16_t human = GNW_GetHumanClub(MenuManager);
  const int16_t division = human >= 0 ? GNW_GetClubDivision(human) : int16_t{0};
  gTable.division = division >= 0 && division < NUM_DIVISIONS ? division : int16_t{0};
  gTable.first = 0;
}

void LeagueTable_Refresh() {
  const int16_t d = gTable.division;
  LeagueTable_UpdateMovement(d);
  // The list: one row per division of the game country, the shown one ticked.
  const int16_t divisions = std::min<int16_t>(GNW_GetNumDivisions(), NUM_DIVISIONS);
  for (int16_t i = 0; i < divisions; ++i)
    gTable.divisions[i] = {POPUP_ROW_TEXTNO, static_cast<uint16_t>(POPUP_ENABLED | (i == d ? POPUP_TICKED : 0)),
                           -1, -1, -1, -1, MenuArg(static_cast<int32_t>(GNW_GetDivisionShortTextNo(i))),
                           DivisionPicked, nullptr};
  gTable.divisions[std::max<int16_t>(divisions, 0)] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
  gTable.heading = GNW_GetDivisionNameTextNo(d);
  gTable.size = std::clamp<int16_t>(GNW_GetDivisionSize(d), 0, DIVISION_PLACES);
  gTable.shown = std::min<int16_t>(gTable.size, kTableRows);
  for (int i = 0; i < kTableRows; ++i) {
    LeagueTableScreenRow& r = gTable.rows[i];
    r = BlankTableRow();
    const int place = gTable.first + i;
    if (i >= gTable.shown || place >= gTable.size) continue;
    const int16_t club = GNW_GetDivisionClub(d, static_cast<int16_t>(place));
    if (!WorldClub(club)) continue;
    r.club = club;
    r.name = ClubText(club);
    int16_t played = 0, points = 0, position = 0;
    GNW_GetClubTablePosition(club, &played, &points, &position);
    int16_t hw = 0, hd = 0, hl = 0, hf = 0, ha = 0, aw = 0, ad = 0, al = 0, af = 0, aa = 0;
    GNW_GetClubHomeRecord(club, &hw, &hd, &hl, &hf, &ha);
    GNW_GetClubAwayRecord(club, &aw, &ad, &al, &af, &aa);
    r.position = position;
    r.played = played;
    r.homeWon = hw;
    r.homeDrawn = hd;
    r.homeLost = hl;
    r.awayWon = aw;
    r.awayDrawn = ad;
    r.awayLost = al;
    r.goalsFor = static_cast<int16_t>(hf + af);
    r.goalsAgainst = static_cast<int16_t>(ha + aa);
    r.difference = static_cast<int16_t>(r.goalsFor - r.goalsAgainst);
    r.points = points;
    r.movementIcon = static_cast<int16_t>(kMovementIcon + std::clamp<int16_t>(LeagueMovement[club], 0, 2));
    r.colour = GNW_GetClubControl(club) != 0 ? kColourHuman : int16_t{0};
  }
}

int16_t LeagueTable_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) LeagueTable_Open();
  LeagueTable_Refresh();
  return 0;
}

int16_t LeagueTable_SelectDivision(int16_t division) {
  if (division < 0 || division >= NUM_DIVISIONS || division >= GNW_GetNumDivisions()) return MENU_RESULT_REDRAW;
  gTable.division = division;
  gTable.first = 0;
  return MENU_RESULT_REDRAW;
}

int16_t LeagueTable_ClickRow(int row) {
  if (row < 0 || row >= kTableRows) return 0;
  const int16_t club = gTable.rows[row].club;
  if (club < 0) return 0;
  MenuClub = club;
  ReturnMenuOption = 9;
  MenuOption = 2;
  return MENU_RESULT_LEAVE;
}

int16_t LeagueTable_ScrollDown(MenuHotspot*) {
  const int size = gTable.size;
  if (gTable.first + kTableRows < size - kTableRows)
    gTable.first = static_cast<int16_t>(gTable.first + kTableRows);
  else
    gTable.first = static_cast<int16_t>(size > kTableRows - 1 ? size - kTableRows : 0);
  if (gTable.first < 0) gTable.first = 0;
  return MENU_RESULT_REDRAW;
}

int16_t LeagueTable_ScrollUp(MenuHotspot*) {
  gTable.first = 0;
  return MENU_RESULT_REDRAW;
}

int16_t LeagueTable_Done(MenuHotspot*) {
  MenuOption = 3;
  return MENU_RESULT_LEAVE;
}

const LeagueTableScreenRow& LeagueTable_Row(int row) {
  if (row < 0 || row >= kTableRows) {
    gBlankTableRow = BlankTableRow();
    return gBlankTableRow;
  }
  return gTable.rows[row];
}
int16_t LeagueTable_Division() { return gTable.division; }
int16_t LeagueTable_FirstRow() { return gTable.first; }
int16_t LeagueTable_Size() { return gTable.size; }
int16_t LeagueTable_Heading() { return gTable.heading; }

const MenuItem LeagueTableMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(LeagueTable_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXTNO, 330, 64, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(150), {}},  // "Home"
    {MI_TEXTNO, 435, 64, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(151), {}},  // "Away"
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXTNO, 260, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(137), {}},  // "Pld"
    {MI_TEXTNO, 295, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(138), {}},  // "W"
    {MI_TEXTNO, 330, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(139), {}},  // "D"
    {MI_TEXTNO, 365, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(140), {}},  // "L"
    {MI_TEXTNO, 400, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(138), {}},
    {MI_TEXTNO, 435, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(139), {}},
    {MI_TEXTNO, 470, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(140), {}},
    {MI_TEXTNO, 505, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(141), {}},  // "GF"
    {MI_TEXTNO, 540, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(142), {}},  // "GA"
    {MI_TEXTNO, 575, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(144), {}},  // "Diff."
    {MI_TEXTNO, 610, 80, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(143), {}},  // "Pts."
    {MI_ICON, 18, 429, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO_VAR, 320, 36, ALIGN_CENTRED, 0, Var(&gTable.heading), {}},
    {MI_OWNER_DRAW, kTableX, 98, kTableW, 300, MenuArg(DrawTableBackground), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, kTableTop, kTableRows, kTableStep, MenuArg(static_cast<const void*>(kTableRowTemplate)), {}},
    {MI_OWNER_DRAW, kTableX, kTableTop, kTableW, 300, MenuArg(DrawMovementIcons), {}},
    {MI_OWNER_DRAW, kTableX, kTableTop, kTableW, 300, MenuArg(DrawZoneLines), {}},
    {MI_CLICK_REGION, 24, 435, 24, 18, MenuArg(-1), MenuArg(LeagueTable_ScrollUp)},
    {MI_CLICK_REGION, 24, 457, 24, 18, MenuArg(-1), MenuArg(LeagueTable_ScrollDown)},
    {MI_CLICK_REGION, 570, 435, 40, 40, MenuArg(-1), MenuArg(LeagueTable_Done)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING_BUTTON, 240, 440, 160, 30, MenuArg("Division"), MenuArg(OpensList)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gTable.divisions), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- the reset ----

void ClubFixturesView_Reset() {
  ClubFixturesViewState = 0;
  MatchDayFlag = 0;
  gFix = FixturesState{};
  std::fill(gFix.list, gFix.list + NUM_FIXTURES, int16_t{-1});
  for (int i = 0; i < kFixRows; ++i) {
    gFix.rows[i] = BlankFixtureRow();
    gFix.datePtr[i] = gFix.rows[i].date;
    gFix.compPtr[i] = gFix.rows[i].competition;
  }
  gTable = TableState{};
  for (auto& r : gTable.rows) r = BlankTableRow();
  gTable.divisions[0] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
}
REGISTER_RESET(RESET_MENUS, ClubFixturesView_Reset);
