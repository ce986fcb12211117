// What the match's views (the software frame, Scanner, Commentary) call in
// the parts of the match presentation
// that are not built yet: the HUD's info bar, event ticker, event box and hot
// spots; the match sound; the match controls and the pointer. Each stand-in
// logs its calls (SwFrame_SeamCount) and does nothing, answering the quiet
// value: no info bar, no event on show, the players in squad order.
#pragma once

#include <cstdint>

// The HUD.
void InfoBar_Update();
void InfoBar_Reset();
int InfoBar_GetSlidePos();     // buffer rows, 0 when the bar is in
const char* InfoBar_GetText();
void EventTicker_Update();
int EventTicker_Current();     // the event on show, -1 none
void DisplayEvent2(int event);
void HotSpot_Set(int x, int y, int width, int height, int n);
void HotSpot_Check();        // the pointer against the hot spots set
void DisplayEvent2_Panel();  // the event box in a menu-screen view

// The match sound.
void SFX_Init();
void SFX_Uninit();

// The match controls.
void UpdateMatchMouse();
void UpdateMatchControls(int mode);
void CheckReplayButtons(int x, int y, int clicked);
void GetMatchPointer(int* x, int* y, int* buttons);
// The 32 players by distance from the camera's reference player, farthest
// first (the drawing order).
const int16_t* SortPlayersByDistance();

// Calls of the named stand-in since the last reset.
int SwFrame_SeamCount(const char* name);
void SwFrameSeams_Reset();
