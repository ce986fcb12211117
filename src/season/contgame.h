// The continue option: the day's fixtures played one by one, the human
// club's pre-match pages shown while its division's other matches are
// decided, the choice of how to follow his own match, the results screen,
// the end of the day; in the looping mode day after day until a stop.
#pragma once

#include <cstdint>

#include "menus/pagebtns.h"
#include "menus/soak.h"  // PollWhileProcessing, FindHumanClubFixtureOnDay, FormatFixtureCompetitionText

// DayFlags bits.
enum : uint8_t {
  DAY_BUSY = 1 << 0,           // the busy pointer is on
  DAY_RELATED_DONE = 1 << 1,   // every related fixture but the human club's has been played
  DAY_PAGE_REDRAW = 1 << 2,    // the current pre-match page must be redrawn
  DAY_SEVERAL_RELATED = 1 << 3,
  DAY_LEFT_PAGES = 1 << 4,     // the user left the pages ("Play Match")
  DAY_BUSY_MESSAGE = 1 << 5,   // "Managers busy with their daily tasks" at the day's end
  DAY_CLEARED_AT_START = 1 << 6,
};

// CurrentPage values.
enum : int16_t {
  PAGE_LINEUPS = 0,
  PAGE_FORMATION = 1,
  PAGE_OPPOSITION = 2,
  PAGE_SUMMARY = 3,
  PAGE_NONE = 4,
  PAGE_LEAVE = 5,
  PAGE_COMMENTARY = 6,
  PAGE_SCANNER = 7,
  PAGE_WATCH = 8,
};

extern uint8_t DayFlags;
extern int16_t CurrentPage;
extern uint8_t PressedButton;  // 255 none
extern PageButton PreMatchButtons[PAGE_BUTTON_LIST_SIZE];
extern int16_t DayStopFlag;

// The day's fixture slot and its 32 result slots (the match day fills them):
// 0 and every slot's low 15 bits set at the start of a day.
constexpr int DAY_RESULT_SLOTS = 32;
extern int16_t CurrentFixtureSlot;
extern int16_t DayResultSlots[DAY_RESULT_SLOTS];

void ContinueGame();
void PlayDayFixtures(int16_t related, int16_t others);
void ShowPreMatchPage();
void PollPreMatchPages();

// The page bars: SetPageButtons makes the list the page's, DrawPageButtons
// draws each of its buttons and labels.
void SetPageButtons(const PageButton* list);
void DrawPageButtons(const PageButton* list);

// Today's fixture of the human club: the squads of its human-run sides
// completed, the pre-match information built and the page texts printed
// (competition, club names, the 16 player names of each side). Answers the
// fixture, -1 when the human club does not play today (nothing prepared).
int16_t PrepareHumanFixture();

// "st", "nd", "rd" or "th" for n (11-13 "th").
const char* OrdinalSuffixText(int n);
// The OK icon at the bottom right; pointer frames until a left press inside it.
void WaitForOkClick();

// Whether the pre-match pages are on show (PollWhileProcessing serves them).
bool PreMatchPagesShown();

// The day's results: today's played fixtures of the human club's division or
// cup (its own included) on one screen, left with the OK icon.
void RunDayResultsMenu();
// The fixtures that screen lists (the last RunDayResultsMenu), in list order.
int DayResultsCount();
int16_t DayResultsFixture(int index);

// The Manager's Office's "Done" pop-up: "Do a Day" (ContinueMode 0), "Do A
// Week / Match Day" (1) and, while the human club plays today, "Go To Game"
// (2). A row sets ContinueMode and answers 1 (the caller goes on with option
// 46); a press outside the rows answers 0.
int OfficeDonePopup();
// The pop-up's rows (menu units), for the screen's scripts and tests.
constexpr int OFFICE_POPUP_X = 200, OFFICE_POPUP_W = 240, OFFICE_POPUP_ROW_Y = 170, OFFICE_POPUP_ROW_H = 36,
              OFFICE_POPUP_ROW_STEP = 44;
constexpr int OFFICE_DONE_X = 220, OFFICE_DONE_Y = 400, OFFICE_DONE_W = 200, OFFICE_DONE_H = 40;
constexpr int OFFICE_BACK_Y = 340;  // the way back to the start page, above "Done"

// The pointer frame the pages' loops take (WaitPointerFrame; a test may
// put a scripted one in its place).
extern void (*PreMatchPointerFrame)(int* x, int* y, int* buttons);

// The background simulation's commentary flag: set when the user follows his
// match by "Commentary", cleared by "Scanner" and "Watch".
extern int16_t MatchCommentaryFlag;

// Time spent drawing the day's screens (the pages, the results screen, the
// results menu) since the last reset, in nanoseconds.
uint64_t ContGame_DrawNanoseconds();
