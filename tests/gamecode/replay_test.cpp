#include "gamecode/replay.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

class ReplayTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(9500);
    ReplayBuffer_Alloc();
  }
  void TearDown() override {
    ReplayBuffer_Free();
    EngineTest::TearDown();
  }
  // A live frame numbered n: object 0's x and the clock carry the number.
  static void LiveFrame(int n) {
    MatchObjects[0].x = static_cast<int16_t>(n);
    PeriodFrames = n;
  }
  static void Record(int frames) {
    for (int n = 1; n <= frames; ++n) {
      LiveFrame(n);
      ReplayRecordFrame();
    }
  }
};

// Every field at its offset, and back.
TEST_F(ReplayTest, AFrameRoundTripsAtItsOffsets) {
  for (int i = 0; i < MATCH_OBJECTS; ++i) {
    MatchObject& o = MatchObjects[i];
    o.x = static_cast<int16_t>(100 + i);
    o.y = static_cast<int16_t>(-200 - i);
    o.height = static_cast<int16_t>(i);
    o.motion = static_cast<int16_t>(i % 159);
    o.motionFrame = static_cast<int16_t>(3 * i);
    o.drawFacing = static_cast<int16_t>(255 - i);
  }
  MatchObjects[OBJECT_REFEREE].action = 60;
  BallHeight = -7;
  ballFixedX = 0x12345678;
  ballFixedY = -0x1234567;
  ballFixedHeight = 0x00028000;
  keeperHolder = 0x1A1;  // only the low byte at 458; the whole at 496
  throwHolder = 21;
  MatchState = 5;
  focusObject = 35;
  PeriodFrames = 0x12345;  // the low 16 bits are kept
  Score[0] = 3;
  Score[1] = 4;
  ShootoutScore[0] = 5;
  ShootoutScore[1] = 6;
  period = 3;
  PeriodOver = 1;
  BallDrawAngles[0] = 1.5f;
  BallDrawAngles[1] = -2.25f;
  BallDrawAngles[2] = 0.125f;
  LastKicker = -1;
  ClockRunning = 1;

  std::vector<uint8_t> frame(REPLAY_FRAME_SIZE, 0xEE);
  ReplayCaptureFrame(frame.data());
  EXPECT_EQ(LoadI16(&frame[0]), 100);
  EXPECT_EQ(LoadI16(&frame[12 * 36 + 0]), 136);
  EXPECT_EQ(LoadI16(&frame[12 * 36 + 2]), -236);
  EXPECT_EQ(LoadI16(&frame[12 * 36 + 4]), 36);
  EXPECT_EQ(LoadI16(&frame[12 * 36 + 6]), 36);
  EXPECT_EQ(LoadI16(&frame[12 * 36 + 8]), 108);
  EXPECT_EQ(LoadI16(&frame[12 * 36 + 10]), 219);
  EXPECT_EQ(LoadI16(&frame[444]), -7);
  EXPECT_EQ(LoadI32(&frame[446]), 0x12345678);
  EXPECT_EQ(LoadI32(&frame[450]), -0x1234567);
  EXPECT_EQ(LoadI32(&frame[454]), 0x00028000);
  EXPECT_EQ(frame[458], 0xA1);
  EXPECT_EQ(frame[459], 21);
  EXPECT_EQ(LoadI16(&frame[460]), 5);
  EXPECT_EQ(LoadI16(&frame[462]), 35);
  EXPECT_EQ(LoadU16(&frame[464]), 0x2345);
  EXPECT_EQ(LoadI16(&frame[466]), 3);
  EXPECT_EQ(LoadI16(&frame[468]), 4);
  EXPECT_EQ(LoadI16(&frame[470]), 5);
  EXPECT_EQ(LoadI16(&frame[472]), 6);
  EXPECT_EQ(LoadI16(&frame[474]), 3);
  EXPECT_EQ(LoadI16(&frame[476]), 1);
  EXPECT_EQ(LoadI16(&frame[478]), 60);
  EXPECT_EQ(LoadI16(&frame[480]), 0);
  EXPECT_EQ(LoadF32(&frame[482]), 1.5f);
  EXPECT_EQ(LoadF32(&frame[486]), 0.125f);
  EXPECT_EQ(LoadF32(&frame[490]), -2.25f);
  EXPECT_EQ(LoadI16(&frame[494]), -1);
  EXPECT_EQ(LoadI16(&frame[496]), 0x1A1);
  EXPECT_EQ(LoadI32(&frame[498]), 0);
  EXPECT_EQ(frame[502], 1);

  // Into a cleared match: everything but the period comes back.
  const MatchObject before = MatchObjects[20];
  for (MatchObject& o : MatchObjects) o = MatchObject{};
  BallHeight = 0;
  ballFixedX = ballFixedY = ballFixedHeight = 0;
  keeperHolder = throwHolder = 0;
  MatchState = 0;
  focusObject = 0;
  PeriodFrames = 0;
  Score[0] = Score[1] = ShootoutScore[0] = ShootoutScore[1] = 0;
  period = 1;
  PeriodOver = 0;
  BallDrawAngles[0] = BallDrawAngles[1] = BallDrawAngles[2] = 0;
  LastKicker = 9;
  ClockRunning = 0;
  ReplayRestoreFrame(frame.data());
  EXPECT_EQ(int{MatchObjects[20].x}, int{before.x});
  EXPECT_EQ(int{MatchObjects[20].y}, int{before.y});
  EXPECT_EQ(int{MatchObjects[20].height}, int{before.height});
  EXPECT_EQ(int{MatchObjects[20].motion}, int{before.motion});
  EXPECT_EQ(int{MatchObjects[20].motionFrame}, int{before.motionFrame});
  EXPECT_EQ(int{MatchObjects[20].drawFacing}, int{before.drawFacing});
  EXPECT_EQ(int{MatchObjects[OBJECT_REFEREE].action}, 60);
  EXPECT_EQ(BallHeight, -7);
  EXPECT_EQ(ballFixedX, 0x12345678);
  EXPECT_EQ(ballFixedY, -0x1234567);
  EXPECT_EQ(ballFixedHeight, 0x00028000);
  EXPECT_EQ(keeperHolder, 0x1A1);  // from its 16-bit copy
  EXPECT_EQ(throwHolder, 21);      // from its byte
  EXPECT_EQ(MatchState, 5);
  EXPECT_EQ(focusObject, 35);
  EXPECT_EQ(PeriodFrames, 0x2345);
  EXPECT_EQ(Score[0], 3);
  EXPECT_EQ(Score[1], 4);
  EXPECT_EQ(ShootoutScore[0], 5);
  EXPECT_EQ(ShootoutScore[1], 6);
  EXPECT_EQ(period, 1);  // the live period stays
  EXPECT_EQ(PeriodOver, 1);
  EXPECT_EQ(BallDrawAngles[0], 1.5f);
  EXPECT_EQ(BallDrawAngles[1], -2.25f);
  EXPECT_EQ(BallDrawAngles[2], 0.125f);
  EXPECT_EQ(LastKicker, -1);
  EXPECT_EQ(ClockRunning, 1);

  // A second holder above 255 comes back as its low byte, widened.
  throwHolder = 0x123;
  ReplayCaptureFrame(frame.data());
  throwHolder = 0;
  ReplayRestoreFrame(frame.data());
  EXPECT_EQ(throwHolder, 0x23);
}

