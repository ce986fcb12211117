// The continue option: the day's fixtures played one by one, the human
// club's pre-match pages shown while its division's other matches are
// decided, the choice of how to follow his own match, the results screen,
// the end of the day; in the looping mode day after day until a stop.
#pragma once

#include <cstdint>

#include "menus/pagebtns.h"

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

void ContinueGame();
void PlayDayFixtures(int16_t related, int16_t others);
void ShowPreMatchPage();
void PollPreMatchPages();

// The page bars: SetPageButtons makes the list the page's, DrawPageButtons
// draws each of its buttons and labels.
void SetPageButtons(const PageButton* list);
void DrawPageButtons(const PageButton* list);
