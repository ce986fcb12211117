#include "season/contgame.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include "clubsim/squadlist.h"
#include "engine/debug.h"
#include "engine/input.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/startup.h"
#include "engine/timerint.h"
#include "menus/exm_text.h"
#include "menus/exmenu.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "menus/soak.h"
#include "season/playfix.h"
#include "season/prematch.h"
#include "season/progress.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/simmatch.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/newsticker.h"

uint8_t DayFlags = 0;
int16_t CurrentPage = PAGE_NONE;
uint8_t PressedButton = 255;
PageButton PreMatchButtons[PAGE_BUTTON_LIST_SIZE] = {};
int16_t DayStopFlag = 0;
int16_t CurrentFixtureSlot = 0;
int16_t DayResultSlots[DAY_RESULT_SLOTS] = {};
int16_t MatchCommentaryFlag = 0;
void (*PreMatchPointerFrame)(int* x, int* y, int* buttons) = WaitPointerFrame;

namespace {

constexpr int16_t kTextResultsComing = 1594;
constexpr int16_t kTextManagersBusy = 1807;
constexpr int16_t kTextNotOn16Mb = 1129;
constexpr int16_t kTextSt = 263, kTextNd = 264, kTextRd = 265, kTextTh = 266;
constexpr int kResultsBackground = 2;
constexpr int kResultsIcon = 10;
constexpr int kOkIcon = 15;
constexpr int kPageFill = 210;
constexpr int kResultsRows = 20;
constexpr int kHumanManager = 1;

struct ContGameState {
  bool pagesShown = false;
  uint64_t drawNanoseconds = 0;
  int resultsCount = 0;
  int16_t results[kResultsRows] = {};
  int16_t humanFixture = -1;
};
ContGameState gCont;

void ContGame_Reset() {
  DayFlags = 0;
  CurrentPage = PAGE_NONE;
  PressedButton = 255;
  ClearButtonRecord(PreMatchButtons);
  DayStopFlag = 0;
  CurrentFixtureSlot = 0;
  for (int16_t& slot : DayResultSlots) slot = 0;
  MatchCommentaryFlag = 0;
  PreMatchPointerFrame = WaitPointerFrame;
  gCont = ContGameState{};
}
REGISTER_RESET(RESET_SEASON, ContGame_Reset);

// Adds the time of a drawing step to the day's drawing total.
class DrawTimer {
 public:
  DrawTimer() : start_(std::chrono::steady_clock::now()) {}
  ~DrawTimer() {
    gCont.drawNanoseconds += static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() - start_).count());
  }
  DrawTimer(const DrawTimer&) = delete;
  DrawTimer& operator=(const DrawTimer&) = delete;

 private:
  std::chrono::steady_clock::time_point start_;
};

void PointerFrame(int* x, int* y, int* buttons) {
  *x = *y = *buttons = 0;
  PreMatchPointerFrame(x, y, buttons);
}

void Frame() {
  int x, y, buttons;
  PointerFrame(&x, &y, &buttons);
}

// One pointer frame and the hit test of the page's buttons: on a hit the
// page of that id (redrawn when it is a page or "Play Match"), shown, and
// another frame. Answers the id hit, 255 none.
uint8_t HitTestPages() {
  int x, y, buttons;
  PointerFrame(&x, &y, &buttons);
  const int16_t hit = FindButtonAtPos(PreMatchButtons, buttons, x, y);
  if (hit < 0) return 255;
  PressedButton = static_cast<uint8_t>(hit);
  CurrentPage = hit;
  if (hit <= PAGE_LEAVE) DayFlags |= DAY_PAGE_REDRAW;
  ShowPreMatchPage();
  Frame();
  return PressedButton;
}

void SetBusy(bool on) {
  if (on) DayFlags |= DAY_BUSY;
  else DayFlags &= static_cast<uint8_t>(~DAY_BUSY);
  SetBusyPointer(on ? 1 : 0);
}