TEST_F(ReplayTest, TheRingHoldsTheLast750Frames) {
  Record(1000);
  EXPECT_EQ(replayCount, 750);
  EXPECT_EQ(replayWrite, 1000 % 750);
  replayPos = 0;
  ReplayType = 0;
  ReplayPlayFrame();
  EXPECT_EQ(int{MatchObjects[0].x}, 251);  // position 0: the frame after the newest
  replayPos = 749;
  ReplayPlayFrame();
  EXPECT_EQ(int{MatchObjects[0].x}, 1000);

  // Fewer than 750: position 0 is the period's first frame.
  ReplayBuffer_Reset();
  EXPECT_EQ(replayCount, 0);
  Record(10);
  replayPos = 0;
  ReplayType = 5;
  ReplayPlayFrame();
  EXPECT_EQ(int{MatchObjects[0].x}, 1);
  EXPECT_EQ(replayPos, 1);
}

TEST_F(ReplayTest, ThePositionMovesByTheReplayType) {
  Record(100);
  struct Case {
    int type, pos, slowWait;
    int shown, pos2, type2, slowWait2, exit;
  } cases[] = {
      {0, 50, 0, 51, 50, 0, 0, 0},  {1, 50, 0, 51, 47, 1, 0, 0},  {2, 50, 0, 51, 49, 2, 0, 0},
      {3, 50, 0, 51, 50, 3, 0, 0},  {4, 50, 0, 51, 51, 4, 2, 0},  {4, 50, 1, 51, 50, 4, 1, 0},
      {5, 50, 0, 51, 51, 5, 0, 0},  {6, 50, 0, 51, 53, 6, 0, 0},  {7, 50, 0, 51, 50, 7, 0, 1},
      {8, 50, 0, 51, 50, 8, 0, 0},  {9, 50, 0, 51, 50, 9, 0, 0},
      // Rewinding past the start stops on the oldest frame and pauses.
      {1, 2, 0, 3, 0, 3, 0, 0},     {2, 0, 0, 1, 0, 3, 0, 0},
      // Forward past the end stops on the newest frame and pauses.
      {6, 97, 0, 98, 99, 3, 0, 0},  {5, 98, 0, 99, 99, 3, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " at " << c.pos);
    ReplayType = c.type;
    replayPos = c.pos;
    replaySlowWait = c.slowWait;
    replayExit = 0;
    replayMode = 0;
    ReplayPlayFrame();
    EXPECT_EQ(int{MatchObjects[0].x}, c.shown);
    EXPECT_EQ(replayPos, c.pos2);
    EXPECT_EQ(ReplayType, c.type2);
    EXPECT_EQ(replaySlowWait, c.slowWait2);
    EXPECT_EQ(replayExit, c.exit);
  }
}

