// Rest of the World and the match statistics screen (see c_mnrow.h).
#include "menus/c_mnrow.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "clubsim/clubsvc.h"
#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "menus/exm_text.h"
#include "menus/kittab.h"
#include "menus/m_mn7.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/money.h"
#include "season/seasonstate.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/static_clubs.h"

namespace {

constexpr int16_t kTitle = 857;          // "Rest of the World"
constexpr int16_t kSelectFrom = 1064;    // "Select From"
constexpr int16_t kAdjectiveBase = 2310; // "English", ...
constexpr int16_t kShortNameBase = 500;  // "ENG", ...
constexpr int16_t kShortNameHigh = 2388; // the short names of countries 32 and up
constexpr int16_t kCrestBase = 105;
constexpr int16_t kNoCrest = 2;          // the blank icon
constexpr int16_t kPageIcon = 1292;
constexpr int16_t kDoneIcon = 1206;
constexpr int16_t kOptionSquad = 2;
constexpr int16_t kOptionOffice = 3;
constexpr int16_t kOptionAnalysis = 77;

struct RowState {
  RestOfWorldView view{};
  const char* text[2][ROW_PAGE_ROWS] = {};
};
RowState gRow;

struct StatsState {
  MatchStatsView view{};
  const char* heading = nullptr;
  const char* thirds[3] = {};
  const char* possession[2] = {};
  const char* manOfMatch = nullptr;
  MenuRect bars[4][2] = {};
  int16_t analysisPage = 0;
  int16_t analysisFirstEntry = 1;
};
StatsState gStats;

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

// ---- Rest of the World ----

void BlankRows() {
  RestOfWorldView& v = gRow.view;
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < ROW_PAGE_ROWS; ++r) {
      v.rowClub[c][r] = -1;
      v.rowCrest[c][r] = kNoCrest;
      v.rowText[c][r][0] = 0;
      gRow.text[c][r] = v.rowText[c][r];
    }
}

int FilterRowOf(int16_t code) {
  for (int i = 0; i < ROW_FILTERS; ++i)
    if (gRow.view.filterCodes[i] == code) return i;
  return -1;
}

// The eight rows: countries 1-7 (the game country's own row shows country 0
// instead), then every other country.
void FillFilterRows() {
  RestOfWorldView& v = gRow.view;
  const int16_t game = GNW_GetGameCountry();
  for (int i = 0; i < ROW_FILTERS - 1; ++i) {
    const int16_t country = static_cast<int16_t>(i + 1);
    v.filterCodes[i] = country == game ? int16_t{0} : country;
    v.filterTexts[i] = static_cast<int16_t>(kAdjectiveBase + v.filterCodes[i]);
  }
  v.filterCodes[ROW_FILTERS - 1] = ROW_FILTER_OTHERS;
  v.filterTexts[ROW_FILTERS - 1] = kTitle;
}

bool Listed(int16_t country) {
  for (int i = 0; i < ROW_FILTERS - 1; ++i)
    if (gRow.view.filterCodes[i] == country) return true;
  return false;
}

bool Included(int db) {
  if (DbClub_GetReputation(db) == 0) return false;  // the entry is not in use
  const int16_t country = DbClub_GetCountry(db);
  if (country == GNW_GetGameCountry()) return false;
  if (gRow.view.filter == ROW_FILTER_OTHERS) return !Listed(country);
  return country == gRow.view.filter;
}

int16_t ShortNameText(int16_t country) {
  return static_cast<int16_t>(country >= 32 ? kShortNameHigh + country : kShortNameBase + country);
}

void FillRow(int column, int row, int index) {
  RestOfWorldView& v = gRow.view;
  if (index < 0 || index >= v.count) return;
  const int16_t db = v.clubs[index];
  v.rowClub[column][row] = db;
  v.rowCrest[column][row] = static_cast<int16_t>(kCrestBase + db);
  std::snprintf(v.rowText[column][row], sizeof v.rowText[column][row], "%s (%s)", GNW_GetClubName(db),
                GetTextNoAddr(ShortNameText(DbClub_GetCountry(db))));
}