void DrawHeaderTexts() {
  SetFont(1);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
  DoTextAddr(604, 34, ALIGN_RIGHT | ALIGN_BOTTOM, ScreenHeaderDate(0));
  DoTextAddr(604, 30, ALIGN_RIGHT | ALIGN_TOP, ScreenHeaderDate(1));
}

// The screen of the rest of the day: the background, the header's dates and
// the text on the icon in the middle.
void DrawResultsScreen(int16_t text) {
  DPRINT(DEBUG_GENERAL, 10, "PlayDayFixtures(): \"%s\"\n", GetTextNoAddr(text));
  if (!IsMenuSystemOpen()) return;  // a run without a screen (a tool, a test) draws nothing
  DrawTimer timer;
  DoBackground(kResultsBackground);
  DrawHeaderTexts();
  DoIcon(320, 240, ALIGN_CENTRED, kResultsIcon);
  SetFont(1);
  DoTextBoxAddr(320, 240, 300, 40, ALIGN_CENTRED, GetTextNoAddr(text));
  SaveScreenBackground();
  UpdateMenuScreen();
}

// The bar a page gets when it set none of its own (the empty page 4): "Play
// Match", the formation and the opposition while the pages are up, the three
// view modes once they are left, so the user is never left without a way on.
constexpr int16_t kTextPlayMatch = 1018, kTextCommentary = 1702, kTextScanner = 1703, kTextWatch = 1704;
constexpr int16_t kTextFormation = 805, kTextOpposition = 1596;
const PageButton kStandInPageBar[4] = {
    {PAGE_BUTTON_TEXTNO, 32, 440, 190, 30, ALIGN_CENTRED, PageLabel(kTextPlayMatch), 1, &PageLabelColour, PAGE_LEAVE},
    {PAGE_BUTTON_TEXTNO, 224, 440, 190, 30, ALIGN_CENTRED, PageLabel(kTextFormation), 1, &PageLabelColour,
     PAGE_FORMATION},
    {PAGE_BUTTON_TEXTNO, 416, 440, 190, 30, ALIGN_CENTRED, PageLabel(kTextOpposition), 1, &PageLabelColour,
     PAGE_OPPOSITION},
    {PAGE_END, 0, 0, 0, 0, 0, PageLabel(), 0, nullptr, 0},
};
const PageButton kStandInViewBar[4] = {
    {PAGE_BUTTON_TEXTNO, 32, 430, 190, 40, ALIGN_CENTRED, PageLabel(kTextCommentary), 1, &PageLabelColour,
     PAGE_COMMENTARY},
    {PAGE_BUTTON_TEXTNO, 224, 430, 190, 40, ALIGN_CENTRED, PageLabel(kTextScanner), 1, &PageLabelColour, PAGE_SCANNER},
    {PAGE_BUTTON_TEXTNO, 416, 430, 190, 40, ALIGN_CENTRED, PageLabel(kTextWatch), 1, &PageLabelColour, PAGE_WATCH},
    {PAGE_END, 0, 0, 0, 0, 0, PageLabel(), 0, nullptr, 0},
};

void EnsurePageBar() {
  if (SoakRunActive != 0 || PreMatchButtons[0].kind != PAGE_END || !IsMenuSystemOpen()) return;
  const bool viewModes = (DayFlags & DAY_RELATED_DONE) != 0 && (DayFlags & DAY_LEFT_PAGES) != 0;
  const PageButton* bar = viewModes ? kStandInViewBar : kStandInPageBar;
  SetPageButtons(bar);
  DrawPageButtons(bar);
  UpdateMenuScreen();
}

// Plays the next fixture of today; false when none was left.
bool PlayNext() { return GNW_PlayNextFixture() != 0; }

bool IsToday(int16_t n) { return Fixture_GetDay(n) == DayOfSeason; }

// The competition group of a fixture: its code, and for a league-stage code
// the division of its home club.
bool SameGroup(int16_t a, int16_t b) {
  const int16_t code = Fixture_GetCompetition(a);
  if (Fixture_GetCompetition(b) != code) return false;
  if (code > 3) return true;
  return Club_GetDivision(Fixture_GetHomeClub(a)) == Club_GetDivision(Fixture_GetHomeClub(b));
}

}  // namespace

