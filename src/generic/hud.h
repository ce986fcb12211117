// The match's heads-up display: the information strip (captions that slide
// in when something happens or a view setting changes), the event box and
// goal ticker of the day's other fixtures, the screen hot spots the match
// controls hit-test, and the view settings of a watched match.
#pragma once

#include <cstdint>

// "Quick watch": frames twice as fast, captions held 50 frames. The other
// view settings (scanner, player names, model detail) are the video options'
// (render256/vidopt.h), the two highlight options the highlights'
// (gamecode/highlight.h).
extern int16_t QuickWatch;

// The information strip.
void InfoBar(int type, int a, int b);
void InfoBar_Update();
void InfoBar_Reset();
int InfoBar_GetSlidePos();  // 0 when the strip is in
const char* InfoBar_GetText();
int InfoBar_GetType();  // the last type shown

// The event ticker and the event box.
void EventTicker_Reset();
void EventTicker_Update();
int EventTicker_Current();  // the event on show, -1 none
void DisplayEvent2(int event);  // the software renderer's event box
void DisplayEvent2_Panel();     // the event box in a menu-screen view (Commentary, Scanner)

// The screen hot spots (22, by number).
constexpr int HOTSPOT_COUNT = 22;  // 11-20 are the replay bar's ten buttons

struct HotSpotRect {
  int16_t x, y, width, height;
};

// A number outside 0-21 is ignored.
void HotSpot_Set(int x, int y, int width, int height, int n);
// The hot spot's rectangle (all 0 for a number outside 0-21 or one never set).
HotSpotRect HotSpot_Get(int n);
// Whether (px, py) lies in hot spot n: x <= px < x + width, y <= py < y + height.
bool HotSpot_HitTest(int px, int py, int n);
void HotSpot_Check();  // the pointer against the hot spots set

// The module as at program start (tests).
void Hud_Reset();
