#include "generic/matchctrl.h"

#include <gtest/gtest.h>

#include "support/engine_fixture.h"

namespace {

class EffectQueueTest : public EngineTest {};

TEST_F(EffectQueueTest, TheRingOverwritesTheOldestAndClearEmptiesIt) {
  for (int i = 0; i < EFFECT_QUEUE_SIZE; ++i) EXPECT_FALSE(EffectQueue_Get(i)->active) << i;
  for (int i = 0; i < EFFECT_QUEUE_SIZE + 2; ++i) EffectQueue_Add(100 + i, 200 - i, 1.2f, 128, GROUND_EFFECT_TACKLE);
  // The 17th and 18th marks took the places of the first two.
  EXPECT_EQ(EffectQueue_Get(0)->x, 100 + EFFECT_QUEUE_SIZE);
  EXPECT_EQ(EffectQueue_Get(1)->y, 200 - EFFECT_QUEUE_SIZE - 1);
  EXPECT_EQ(EffectQueue_Get(2)->x, 102);
  EXPECT_EQ(EffectQueue_Get(2)->kind, GROUND_EFFECT_TACKLE);
  EXPECT_FLOAT_EQ(EffectQueue_Get(2)->angle, 3.14159265f);
  EXPECT_EQ(EffectQueue_Get(-1), nullptr);
  EXPECT_EQ(EffectQueue_Get(EFFECT_QUEUE_SIZE), nullptr);

  EffectQueue_Clear();
  for (int i = 0; i < EFFECT_QUEUE_SIZE; ++i) EXPECT_FALSE(EffectQueue_Get(i)->active) << i;
  EffectQueue_Add(1, 2, 1.0f, 0, GROUND_EFFECT_BODY);
  EXPECT_TRUE(EffectQueue_Get(0)->active);  // after a clear the ring starts again at 0
}

}  // namespace