int16_t FilterPicked(const PopupCall* call) {
  if (!call) return POPUP_RESULT_CLOSE;
  return RestOfWorld_ChooseFilter(call->row);
}
int16_t OpensList(MenuHotspot*) { return 0; }  // the anchored list opens instead
int16_t ForwardClicked(MenuHotspot*) { return RestOfWorld_PageForward(); }
int16_t BackClicked(MenuHotspot*) { return RestOfWorld_PageBack(); }
int16_t LeftClicked(MenuHotspot* spot) { return spot ? RestOfWorld_ClickRow(0, spot->repetition) : 0; }
int16_t RightClicked(MenuHotspot* spot) { return spot ? RestOfWorld_ClickRow(1, spot->repetition) : 0; }
int16_t RowDone(MenuHotspot*) {
  MenuOption = kOptionOffice;
  return MENU_RESULT_LEAVE;
}

int16_t RowHandler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) RestOfWorld_Open();
  RestOfWorld_Refresh();
  return 0;
}

void DarkBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

#define FILTER_ROW(k) \
  {POPUP_ROW_TEXTNO_VAR, POPUP_ENABLED, -1, -1, -1, -1, Var(&gRow.view.filterTexts[k]), FilterPicked, nullptr}
PopupRow gFilterList[] = {
    FILTER_ROW(0), FILTER_ROW(1), FILTER_ROW(2), FILTER_ROW(3), FILTER_ROW(4), FILTER_ROW(5), FILTER_ROW(6),
    FILTER_ROW(7), {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};
#undef FILTER_ROW

constexpr int16_t kIconStride = sizeof(int16_t);
constexpr int16_t kTextStride = sizeof(const char*);

const MenuItem kClubRow[] = {
    {MI_OWNER_DRAW, 0, 0, 576, 26, MenuArg(DarkBox), {}},
    {MI_ICON_VAR, 4, 1, ALIGN_LEFT | ALIGN_TOP, kIconStride, Var(&gRow.view.rowCrest[0][0]), {}},
    {MI_STRING_VAR, 44, 5, ALIGN_LEFT | ALIGN_TOP, kTextStride, Var(&gRow.text[0][0]), {}},
    {MI_CLICK_REGION, 0, 0, 274, 26, MenuArg(-1), MenuArg(LeftClicked)},
    {MI_ICON_VAR, 310, 1, ALIGN_LEFT | ALIGN_TOP, kIconStride, Var(&gRow.view.rowCrest[1][0]), {}},
    {MI_STRING_VAR, 350, 5, ALIGN_LEFT | ALIGN_TOP, kTextStride, Var(&gRow.text[1][0]), {}},
    {MI_CLICK_REGION, 306, 0, 274, 26, MenuArg(-1), MenuArg(RightClicked)},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

// ---- match statistics ----

void BlankStats() {
  MatchStatsView& v = gStats.view;
  const int16_t fixture = v.fixture;
  v = MatchStatsView{};
  v.fixture = fixture;
  for (int i = 0; i < 2; ++i) {
    v.possession[i] = v.shots[i] = v.shotsOn[i] = v.corners[i] = BLANK_S16;
    v.colour[i] = 0;
  }
  for (int i = 0; i < 3; ++i) v.third[i] = BLANK_S16;
  for (int i = 0; i < 4; ++i) v.barShare[i] = 50;
  v.attendance = MENU_BLANK_VALUE;
  gStats.heading = v.heading;
  for (int i = 0; i < 3; ++i) gStats.thirds[i] = v.thirds[i];
  for (int i = 0; i < 2; ++i) gStats.possession[i] = v.possessionText[i];
  gStats.manOfMatch = v.manOfMatch;
  for (auto& bar : gStats.bars)
    for (auto& r : bar) r = MenuRect{0, 0, 0, 0};
}

// The side's kit colour (its design's first colour) in 5-6-5.
uint16_t KitColourOf(const uint8_t* design) {
  const int16_t colour = KitDesign_GetColour(design, 1);
  if (colour < 0 || colour >= KIT_COLOURS) return 0;
  const auto& rgb = KitRGB[colour];
  return MatchStats_Colour565(rgb[0], rgb[1], rgb[2]);
}

bool HasKit(int16_t club) {
  if (club < 0 || club >= NUM_CLUBS) return false;
  const int16_t db = GNW_GetClubDbId(club);
  return db >= 0 && db < KIT_AWAY_DESIGNS;
}

void SetBars(int which, int16_t share) {
  constexpr int kBarY[4] = {190, 234, 278, 322};
  constexpr int kBarX = 200, kBarW = 240, kBarH = 20;
  const int split = share * 24 / 10;
  gStats.bars[which][0] = MenuRect{kBarX, static_cast<int16_t>(kBarY[which]), static_cast<int16_t>(split), kBarH};
  gStats.bars[which][1] = MenuRect{static_cast<int16_t>(kBarX + split), static_cast<int16_t>(kBarY[which]),
                                   static_cast<int16_t>(kBarW - split), kBarH};
}

// The dates, and the screen club's badge when it is a club of the world.
int32_t NonNegative(int32_t value) { return value < 0 ? 0 : value; }

int16_t StatsHandler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) MatchStats_Open();
  MatchStats_Refresh();
  return 0;
}
int16_t TimelineClicked(MenuHotspot*) { return MatchStats_OpenAnalysis(2); }
int16_t AnalysisClicked(MenuHotspot*) { return MatchStats_OpenAnalysis(0); }
int16_t StatsDone(MenuHotspot*) { return MatchStats_Done(); }

}  // namespace