// ---- the continue option ----

void ContinueGame() {
  int16_t related = 0, others = 0;
  DPRINT(DEBUG_GENERAL, 10, "ContinueGame(): mode %d, day %d\n", ContinueMode, DayOfSeason);
  switch (ContinueMode) {
    case 0:
    case 2:
      if (ContinueMode == 2) {
        Fixture_ShuffleToday();
        DayStopFlag = static_cast<int16_t>(Fixture_OrderTodayForHumanClub());
      } else {
        GNW_ClearHumanDealLists();
        // The human club's group first, his own match last of it: the pages
        // are shown while the group's other matches are played.
        GNW_SortFixtures();
      }
      GNW_CountRelatedFixturesToday(&related, &others);
      PlayDayFixtures(related, others);
      GNW_AdvanceDay();
      ProcessHumanEvents();
      return;
    case 1: {
      const int16_t weekStart = GameCountry == 2 ? 1 : 0;
      for (;;) {
        Fixture_ShuffleToday();
        GNW_SortFixtures();
        GNW_ClearHumanDealLists();
        GNW_CountRelatedFixturesToday(&related, &others);
        PlayDayFixtures(related, others);
        Frame();
        GNW_AdvanceDay();
        ProcessHumanEvents();
        if (MenuOption == 3 && DayOfSeason != 364 && Weekday != weekStart)
          DayStopFlag = GNW_SortFixtures();
        else
          DayStopFlag = 1;
        if (SoakRunActive != 0 && Soak_CheckStopConditions() != 0) SoakRunActive = 0;
        if (SoakRunActive != 0) {
          if (KeyWasPressed(1)) break;
          continue;
        }
        if (DayStopFlag == 1) break;
      }
      return;
    }
    default:
      MenuOption = -1;
      return;
  }
}

void PlayDayFixtures(int16_t related, int16_t others) {
  DPRINT(DEBUG_GENERAL, 10, "PlayDayFixtures(): day %d, related %d, others %d (tick %u)\n", DayOfSeason, related,
         others, static_cast<unsigned>(TimerTicks.load()));
  CurrentFixtureSlot = 0;
  for (int16_t& slot : DayResultSlots) slot = static_cast<int16_t>(slot | 0x7FFF);
  ClearMatchEvents();
  GNW_FindHumanFixtureComp(kHumanManager);
  DayFlags &= static_cast<uint8_t>(~(DAY_BUSY | DAY_RELATED_DONE | DAY_SEVERAL_RELATED | DAY_LEFT_PAGES |
                                     DAY_CLEARED_AT_START));
  SetScreenHeader(2);

  if (related > 0) {
    DayFlags |= related == 1 ? DAY_RELATED_DONE : DAY_SEVERAL_RELATED;
    PrepareHumanFixture();
    CurrentPage = SoakRunActive != 0 ? PAGE_LEAVE : PAGE_LINEUPS;
    int16_t lastPage = PAGE_LINEUPS;
    DayFlags |= DAY_PAGE_REDRAW;
    int16_t played = 0;
    auto playRelated = [&] {
      if (played < related - 1 && PlayNext()) ++played;
      else played = static_cast<int16_t>(related - 1);  // nothing left to play before his match
      if (played >= related - 1) DayFlags |= DAY_RELATED_DONE;
    };

    gCont.pagesShown = SoakRunActive == 0;
    while (CurrentPage != PAGE_LEAVE) {
      ShowPreMatchPage();
      if ((DayFlags & DAY_RELATED_DONE) == 0) playRelated();
      if (CurrentPage < PAGE_LEAVE) lastPage = CurrentPage;
      const uint8_t hit = HitTestPages();
      // A view mode chosen before the pages are left acts once; the page
      // that was on show stays.
      if (hit != 255 && hit > PAGE_LEAVE) CurrentPage = lastPage;
    }

    DayFlags &= static_cast<uint8_t>(~DAY_SEVERAL_RELATED);
    if ((DayFlags & DAY_RELATED_DONE) == 0) {
      SetBusy(true);
      while ((DayFlags & DAY_RELATED_DONE) == 0) playRelated();
      SetBusy(false);
    }

    if (SoakRunActive == 0) {
      CurrentPage = lastPage;
      DayFlags |= DAY_PAGE_REDRAW;
      for (;;) {
        ShowPreMatchPage();
        const uint8_t hit = HitTestPages();
        if (hit != 255 && hit > PAGE_LEAVE) break;
      }
    }
    gCont.pagesShown = false;
    PlayNext();  // the human club's own match
  }

  if (others > 0) {
    DrawResultsScreen(kTextResultsComing);
    SetBusy(true);
    ProgressWords.total = others;
    ProgressWords.step = 0;
    for (int16_t n = 0; n < others; ++n) {
      ++ProgressWords.step;
      Poll();
      if (!PlayNext()) break;
      if (others > 2 && IsMenuSystemOpen()) {
        DrawTimer timer;
        DoIcon(320, 240, ALIGN_CENTRED, kResultsIcon);
        DrawMatchScorePanel();
      }
    }
    ProgressWords_Reset();
    SetBusy(false);
  }

  if (SoakRunActive == 0 && related > 0) RunDayResultsMenu();

  if ((DayFlags & DAY_BUSY_MESSAGE) != 0) {
    DrawResultsScreen(kTextManagersBusy);
    Frame();
  }

  if (IsMenuSystemOpen()) {
    DrawTimer timer;
    RestoreBackgroundRect(0, 0, 640, 64, 0);
    DrawHeaderTexts();
  }
  Frame();
  SetFont(1);
  DayFlags &= static_cast<uint8_t>(~DAY_BUSY_MESSAGE);
}

