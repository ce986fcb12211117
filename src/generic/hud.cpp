// The match's heads-up display.
#include "generic/hud.h"

#include "engine/reset.h"
#include "render256/swframe_seams.h"

int16_t QuickWatch = 0;

void Hud_Reset();
REGISTER_RESET(RESET_PRESENTATION, Hud_Reset);

void InfoBar(int, int, int) { SwFrame_NoteSeam("InfoBar"); }
void InfoBar_Update() { SwFrame_NoteSeam("InfoBar_Update"); }
void InfoBar_Reset() { SwFrame_NoteSeam("InfoBar_Reset"); }
int InfoBar_GetSlidePos() {
  SwFrame_NoteSeam("InfoBar_GetSlidePos");
  return 0;
}
const char* InfoBar_GetText() {
  SwFrame_NoteSeam("InfoBar_GetText");
  return "";
}
int InfoBar_GetType() { return 0; }
void EventTicker_Reset() { SwFrame_NoteSeam("EventTicker_Reset"); }
void EventTicker_Update() { SwFrame_NoteSeam("EventTicker_Update"); }
int EventTicker_Current() {
  SwFrame_NoteSeam("EventTicker_Current");
  return -1;
}
void DisplayEvent2(int) { SwFrame_NoteSeam("DisplayEvent2"); }
// The hot spots are kept already, so that the controls can hit-test them.
namespace {
HotSpotRect gHotSpots[HOTSPOT_COUNT];
}
void HotSpot_Set(int x, int y, int width, int height, int n) {
  SwFrame_NoteSeam("HotSpot_Set");
  if (n < 0 || n >= HOTSPOT_COUNT) return;
  gHotSpots[n] = HotSpotRect{static_cast<int16_t>(x), static_cast<int16_t>(y), static_cast<int16_t>(width),
                             static_cast<int16_t>(height)};
}
HotSpotRect HotSpot_Get(int n) { return n < 0 || n >= HOTSPOT_COUNT ? HotSpotRect{} : gHotSpots[n]; }
bool HotSpot_HitTest(int px, int py, int n) {
  if (n < 0 || n >= HOTSPOT_COUNT) return false;
  const HotSpotRect& r = gHotSpots[n];
  return px >= r.x && px < r.x + r.width && py >= r.y && py < r.y + r.height;
}
void HotSpot_Check() { SwFrame_NoteSeam("HotSpot_Check"); }
void DisplayEvent2_Panel() { SwFrame_NoteSeam("DisplayEvent2_Panel"); }
void Hud_Reset() {
  QuickWatch = 0;
  for (HotSpotRect& r : gHotSpots) r = HotSpotRect{};
}