// ---- Rest of the World ----

const RestOfWorldView& RestOfWorld_View() { return gRow.view; }

void RestOfWorld_Open() {
  FillFilterRows();
  if (FilterRowOf(gRow.view.filter) < 0) gRow.view.filter = gRow.view.filterCodes[0];
  SetScreenHeader(3);
}

void RestOfWorld_Refresh() {
  RestOfWorldView& v = gRow.view;
  const int row = FilterRowOf(v.filter);
  v.filterName = row >= 0 ? v.filterTexts[row] : int16_t{-1};
  // The list in database order, never more than it holds.
  std::fill(v.clubs, v.clubs + ROW_MAX_CLUBS, int16_t{-1});
  v.count = 0;
  for (int db = 0; db < NUM_NAMED_CLUBS && v.count < ROW_MAX_CLUBS; ++db)
    if (Included(db)) v.clubs[v.count++] = static_cast<int16_t>(db);
  v.pages = static_cast<int16_t>((v.count + ROW_PAGE_ROWS - 1) / ROW_PAGE_ROWS);
  if (v.firstPage < 0 || v.pages - v.firstPage < 2) v.firstPage = 0;
  BlankRows();
  for (int c = 0; c < 2; ++c)
    for (int r = 0; r < ROW_PAGE_ROWS; ++r) FillRow(c, r, (v.firstPage + c) * ROW_PAGE_ROWS + r);
}

int16_t RestOfWorld_ChooseFilter(int row) {
  if (row < 0 || row >= ROW_FILTERS) return POPUP_RESULT_CLOSE;
  gRow.view.filter = gRow.view.filterCodes[row];
  gRow.view.firstPage = 0;
  return MENU_RESULT_REDRAW;
}

int16_t RestOfWorld_PageForward() {
  RestOfWorldView& v = gRow.view;
  if (v.firstPage + 2 < v.pages) ++v.firstPage;
  return MENU_RESULT_REDRAW;
}

int16_t RestOfWorld_PageBack() {
  RestOfWorldView& v = gRow.view;
  if (v.firstPage > 0) --v.firstPage;
  return MENU_RESULT_REDRAW;
}

int16_t RestOfWorld_ClickRow(int column, int row) {
  if (column < 0 || column > 1 || row < 0 || row >= ROW_PAGE_ROWS) return 0;
  const int16_t db = gRow.view.rowClub[column][row];
  if (db < 0) return 0;
  // Database numbers 252, 254 and 255 come back from the lookup as
  // themselves (the special club codes): no club of the world.
  const int16_t club = GNW_FindClubByDbId(db);
  if (club >= 0 && club < NUM_CLUBS && GNW_GetClubDbId(club) == db) {
    MenuClub = club;
  } else {
    // A club outside the world: its squad screen shows its name alone.
    MenuClub = db;
    Squad_ShowForeignClub(db);
  }
  MenuClubReset = 1;  // the squad screen puts the human club back
  MenuOption = kOptionSquad;
  return MENU_RESULT_LEAVE;
}