// ---- the pages ----

void ShowPreMatchPage() {
  if ((DayFlags & DAY_PAGE_REDRAW) != 0) {
    DPRINT(DEBUG_GENERAL, 10, "ShowPreMatchPage(): page %d\n", CurrentPage);
    if (CurrentPage != PAGE_LEAVE) ClearButtonRecord(PreMatchButtons);
    {
      DrawTimer timer;
      switch (CurrentPage) {
        case PAGE_LINEUPS: ShowLineupsPage(); break;
        case PAGE_FORMATION: ShowFormationPage(); break;
        case PAGE_OPPOSITION: ShowOppositionPage(); break;
        case PAGE_SUMMARY: ShowSummaryPage(); break;
        case PAGE_LEAVE:
          DayFlags &= static_cast<uint8_t>(~(DAY_SEVERAL_RELATED | DAY_LEFT_PAGES));
          DayFlags |= DAY_LEFT_PAGES;
          break;
        default: break;
      }
    }
    DayFlags &= static_cast<uint8_t>(~DAY_PAGE_REDRAW);
    if (CurrentPage != PAGE_LEAVE && gCont.pagesShown) EnsurePageBar();
    return;
  }
  switch (CurrentPage) {
    case PAGE_COMMENTARY:
      MenuOption = 25;
      MatchViewMode = 0;
      MatchCommentaryFlag = 1;
      DPRINT(DEBUG_GENERAL, 10, "ShowPreMatchPage(): view mode %d\n", MatchViewMode);
      break;
    case PAGE_SCANNER:
    case PAGE_WATCH:
      if (IsLowMemoryPC() != 0) {
        DoMessageBox(GetTextNoAddr(kTextNotOn16Mb), 0);
        break;
      }
      MatchViewMode = CurrentPage == PAGE_SCANNER ? 1 : 2;
      MatchCommentaryFlag = 0;
      DPRINT(DEBUG_GENERAL, 10, "ShowPreMatchPage(): view mode %d\n", MatchViewMode);
      break;
    default:
      break;
  }
}

void PollPreMatchPages() { HitTestPages(); }

