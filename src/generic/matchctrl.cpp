#include "generic/matchctrl.h"

#include "engine/reset.h"

namespace {

struct EffectQueueState {
  EffectQueueEntry entries[EFFECT_QUEUE_SIZE];
  int next;
};
EffectQueueState gEffects{};

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