const MenuItem RestOfWorldMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(RowHandler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO, 320, 36, ALIGN_CENTRED, 0, MenuArg(kTitle), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXTNO_VAR, 320, 76, ALIGN_CENTRED, 0, Var(&gRow.view.filterName), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 32, 100, ROW_PAGE_ROWS, 26, MenuArg(static_cast<const void*>(kClubRow)), {}},
    {MI_ICON, 320, 400, ALIGN_CENTRED | ALIGN_TOP, 0, MenuArg(kPageIcon), {}},
    {MI_CLICK_REGION, 305, 405, 15, 30, MenuArg(-1), MenuArg(BackClicked)},
    {MI_CLICK_REGION, 320, 405, 15, 30, MenuArg(-1), MenuArg(ForwardClicked)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_BUTTON, 120, 440, 400, 30, MenuArg(kSelectFrom), MenuArg(OpensList)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gFilterList), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_CLICK_REGION, 570, 440, 40, 40, MenuArg(-1), MenuArg(RowDone)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- match statistics ----

const MatchStatsView& MatchStats_View() { return gStats.view; }

void MatchStats_Thirds(int32_t a, int32_t b, int32_t c, int16_t out[3]) {
  const int64_t total = int64_t{NonNegative(a)} + NonNegative(b) + NonNegative(c);
  if (total == 0) {
    out[0] = out[1] = out[2] = 0;
    return;
  }
  const int64_t p = 1000000 / total;
  out[0] = static_cast<int16_t>(NonNegative(a) * p / 10000);
  out[2] = static_cast<int16_t>(NonNegative(c) * p / 10000);
  out[1] = static_cast<int16_t>(100 - out[0] - out[2]);
}

int16_t MatchStats_HomeShare(int32_t home, int32_t away) {
  const int64_t total = int64_t{NonNegative(home)} + NonNegative(away);
  if (total == 0) return 50;
  return static_cast<int16_t>(1000000 / total * NonNegative(home) / 10000);
}

int16_t MatchStats_BarShare(int32_t home, int32_t away) {
  const int64_t total = int64_t{NonNegative(home)} + NonNegative(away);
  if (total == 0) return 50;
  return static_cast<int16_t>(NonNegative(home) * (1000 / total) / 10);
}

uint16_t MatchStats_Colour565(int r, int g, int b) {
  const int r5 = r * 100 / 255 * 32 / 101, g6 = g * 100 / 255 * 64 / 101, b5 = b * 100 / 255 * 32 / 101;
  return static_cast<uint16_t>(r5 << 11 | g6 << 5 | b5);
}

int16_t MatchStats_FindFixture(int16_t club) {
  if (club < 0 || club >= NUM_CLUBS) return -1;
  const int16_t today = GNW_GetCurrentDay();
  // Today counts once the club's match of today has been played.
  const int16_t todays = GNW_FindClubFixtureOnDay(club, today);
  const int16_t last = todays >= 0 && Fixture_IsPlayed(todays) ? today : static_cast<int16_t>(today - 1);
  int16_t after = 0;  // the first fixture after that day
  while (after < NUM_FIXTURES && Fixture_GetDay(after) != FIXTURE_EMPTY_DAY && Fixture_GetDay(after) <= last) ++after;
  for (int16_t n = static_cast<int16_t>(after - 1); n >= 0; --n) {
    if (Fixture_GetCompetition(n) == COMP_SPECIAL) continue;
    if (Fixture_GetHomeClub(n) != club && Fixture_GetAwayClub(n) != club) continue;
    if (Fixture_GetHomeClub(n) == Fixture_GetAwayClub(n)) continue;
    if (Fixture_IsPlayed(n)) return n;
  }
  return -1;
}