bool PreMatchPagesShown() { return gCont.pagesShown; }

void SetPageButtons(const PageButton* list) {
  ClearButtonRecord(PreMatchButtons);
  AppendButtonList(PreMatchButtons, list, 0, 0);
}

void DrawPageButtons(const PageButton* list) {
  if (!IsMenuSystemOpen()) return;
  DrawTimer timer;
  SetFont(1);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 1);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kPageFill);
  for (int i = 0; i < PAGE_BUTTON_LIST_SIZE && list[i].kind != PAGE_END; ++i) {
    if (list[i].kind >= PAGE_BUTTON) DoButton(list[i].x, list[i].y, list[i].w, list[i].h);
    DrawButtonLabel(&list[i]);
  }
}

// ---- the human club's fixture ----

int16_t PrepareHumanFixture() {
  std::memset(PreMatchClubNames, 0, sizeof PreMatchClubNames);
  std::memset(PreMatchPlayerNames, 0, sizeof PreMatchPlayerNames);
  const int16_t fixture = FindHumanClubFixtureOnDay(DayOfSeason);
  gCont.humanFixture = fixture;
  if (fixture < 0) return -1;
  const int16_t clubs[2] = {Fixture_GetHomeClub(fixture), Fixture_GetAwayClub(fixture)};
  for (int16_t club : clubs) {
    if (Club_GetControl(club) == 0) continue;
    CurrentManager = ClubSim.getClubManager(club);
    BuildClubSquadList(club);
    GNW_CompleteMatchTeam(club, 5);
  }
  BuildPreMatchInfo(fixture);
  FormatFixtureCompetitionText(fixture);
  for (int side = 0; side < 2; ++side) {
    std::snprintf(PreMatchClubNames[side], sizeof PreMatchClubNames[side], "%s",
                  GNW_GetClubName(GNW_GetClubDbId(clubs[side])));
    for (int row = 0; row < PREMATCH_ROWS; ++row) {
      const int16_t player = PreMatch.lineups[side][row];
      if (player < 0 || player >= PlayerCount) continue;  // an empty row has no name
      std::snprintf(PreMatchPlayerNames[side][row], sizeof PreMatchPlayerNames[side][row], "%s",
                    GNW_GetPlayerName(player));
    }
  }
  return fixture;
}

// ---- small operations ----

const char* OrdinalSuffixText(int n) {
  const int lastTwo = ((n % 100) + 100) % 100;
  if (lastTwo >= 11 && lastTwo <= 13) return GetTextNoAddr(kTextTh);
  switch (((n % 10) + 10) % 10) {
    case 1: return GetTextNoAddr(kTextSt);
    case 2: return GetTextNoAddr(kTextNd);
    case 3: return GetTextNoAddr(kTextRd);
    default: return GetTextNoAddr(kTextTh);
  }
}

void WaitForOkClick() {
  {
    DrawTimer timer;
    DoIcon(608, 470, ALIGN_RIGHT | ALIGN_BOTTOM, kOkIcon);
    UpdateMenuScreen();
  }
  for (;;) {
    int x, y, buttons;
    PointerFrame(&x, &y, &buttons);
    if ((buttons & 1) != 0 && x > 571 && x < 609 && y > 437 && y < 475) return;
  }
}

// ---- the day's results ----

