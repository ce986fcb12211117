#include "generic/matchctrl.h"

#include "engine/reset.h"
#include "render256/swframe_seams.h"

namespace {

struct EffectQueueState {
  EffectQueueEntry entries[EFFECT_QUEUE_SIZE];
  int next;
};
EffectQueueState gEffects{};
int16_t gOrder[32] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                      16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31};

}  // namespace

void EffectQueue_Add(int32_t x, int32_t y, float scale, int angle256, int kind) {
  EffectQueueEntry& e = gEffects.entries[gEffects.next];
  e.active = 1;
  e.kind = static_cast<uint8_t>(kind);
  e.x = x;
  e.y = y;
  e.scale = scale;
  e.angle = static_cast<float>(angle256 * 3.141592653589793 / 128);
  gEffects.next = (gEffects.next + 1) % EFFECT_QUEUE_SIZE;
}

const EffectQueueEntry* EffectQueue_Get(int n) {
  if (n < 0 || n >= EFFECT_QUEUE_SIZE) return nullptr;
  return &gEffects.entries[n];
}

void EffectQueue_Clear() { gEffects = EffectQueueState{}; }

REGISTER_RESET(RESET_MATCH, EffectQueue_Clear);

void UpdateMatchMouse() { SwFrame_NoteSeam("UpdateMatchMouse"); }
void UpdateMatchControls(int) { SwFrame_NoteSeam("UpdateMatchControls"); }
void CheckReplayButtons(int, int, int) { SwFrame_NoteSeam("CheckReplayButtons"); }
void GetMatchPointer(int* x, int* y, int* buttons) {
  SwFrame_NoteSeam("GetMatchPointer");
  *x = 0;
  *y = 0;
  *buttons = 0;
}
const int16_t* SortPlayersByDistance() {
  SwFrame_NoteSeam("SortPlayersByDistance");
  return gOrder;
}
