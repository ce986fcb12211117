// Stand-ins for the presentation's HUD, sound, controls and in-match menu
// layer, until they are built: each logs its call and does nothing.
#include "render256/swframe_seams.h"

#include <cstdio>
#include <cstring>

#include "engine/reset.h"

namespace {

// Calls counted by name: the stand-ins run every frame of a match, so the
// log keeps a count per stand-in, not a list of calls.
constexpr int kMaxSeams = 32;
struct SeamLog {
  const char* name[kMaxSeams];
  int count[kMaxSeams];
  int used;
  bool said;
  int16_t order[32];
};
SeamLog gSeams;

void Note(const char* name) {
  if (!gSeams.said) {
    gSeams.said = true;
    std::printf("presentation: the match HUD, sound and controls are stand-ins (%s)\n", name);
  }
  for (int i = 0; i < gSeams.used; ++i)
    if (gSeams.name[i] == name || std::strcmp(gSeams.name[i], name) == 0) {
      ++gSeams.count[i];
      return;
    }
  if (gSeams.used == kMaxSeams) return;
  gSeams.name[gSeams.used] = name;
  gSeams.count[gSeams.used++] = 1;
}

}  // namespace

void SwFrameSeams_Reset() {
  gSeams = SeamLog{};
  for (int i = 0; i < 32; ++i) gSeams.order[i] = static_cast<int16_t>(i);
}
REGISTER_RESET(RESET_PRESENTATION, SwFrameSeams_Reset);

int SwFrame_SeamCount(const char* name) {
  for (int i = 0; i < gSeams.used; ++i)
    if (std::strcmp(gSeams.name[i], name) == 0) return gSeams.count[i];
  return 0;
}

void InfoBar_Update() { Note("InfoBar_Update"); }
void InfoBar_Reset() { Note("InfoBar_Reset"); }
int InfoBar_GetSlidePos() {
  Note("InfoBar_GetSlidePos");
  return 0;
}
const char* InfoBar_GetText() {
  Note("InfoBar_GetText");
  return "";
}
void EventTicker_Update() { Note("EventTicker_Update"); }
int EventTicker_Current() {
  Note("EventTicker_Current");
  return -1;
}
void DisplayEvent2(int) { Note("DisplayEvent2"); }
void HotSpot_Set(int, int, int, int, int) { Note("HotSpot_Set"); }
void HotSpot_Check() { Note("HotSpot_Check"); }
void DisplayEvent2_Panel() { Note("DisplayEvent2_Panel"); }

void SFX_Init() { Note("SFX_Init"); }
void SFX_Uninit() { Note("SFX_Uninit"); }

void UpdateMatchMouse() { Note("UpdateMatchMouse"); }
void UpdateMatchControls(int) { Note("UpdateMatchControls"); }
void CheckReplayButtons(int, int, int) { Note("CheckReplayButtons"); }
void GetMatchPointer(int* x, int* y, int* buttons) {
  Note("GetMatchPointer");
  *x = 0;
  *y = 0;
  *buttons = 0;
}
const int16_t* SortPlayersByDistance() {
  Note("SortPlayersByDistance");
  return gSeams.order;
}