void MatchStats_Open() {
  gStats.view.fixture = MatchStats_FindFixture(MenuClub);
  SetScreenHeader(3);
}

void MatchStats_Refresh() {
  BlankStats();
  MatchStatsView& v = gStats.view;
  const int16_t n = v.fixture;
  if (n < 0) return;  // no played fixture: blanks
  const int16_t home = Fixture_GetHomeClub(n), away = Fixture_GetAwayClub(n);
  const int16_t clubs[2] = {home, away};
  char homeName[48], awayName[48];
  std::snprintf(homeName, sizeof homeName, "%s", GNW_GetClubName(GNW_GetClubDbId(home)));
  std::snprintf(awayName, sizeof awayName, "%s", GNW_GetClubName(GNW_GetClubDbId(away)));
  std::snprintf(v.heading, sizeof v.heading, "%s %d - %d %s", homeName, Fixture_GetHomeGoals(n),
                Fixture_GetAwayGoals(n), awayName);

  const uint8_t* result = GetMatchResultRecord();
  const uint8_t* flanks = result + MATCH_FLANK_TOTALS;
  MatchStats_Thirds(LoadI32(flanks), LoadI32(flanks + 4), LoadI32(flanks + 8), v.third);
  for (int i = 0; i < 3; ++i) std::snprintf(v.thirds[i], sizeof v.thirds[i], "%d%%", v.third[i]);

  int32_t possession[2], shots[2], shotsOn[2], corners[2];
  int16_t manOfMatch = -1, manSide = -1;
  for (int side = 0; side < 2; ++side) {
    const uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
    possession[side] = LoadU16(team + TEAM_POSSESSION_LOW) & 0x7FFF;
    shotsOn[side] = NonNegative(LoadI16(team + TEAM_SHOTS_ON));
    shots[side] = shotsOn[side] + NonNegative(LoadI16(team + TEAM_SHOTS_OFF));
    corners[side] = NonNegative(LoadI16(team + TEAM_CORNERS));
    const int16_t mom = LoadI16(team + TEAM_MAN_OF_MATCH);
    if (mom >= 0 && manOfMatch < 0) manOfMatch = mom, manSide = static_cast<int16_t>(side);
    v.shots[side] = static_cast<int16_t>(shots[side]);
    v.shotsOn[side] = static_cast<int16_t>(shotsOn[side]);
    v.corners[side] = static_cast<int16_t>(corners[side]);
  }
  v.possession[0] = MatchStats_HomeShare(possession[0], possession[1]);
  v.possession[1] = static_cast<int16_t>(100 - v.possession[0]);
  for (int side = 0; side < 2; ++side)
    std::snprintf(v.possessionText[side], sizeof v.possessionText[side], "%d%%", v.possession[side]);

  v.barShare[0] = MatchStats_BarShare(possession[0], possession[1]);
  v.barShare[1] = MatchStats_BarShare(shots[0], shots[1]);
  v.barShare[2] = MatchStats_BarShare(shotsOn[0], shotsOn[1]);
  v.barShare[3] = MatchStats_BarShare(corners[0], corners[1]);
  for (int i = 0; i < 4; ++i) SetBars(i, v.barShare[i]);

  if (HasKit(home) && HasKit(away)) {
    const int16_t homeDb = GNW_GetClubDbId(home), awayDb = GNW_GetClubDbId(away);
    v.colour[0] = KitColourOf(GetTeamDesign(homeDb, awayDb, 0));
    v.colour[1] = KitColourOf(GetTeamDesign(homeDb, awayDb, 1));
  }

  if (manOfMatch >= 0 && manOfMatch < PlayerCount) {
    char player[48];
    std::snprintf(player, sizeof player, "%s", GNW_GetPlayerName(manOfMatch));
    std::snprintf(v.manOfMatch, sizeof v.manOfMatch, "%s (%s)", player,
                  GNW_GetClubName(GNW_GetClubDbId(clubs[manSide])));
  }
  v.attendance = Fixture_GetAttendance(n);
}

int16_t MatchStats_OpenAnalysis(int16_t page) {
  gStats.analysisPage = page;
  gStats.analysisFirstEntry = 0;
  MenuOption = kOptionAnalysis;
  return MENU_RESULT_LEAVE;
}

