// The showcase screen of the menu interpreter: one menu table holding every
// kind of item (background and background mark, texts, numbers with blanks,
// repeated and column sub-tables, regions, text buttons, sliders, owner-draw
// items, animated buttons of every kind, the menu bar and an anchored pop-up
// list). menudemo --menu runs it, and the menu loop's tests drive it. Its
// handlers note what happened in the screen's log.
#pragma once

#include <cstdint>
#include <vector>

#include "menus/exmenu.h"

// The table (its header item).
extern const MenuItem ShowcaseMenu[];
// A second screen, pushed by the showcase's "Push" button during a draw pass.
extern const MenuItem ShowcaseSubMenu[];

// Where the showcase's controls are (menu units), for scripts and tests.
struct ShowcasePoint {
  int x, y;
};
ShowcasePoint ShowcaseQuitPoint();       // the quit region
ShowcasePoint ShowcaseRowPoint(int row);  // the click region of a list row (0-3)
ShowcasePoint ShowcaseRedrawPoint();     // "Redraw": result 2
ShowcasePoint ShowcaseReinitPoint();     // "Re-init": result 4
ShowcasePoint ShowcaseDynamicPoint();    // "Dynamic": result 5
ShowcasePoint ShowcasePushPoint();       // "Push": the second screen becomes pending
ShowcasePoint ShowcaseOptionsPoint();    // "Options": opens the anchored list
ShowcasePoint ShowcaseOptionsRowPoint(int row);  // a row of the open Options list
ShowcasePoint ShowcaseCoverPoint();      // two overlapping regions: the earlier covers the later
ShowcasePoint ShowcaseToggle3Point();    // the toggled buttons
ShowcasePoint ShowcaseToggle4Point();
ShowcasePoint ShowcaseSubQuitPoint();    // the second screen's quit region
ShowcasePoint ShowcaseFilePoint();       // the menu bar's first title

// Sizes of the showcase's sliders.
extern MenuSlider ShowcaseHSlider;
extern MenuSlider ShowcaseVSlider;
// The horizontal slider's track (menu units).
constexpr int SHOWCASE_HSLIDER_X = 24, SHOWCASE_HSLIDER_Y = 392, SHOWCASE_HSLIDER_W = 280, SHOWCASE_HSLIDER_H = 14;
// The showcase's list: the values of its rows (row 2 is blank).
extern int16_t ShowcaseRowValues[4];
// The text button with an automatic size shows this text number.
constexpr int SHOWCASE_AUTO_BUTTON_TEXT = 445;  // "Training"

// What the showcase's handlers saw.
struct ShowcaseLog {
  std::vector<int16_t> headerEvents;  // GetMenuEvent() at each call of the header handler
  std::vector<int16_t> subEvents;     // the same for the second screen
  std::vector<int> rowClicks;         // rows whose region was clicked
  int quitClicks = 0;
  int coverClicks = 0, hiddenClicks = 0;
  int staticDraws = 0;   // the owner-draw item before the mark
  int dynamicDraws = 0;  // the owner-draw item after it
  int controlDraws = 0;  // the owner-draw item at -1, -1
  int leaveCalls = 0, subLeaveCalls = 0;
  int sliderDone = 0;
  int optionsClicks = 0;
  int popupCalls = 0;
  PopupCall lastPopup{};
  int timerFires[2] = {0, 0};
};
ShowcaseLog& Showcase_Log();

// What the options list's rows and the menu bar's "Ask" row answer (set by
// tests; 1 by default).
extern int16_t ShowcasePopupResult;
// Timers the header adds on its first initialisation when set: one with
// count 0, one with count 2 (tests).
extern bool ShowcaseAddTimers;
// The header pushes the second screen during its next draw pass when set.
extern bool ShowcasePushOnDraw;

// Puts the screen's variables and log back as at program start.
void Showcase_Reset();
