// The Arrange Friendly screen (see c_mnarrange.h).
#include "menus/c_mnarrange.h"

#include <algorithm>
#include <cstdio>

#include "engine/rand.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "world/funcs.h"

namespace {

constexpr int16_t kTitle = 701;           // "Arrange Friendly"
constexpr int16_t kNoFixture = 168;       // "-- No Fixture --"
constexpr int16_t kTeamsAvailable = 553;  // "Teams Available"
constexpr int16_t kFriendlyTour = 771;    // "Friendly Tour"
constexpr int16_t kNoRoom = 1126;         // "Sorry there is not enough room in your fixture list."
constexpr int16_t kWeekdayBase = 21;      // "Sat", ...
constexpr int16_t kSlash = 101;           // "/"
constexpr int16_t kHomeMark = 102;        // "H"; 103 "A"
constexpr int16_t kStepper = 1205;
constexpr int16_t kOptionOffice = 3;
constexpr int kDaysAround = 2;            // a club must be free this many days either side

struct ArrangeState {
  ArrangeFriendlyView view{};
  const char* dayText[ARRANGE_DAYS] = {};
  const MenuItem* tabBar = nullptr;
};
ArrangeState gArrange;

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

bool Plays(int16_t club, int day) {
  return GNW_FindClubMatchOnDay(club, static_cast<int16_t>(day)) >= 0 ||
         GNW_FindClubFriendlyOnDay(club, static_cast<int16_t>(day)) >= 0;
}

// The fixture of the club on the day: a match first, else a friendly; -1 none.
int16_t FixtureOn(int16_t club, int16_t day) {
  const int16_t match = GNW_FindClubMatchOnDay(club, day);
  return match >= 0 ? match : GNW_FindClubFriendlyOnDay(club, day);
}

void ClearClubList() {
  ArrangeFriendlyView& v = gArrange.view;
  std::fill(v.available, v.available + ARRANGE_CLUBS, int16_t{-1});
  std::fill(v.filtered, v.filtered + ARRANGE_CLUBS, int16_t{-1});
  v.availableCount = 0;
  v.count = 0;
  v.offset = 0;
}

void FillDayRows() {
  ArrangeFriendlyView& v = gArrange.view;
  const int16_t club = MenuClub;
  for (int i = 0; i < ARRANGE_DAYS; ++i) {
    const int16_t day = static_cast<int16_t>(v.firstDay + i);
    int16_t dayOfMonth = 0, month = 0, weekday = 0;
    GNW_GetDateOfDay(day, &dayOfMonth, &month, &weekday);
    std::snprintf(v.dayText[i], sizeof v.dayText[i], "%s %d%s%d", GetTextNoAddr(kWeekdayBase + weekday), dayOfMonth,
                  GetTextNoAddr(kSlash), month);
    gArrange.dayText[i] = v.dayText[i];
    v.day[i] = day;
    v.dayBusy[i] = 0;
    v.dayCompetition[i] = -1;
    v.dayOpponent[i] = kNoFixture;
    const int16_t fixture = club >= 0 && club < NUM_CLUBS ? FixtureOn(club, day) : int16_t{-1};
    if (fixture >= 0) {
      const int16_t home = GNW_GetFixtureHomeClub(fixture), away = GNW_GetFixtureAwayClub(fixture);
      const int16_t opponent = home == club ? away : home;
      v.dayOpponent[i] = GNW_GetClubTextNo(GNW_GetClubDbId(opponent));
      v.dayBusy[i] = 1;
      v.dayCompetition[i] = GNW_GetFixtureCompetition(fixture);
    }
    v.dayColour[i] = day == v.selectedDay ? 1 : 0;
  }
}

void FillClubRows() {
  ArrangeFriendlyView& v = gArrange.view;
  const int16_t country = GNW_GetGameCountry();
  v.count = 0;
  std::fill(v.filtered, v.filtered + ARRANGE_CLUBS, int16_t{-1});
  for (int i = 0; i < v.availableCount; ++i) {
    const int16_t club = v.available[i];
    if (GNW_GetClubDivision(club) == v.division && GNW_GetClubCountry(club) == country) v.filtered[v.count++] = club;
  }
  if (v.offset > v.count - ARRANGE_ROWS) v.offset = static_cast<int16_t>(v.count - ARRANGE_ROWS);
  if (v.offset < 0) v.offset = 0;
  for (int r = 0; r < ARRANGE_ROWS; ++r) {
    v.rowClub[r] = -1;
    v.rowName[r] = -1;
    v.rowMark[r] = -1;
    const int index = v.offset + r;
    if (v.selectedDay < 0 || index >= v.count) continue;
    const int16_t club = v.filtered[index];
    if (club == MenuClub) continue;
    v.rowClub[r] = club;
    v.rowName[r] = GNW_GetClubTextNo(GNW_GetClubDbId(club));
    v.rowMark[r] = static_cast<int16_t>(kHomeMark + v.homeAway[club]);
  }
}

// ---- the tab bar: our own places, clear of the other buttons ----

template <int K>
int16_t TabClick(MenuHotspot*) {
  return ArrangeFriendly_SelectDivision(K);
}

#define TAB(k)                                                                                    \
  {MI_TEXT_COLOUR_VAR, 0, 0, 0, 0, Var(&gArrange.view.tabState[k]), {}},                          \
  {MI_TEXT_BUTTON_VAR, 330 + (k % 3) * 78, 396 + (k / 3) * 28, 76, 24, Var(&gArrange.view.divisionNames[k]), \
   MenuArg(TabClick<k>)}
#define TAB_END \
  { MI_END, 0, 0, 0, 0, {}, {} }
const MenuItem kTabs2[] = {TAB(0), TAB(1), TAB_END};
const MenuItem kTabs3[] = {TAB(0), TAB(1), TAB(2), TAB_END};
const MenuItem kTabs4[] = {TAB(0), TAB(1), TAB(2), TAB(3), TAB_END};
const MenuItem kTabs5[] = {TAB(0), TAB(1), TAB(2), TAB(3), TAB(4), TAB_END};
const MenuItem kTabs6[] = {TAB(0), TAB(1), TAB(2), TAB(3), TAB(4), TAB(5), TAB_END};
const MenuItem kNoTabs[] = {TAB_END};
#undef TAB
#undef TAB_END

const MenuItem* TabBarFor(int divisions) {
  switch (divisions) {
    case 2: return kTabs2;
    case 3: return kTabs3;
    case 4: return kTabs4;
    case 5: return kTabs5;
    case 6: return kTabs6;
    default: return kNoTabs;
  }
}

// ---- handlers ----

int16_t Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) ArrangeFriendly_Open();
  ArrangeFriendly_Refresh();
  return 0;
}