TEST_F(ReplayTest, AnAutomaticReplayEndsItselfAtTheNewestFrame) {
  Record(20);
  MatchObjects[0].x = 777;  // the live frame
  replayMode = 4;
  ReplayStart();
  int steps = 0;
  while (!ReplayEndRequest && steps < 100) {
    ReplayPlayStep();
    ++steps;
  }
  EXPECT_EQ(steps, 19);  // frames 1-19 stepped through, the newest reached
  EXPECT_EQ(int{MatchObjects[0].x}, 19);
  EXPECT_EQ(ReplayPosition, 19);
  EXPECT_EQ(replayExit, 0);
  // The frame loop puts the live frame back.
  MatchSeams.replayRestoreFrame();
  EXPECT_EQ(int{MatchObjects[0].x}, 777);

  // An instant replay (not automatic) pauses on the newest frame instead.
  ReplayEndRequest = 0;
  replayMode = 0;
  ReplayStart();
  for (int i = 0; i < 30; ++i) ReplayPlayStep();
  EXPECT_EQ(ReplayEndRequest, 0);
  EXPECT_EQ(ReplayType, 3);
  EXPECT_EQ(replayPos, 19);
}

TEST_F(ReplayTest, AnEmptyRingPlaysNothing) {
  MatchObjects[0].x = 42;
  for (int mode : {0, 4}) {
    replayMode = mode;
    replayExit = 0;
    ReplayType = 5;
    replayPos = 3;
    ReplayPlayFrame();
    EXPECT_EQ(int{MatchObjects[0].x}, 42);
    EXPECT_EQ(replayPos, 0);
    EXPECT_EQ(ReplayType, 3);
    EXPECT_EQ(replayExit, mode == 4 ? 1 : 0);
  }
  // Nor does a ring that was never allocated record or play.
  ReplayBuffer_Free();
  EXPECT_EQ(replayBuffer, nullptr);
  ReplayRecordFrame();
  EXPECT_EQ(replayCount, 0);
  ReplayPlayFrame();
  EXPECT_EQ(int{MatchObjects[0].x}, 42);
}

TEST_F(ReplayTest, AnUnknownReplayTypeIsFatal) {
  Record(5);
  for (int type : {10, -1}) {
    ReplayType = type;
    replayPos = 1;
    EXPECT_FATAL(ReplayPlayFrame(), "Bad ReplayType case " + std::to_string(type));
  }
}

TEST_F(ReplayTest, TheMatchSeamsReachTheRing) {
  ReplayBuffer_Free();
  MatchSeams.replayBufferAlloc();
  ASSERT_NE(replayBuffer, nullptr);
  EXPECT_EQ(replayCount, 0);
  LiveFrame(5);
  MatchSeams.replayRecordFrame();
  MatchSeams.replayRecordFrame();
  EXPECT_EQ(replayCount, 2);
  MatchSeams.replayBufferReset();
  EXPECT_EQ(replayCount, 0);
  EXPECT_EQ(replayWrite, 0);
  MatchSeams.replayBufferFree();
  EXPECT_EQ(replayBuffer, nullptr);
}

}  // namespace