void RunDayResultsMenu() {
  gCont.resultsCount = 0;
  const int16_t human = gCont.humanFixture >= 0 ? gCont.humanFixture : FindHumanClubFixtureOnDay(DayOfSeason);
  if (human < 0) return;
  for (int16_t n = 0; n < NUM_FIXTURES && gCont.resultsCount < kResultsRows; ++n) {
    if (Fixture_GetDay(n) == FIXTURE_EMPTY_DAY) break;
    if (IsToday(n) && Fixture_IsPlayed(n) && SameGroup(n, human)) gCont.results[gCont.resultsCount++] = n;
  }
  if (!IsMenuSystemOpen()) return;  // nothing to show it on, no OK to wait for
  {
    DrawTimer timer;
    DoBackground(kResultsBackground);
    DrawHeaderTexts();
    FormatFixtureCompetitionText(human);
    SetFont(2);
    SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
    DoTextAddr(320, 80, ALIGN_CENTRED, PreMatchCompLines[0]);
    SetFont(1);
    DoTextAddr(320, 104, ALIGN_CENTRED, PreMatchCompLines[1]);
    for (int i = 0; i < gCont.resultsCount; ++i) {
      const int16_t n = gCont.results[i];
      const int y = 136 + 16 * i;
      SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, n == human ? 1 : 0);
      DoTextAddr(290, y, ALIGN_RIGHT | ALIGN_VMIDDLE, GNW_GetClubName(GNW_GetClubDbId(Fixture_GetHomeClub(n))));
      char score[16];
      std::snprintf(score, sizeof score, "%d - %d", Fixture_GetHomeGoals(n), Fixture_GetAwayGoals(n));
      DoTextAddr(320, y, ALIGN_CENTRED, score);
      DoTextAddr(350, y, ALIGN_LEFT | ALIGN_VMIDDLE, GNW_GetClubName(GNW_GetClubDbId(Fixture_GetAwayClub(n))));
    }
    SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
    SaveScreenBackground();
  }
  DPRINT(DEBUG_GENERAL, 10, "RunDayResultsMenu(): %d results\n", gCont.resultsCount);
  WaitForOkClick();
}

int DayResultsCount() { return gCont.resultsCount; }
int16_t DayResultsFixture(int index) {
  return index >= 0 && index < gCont.resultsCount ? gCont.results[index] : int16_t{-1};
}

// ---- the office's "Done" pop-up ----

namespace {

const char* const kHubRows[3] = {"Do a Day", "Do A Week / Match Day", "Go To Game"};

}  // namespace

int OfficeDonePopup() {
  if (!IsMenuSystemOpen()) return 0;  // no screen to take a press from
  const bool playsToday = FindHumanClubFixtureOnDay(DayOfSeason) >= 0;
  const int rows = playsToday ? 3 : 2;
  const int height = OFFICE_POPUP_ROW_STEP * rows + 16;
  {
    DrawTimer timer;
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0);
    DrawShadeRectangle(OFFICE_POPUP_X - 8, OFFICE_POPUP_ROW_Y - 8, OFFICE_POPUP_W + 16, height, 75);
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, MAIN_MENU_BAR_FILL);
    SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 0);
    SetFont(1);
    SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
    for (int r = 0; r < rows; ++r) {
      const int y = OFFICE_POPUP_ROW_Y + OFFICE_POPUP_ROW_STEP * r;
      DoButton(OFFICE_POPUP_X, y, OFFICE_POPUP_W, OFFICE_POPUP_ROW_H);
      DoTextAddr(OFFICE_POPUP_X + OFFICE_POPUP_W / 2, y + OFFICE_POPUP_ROW_H / 2, ALIGN_CENTRED, kHubRows[r]);
    }
    UpdateMenuScreen();
  }
  // Wait for the press to end, then take the next press.
  int x = 0, y = 0, buttons = 1;
  for (int frames = 0; (buttons & 1) != 0 && frames < 1000; ++frames) WaitPointerFrame(&x, &y, &buttons);
  for (;;) {
    WaitPointerFrame(&x, &y, &buttons);
    if ((buttons & 1) == 0) continue;
    for (int r = 0; r < rows; ++r) {
      const int top = OFFICE_POPUP_ROW_Y + OFFICE_POPUP_ROW_STEP * r;
      if (x >= OFFICE_POPUP_X && x < OFFICE_POPUP_X + OFFICE_POPUP_W && y >= top && y < top + OFFICE_POPUP_ROW_H) {
        ContinueMode = static_cast<int16_t>(r);
        return 1;
      }
    }
    return 0;
  }
}

uint64_t ContGame_DrawNanoseconds() { return gCont.drawNanoseconds; }