int16_t DayClicked(MenuHotspot* spot) { return spot ? ArrangeFriendly_ClickDay(spot->repetition) : 0; }
int16_t ClubClicked(MenuHotspot* spot) { return spot ? ArrangeFriendly_ClickClub(spot->repetition) : 0; }
int16_t DaysUp(MenuHotspot*) { return ArrangeFriendly_DaysUp(); }
int16_t DaysDown(MenuHotspot*) { return ArrangeFriendly_DaysDown(); }
int16_t ClubsUp(MenuHotspot*) { return ArrangeFriendly_ClubsUp(); }
int16_t ClubsDown(MenuHotspot*) { return ArrangeFriendly_ClubsDown(); }
int16_t DoneClicked(MenuHotspot*) { return ArrangeFriendly_Done(); }
int16_t OpensList(MenuHotspot*) { return 0; }  // the anchored list opens instead

int16_t TourPicked(const PopupCall* call) {
  if (!call) return POPUP_RESULT_CLOSE;
  return ArrangeFriendly_Tour(call->row);
}

#define TOUR_ROW(text) {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(text), TourPicked, nullptr}
PopupRow gTourList[] = {
    TOUR_ROW(772), TOUR_ROW(773), TOUR_ROW(774), TOUR_ROW(775), TOUR_ROW(776), TOUR_ROW(777),
    TOUR_ROW(778), TOUR_ROW(779), TOUR_ROW(780), TOUR_ROW(781), TOUR_ROW(782), TOUR_ROW(783),
    TOUR_ROW(784), TOUR_ROW(785), TOUR_ROW(786), TOUR_ROW(787),
    {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};
#undef TOUR_ROW

void DayBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

constexpr int16_t kI16 = sizeof(int16_t);

const MenuItem kDayRow[] = {
    {MI_OWNER_DRAW, 0, 0, 280, 18, MenuArg(DayBox), {}},
    {MI_TEXT_COLOUR_VAR, 0, 0, 0, kI16, Var(&gArrange.view.dayColour[0]), {}},
    {MI_STRING_VAR, 4, 2, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*), Var(&gArrange.dayText[0]), {}},
    {MI_TEXTNO_VAR, 100, 2, ALIGN_LEFT | ALIGN_TOP, kI16, Var(&gArrange.view.dayOpponent[0]), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_CLICK_REGION, 0, 0, 280, 20, MenuArg(-1), MenuArg(DayClicked)},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

const MenuItem kClubRow[] = {
    {MI_TEXTNO_VAR, 4, 2, ALIGN_LEFT | ALIGN_TOP, kI16, Var(&gArrange.view.rowName[0]), {}},
    {MI_TEXTNO_VAR, 250, 2, ALIGN_RIGHT | ALIGN_TOP, kI16, Var(&gArrange.view.rowMark[0]), {}},
    {MI_CLICK_REGION, 0, 0, 260, 20, MenuArg(-1), MenuArg(ClubClicked)},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

void ClubBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

}  // namespace

const int16_t ArrangeTourCountries[ARRANGE_TOURS] = {0, 6, 3, 4, 2, 5, 7, 1, 9, 11, 18, 10, 14, 8, 15, 12};

const ArrangeFriendlyView& ArrangeFriendly_View() { return gArrange.view; }

void ArrangeFriendly_Open() {
  ArrangeFriendlyView& v = gArrange.view;
  SetScreenHeader(3);
  v.firstDay = GNW_GetCurrentDay();
  v.selectedDay = -1;
  ClearClubList();
  v.division = 0;
  v.clubName = MenuClub >= 0 && MenuClub < NUM_CLUBS ? GNW_GetClubTextNo(GNW_GetClubDbId(MenuClub)) : int16_t{-1};
  for (int c = 0; c < ARRANGE_CLUBS; ++c) v.homeAway[c] = static_cast<int16_t>(GameRandom() % 2);
}

void ArrangeFriendly_Refresh() {
  ArrangeFriendlyView& v = gArrange.view;
  v.divisions = static_cast<int16_t>(std::clamp<int>(GNW_GetNumDivisions(), 0, ARRANGE_MAX_DIVISIONS));
  for (int d = 0; d < ARRANGE_MAX_DIVISIONS; ++d) {
    v.divisionNames[d] = d < v.divisions ? GNW_GetDivisionNameTextNo(static_cast<int16_t>(d)) : int16_t{-1};
    v.tabState[d] = d == v.division ? 1 : 0;
  }
  v.divisionName = v.division < v.divisions ? v.divisionNames[v.division] : int16_t{-1};
  FillDayRows();
  FillClubRows();
  gArrange.tabBar = TabBarFor(v.divisions);
}

int16_t ArrangeFriendly_ClickDay(int row) {
  ArrangeFriendlyView& v = gArrange.view;
  if (row < 0 || row >= ARRANGE_DAYS) return 0;
  ClearClubList();
  if (v.dayBusy[row] && v.dayCompetition[row] != ARRANGE_FRIENDLY) return MENU_RESULT_REDRAW;
  v.selectedDay = v.day[row];
  for (int16_t club = 0; club < ARRANGE_CLUBS; ++club) {
    if (club == MenuClub || GNW_GetClubRecord(club) == nullptr) continue;
    bool free = true;
    for (int day = v.selectedDay - kDaysAround; day <= v.selectedDay + kDaysAround && free; ++day)
      if (Plays(club, day)) free = false;
    if (free) v.available[v.availableCount++] = club;
  }
  return MENU_RESULT_REDRAW;
}

int16_t ArrangeFriendly_ClickClub(int row) {
  ArrangeFriendlyView& v = gArrange.view;
  if (row < 0 || row >= ARRANGE_ROWS || v.selectedDay < 0) return 0;
  const int16_t club = v.rowClub[row];
  if (club < 0 || MenuClub < 0 || MenuClub >= NUM_CLUBS) return 0;
  if (Plays(MenuClub, v.selectedDay)) return MENU_RESULT_REDRAW;
  const bool away = v.homeAway[club] == 1;
  const int16_t home = away ? club : MenuClub, visitor = away ? MenuClub : club;
  if (GNW_AddFixture(v.selectedDay, ARRANGE_FRIENDLY, home, visitor, 0) < 0) DoMessageBox(GetTextNoAddr(kNoRoom), 0);
  return MENU_RESULT_REDRAW;
}

int16_t ArrangeFriendly_DaysDown() {
  ArrangeFriendlyView& v = gArrange.view;
  v.firstDay = static_cast<int16_t>(std::min<int>(v.firstDay + ARRANGE_DAYS, GNW_GetPostDate()));
  v.firstDay = std::max(v.firstDay, GNW_GetCurrentDay());
  return MENU_RESULT_REDRAW;
}

int16_t ArrangeFriendly_DaysUp() {
  ArrangeFriendlyView& v = gArrange.view;
  v.firstDay = static_cast<int16_t>(std::max<int>(v.firstDay - ARRANGE_DAYS, GNW_GetCurrentDay()));
  return MENU_RESULT_REDRAW;
}

int16_t ArrangeFriendly_ClubsDown() {
  ArrangeFriendlyView& v = gArrange.view;
  if (v.offset + 1 <= v.count - ARRANGE_ROWS) ++v.offset;
  return MENU_RESULT_REDRAW;
}

int16_t ArrangeFriendly_ClubsUp() {
  ArrangeFriendlyView& v = gArrange.view;
  if (v.offset > 0) --v.offset;
  return MENU_RESULT_REDRAW;
}

int16_t ArrangeFriendly_SelectDivision(int division) {
  ArrangeFriendlyView& v = gArrange.view;
  if (division < 0 || division >= v.divisions) return 0;
  v.division = static_cast<int16_t>(division);
  v.offset = 0;
  return MENU_RESULT_REDRAW;
}

int16_t ArrangeFriendly_Tour(int row) {
  if (row < 0 || row >= ARRANGE_TOURS || MenuClub < 0 || MenuClub >= NUM_CLUBS) return POPUP_RESULT_CLOSE;
  if (GNW_CanArrangeFriendly(MenuClub))
    GNW_ArrangeFriendlies(MenuClub, ArrangeTourCountries[row]);
  else
    DoMessageBox(GetTextNoAddr(kNoRoom), 0);
  return MENU_RESULT_REDRAW;
}

int16_t ArrangeFriendly_Done() {
  MenuOption = kOptionOffice;
  return MENU_RESULT_LEAVE;
}

const MenuItem ArrangeFriendlyMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO_VAR, 80, 36, ALIGN_LEFT | ALIGN_VMIDDLE, 0, Var(&gArrange.view.clubName), {}},
    {MI_TEXTNO, 480, 36, ALIGN_CENTRED, 0, MenuArg(kTitle), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXTNO, 340, 70, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kTeamsAvailable), {}},
    {MI_TEXTNO_VAR, 590, 70, ALIGN_RIGHT | ALIGN_TOP, 0, Var(&gArrange.view.divisionName), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 30, 90, ARRANGE_DAYS, 20, MenuArg(static_cast<const void*>(kDayRow)), {}},
    {MI_OWNER_DRAW, 330, 90, 260, ARRANGE_ROWS * 20, MenuArg(ClubBox), {}},
    {MI_SUBTABLE, 330, 90, ARRANGE_ROWS, 20, MenuArg(static_cast<const void*>(kClubRow)), {}},
    {MI_ICON, 10, 396, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kStepper), {}},
    {MI_CLICK_REGION, 10, 396, 30, 15, MenuArg(-1), MenuArg(DaysUp)},
    {MI_CLICK_REGION, 10, 416, 30, 15, MenuArg(-1), MenuArg(DaysDown)},
    {MI_ICON, 594, 396, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kStepper), {}},
    {MI_CLICK_REGION, 594, 396, 30, 15, MenuArg(-1), MenuArg(ClubsUp)},
    {MI_CLICK_REGION, 594, 416, 30, 15, MenuArg(-1), MenuArg(ClubsDown)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_SUBTABLE_VAR, 0, 0, 1, 0, Var(&gArrange.tabBar), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXT_BUTTON, 168, 440, 150, 30, MenuArg(kFriendlyTour), MenuArg(OpensList)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gTourList), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(DoneClicked)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

void ArrangeFriendly_Reset() {
  gArrange = ArrangeState{};
  ArrangeFriendlyView& v = gArrange.view;
  v.selectedDay = -1;
  v.divisionName = -1;
  v.clubName = -1;
  std::fill(v.rowClub, v.rowClub + ARRANGE_ROWS, int16_t{-1});
  std::fill(v.rowName, v.rowName + ARRANGE_ROWS, int16_t{-1});
  std::fill(v.rowMark, v.rowMark + ARRANGE_ROWS, int16_t{-1});
  std::fill(v.dayOpponent, v.dayOpponent + ARRANGE_DAYS, int16_t{-1});
  for (int i = 0; i < ARRANGE_DAYS; ++i) gArrange.dayText[i] = v.dayText[i];
  std::fill(v.available, v.available + ARRANGE_CLUBS, int16_t{-1});
  std::fill(v.filtered, v.filtered + ARRANGE_CLUBS, int16_t{-1});
  gArrange.tabBar = kNoTabs;
}
REGISTER_RESET(RESET_MENUS, ArrangeFriendly_Reset);