int16_t MatchStats_Done() {
  MenuOption = kOptionOffice;
  return MENU_RESULT_LEAVE;
}

int16_t MatchAnalysisPage() { return gStats.analysisPage; }
int16_t MatchAnalysisFirstEntry() { return gStats.analysisFirstEntry; }

#define STAT_ROW(label, y, var)                                                                     \
  {MI_TEXTNO, 320, y, ALIGN_CENTRED, 0, MenuArg(label), {}},                                         \
  {MI_NUMBER_S16, 190, y, ALIGN_CENTRED, 0, Var(&gStats.view.var[0]), {}},                           \
  {MI_NUMBER_S16, 450, y, ALIGN_CENTRED, 0, Var(&gStats.view.var[1]), {}}
#define BAR(k)                                                                     \
  {MI_FILL_COLOUR_VAR, 0, 0, 0, 0, Var(&gStats.view.colour[0]), {}},              \
  {MI_FILLED_RECT_VAR, 0, 0, 0, 0, Var(&gStats.bars[k][0]), {}},                    \
  {MI_FILL_COLOUR_VAR, 0, 0, 0, 0, Var(&gStats.view.colour[1]), {}},              \
  {MI_FILLED_RECT_VAR, 0, 0, 0, 0, Var(&gStats.bars[k][1]), {}}

const MenuItem MatchStatsMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(StatsHandler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(13), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_STRING_VAR, 320, 36, ALIGN_CENTRED, 0, Var(&gStats.heading), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING_VAR, 220, 120, ALIGN_CENTRED, 0, Var(&gStats.thirds[0]), {}},
    {MI_STRING_VAR, 320, 120, ALIGN_CENTRED, 0, Var(&gStats.thirds[1]), {}},
    {MI_STRING_VAR, 420, 120, ALIGN_CENTRED, 0, Var(&gStats.thirds[2]), {}},
    BAR(0), BAR(1), BAR(2), BAR(3),
    {MI_TEXTNO, 320, 178, ALIGN_CENTRED, 0, MenuArg(970), {}},  // "Possession"
    {MI_STRING_VAR, 190, 178, ALIGN_CENTRED, 0, Var(&gStats.possession[0]), {}},
    {MI_STRING_VAR, 450, 178, ALIGN_CENTRED, 0, Var(&gStats.possession[1]), {}},
    STAT_ROW(1432, 222, shots),    // "Shots at the goal"
    STAT_ROW(922, 266, shotsOn),   // "Shots on target"
    STAT_ROW(444, 310, corners),   // "Corners"
    {MI_TEXTNO, 320, 354, ALIGN_CENTRED, 0, MenuArg(917), {}},  // "Man of the Match"
    {MI_STRING_VAR, 320, 376, ALIGN_CENTRED, 0, Var(&gStats.manOfMatch), {}},
    {MI_TEXTNO, 320, 398, ALIGN_CENTRED, 0, MenuArg(1333), {}},  // "Match Attendance"
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_NUMBER_S32, 320, 420, ALIGN_CENTRED, 0, Var(&gStats.view.attendance), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_BUTTON, 60, 440, 244, 30, MenuArg(1835), MenuArg(TimelineClicked)},   // "Timeline"
    {MI_TEXT_BUTTON, 304, 440, 244, 30, MenuArg(1684), MenuArg(AnalysisClicked)},  // "Match Analysis"
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_ICON, 570, 430, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kDoneIcon), {}},
    {MI_CLICK_REGION, 570, 430, 40, 40, MenuArg(-1), MenuArg(StatsDone)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};
#undef STAT_ROW
#undef BAR

void RestOfWorld_Reset() {
  gRow = RowState{};
  gRow.view.filter = -1;
  gRow.view.filterName = -1;
  std::fill(gRow.view.clubs, gRow.view.clubs + ROW_MAX_CLUBS, int16_t{-1});
  BlankRows();
  gStats = StatsState{};
  gStats.view.fixture = -1;
  BlankStats();
}
REGISTER_RESET(RESET_MENUS, RestOfWorld_Reset);
