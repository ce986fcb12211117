// The match's heads-up display.
#include "generic/hud.h"

#include "engine/reset.h"
#include "render256/swframe_seams.h"

int16_t QuickWatch = 0;

void Hud_Reset() { QuickWatch = 0; }
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
void HotSpot_Set(int, int, int, int, int) { SwFrame_NoteSeam("HotSpot_Set"); }
void HotSpot_Check() { SwFrame_NoteSeam("HotSpot_Check"); }
void DisplayEvent2_Panel() { SwFrame_NoteSeam("DisplayEvent2_Panel"); }
