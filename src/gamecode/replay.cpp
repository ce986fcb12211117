// The instant replay ring: every live frame leaves a 503-byte snapshot of
// what is drawn in the next slot of a 750-frame ring in managed memory; the
// replays restore frames from it and move the play position by ReplayType.
#include "gamecode/replay.h"

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"

uint8_t* replayBuffer = nullptr;
int32_t replayWrite = 0, replayCount = 0, replayPos = 0, ReplayType = 0, replayMode = 0, replayExit = 0,
        replaySlowWait = 0;

namespace {

// The live frame kept while a replay is shown, put back when it ends.
struct ReplayState {
  uint8_t live[REPLAY_FRAME_SIZE] = {};
};
ReplayState gReplay;

}  // namespace

void Replay_Reset() {
  replayBuffer = nullptr;  // the memory manager's own reset drops the block
  replayWrite = replayCount = replayPos = ReplayType = replayMode = replayExit = replaySlowWait = 0;
  gReplay = ReplayState{};
}
REGISTER_RESET(RESET_MATCH, Replay_Reset);

void ReplayBuffer_Alloc() {
  if (replayBuffer) FreeMemory(&replayBuffer);
  AllocateMemory(&replayBuffer, REPLAY_BUFFER_SIZE, ManualFree);
  for (uint32_t i = 0; i < REPLAY_BUFFER_SIZE; ++i) replayBuffer[i] = 0;
  replayWrite = replayCount = 0;
}

void ReplayBuffer_Free() {
  if (replayBuffer) FreeMemory(&replayBuffer);
  replayBuffer = nullptr;
}

void ReplayBuffer_Reset() { replayWrite = replayCount = 0; }

void ReplayRecordFrame() {
  if (!replayBuffer) return;
  if (replayWrite < 0 || replayWrite >= REPLAY_FRAMES) replayWrite = 0;
  ReplayCaptureFrame(replayBuffer + static_cast<size_t>(replayWrite) * REPLAY_FRAME_SIZE);
  replayWrite = (replayWrite + 1) % REPLAY_FRAMES;
  if (replayCount < REPLAY_FRAMES) ++replayCount;
}

void ReplayCaptureFrame(uint8_t* frame) {
  for (int i = 0; i < MATCH_OBJECTS; ++i) {
    const MatchObject& o = MatchObjects[i];
    uint8_t* entry = frame + REPLAY_OBJECTS + i * REPLAY_OBJECT_SIZE;
    StoreI16(entry + 0, o.x);
    StoreI16(entry + 2, o.y);
    StoreI16(entry + 4, o.height);
    StoreI16(entry + 6, o.motion);
    StoreI16(entry + 8, o.motionFrame);
    StoreI16(entry + 10, o.drawFacing);
  }
  StoreI16(frame + REPLAY_BALL_HEIGHT, BallHeight);
  StoreI32(frame + REPLAY_BALL_FIXED_X, ballFixedX);
  StoreI32(frame + REPLAY_BALL_FIXED_Y, ballFixedY);
  StoreI32(frame + REPLAY_BALL_FIXED_HEIGHT, ballFixedHeight);
  frame[REPLAY_KEEPER_HOLDER_BYTE] = static_cast<uint8_t>(keeperHolder);
  frame[REPLAY_THROW_HOLDER_BYTE] = static_cast<uint8_t>(throwHolder);
  StoreI16(frame + REPLAY_MATCH_STATE, MatchState);
  StoreI16(frame + REPLAY_CAMERA_OBJECT, focusObject);
  StoreU16(frame + REPLAY_CLOCK, static_cast<uint32_t>(PeriodFrames));
  StoreI16(frame + REPLAY_SCORE, Score[0]);
  StoreI16(frame + REPLAY_SCORE + 2, Score[1]);
  StoreI16(frame + REPLAY_SHOOTOUT_SCORE, ShootoutScore[0]);
  StoreI16(frame + REPLAY_SHOOTOUT_SCORE + 2, ShootoutScore[1]);
  StoreI16(frame + REPLAY_PERIOD, period);
  StoreI16(frame + REPLAY_PERIOD_OVER, PeriodOver);
  StoreI16(frame + REPLAY_REFEREE_ACTION, MatchObjects[OBJECT_REFEREE].action);
  StoreI16(frame + REPLAY_RESERVED_A, 0);
  StoreF32(frame + REPLAY_BALL_ANGLE_FIRST, BallDrawAngles[0]);
  StoreF32(frame + REPLAY_BALL_ANGLE_THIRD, BallDrawAngles[2]);
  StoreF32(frame + REPLAY_BALL_ANGLE_SECOND, BallDrawAngles[1]);
  StoreI16(frame + REPLAY_LAST_KICKER, LastKicker);
  StoreI16(frame + REPLAY_KEEPER_HOLDER, keeperHolder);
  StoreI32(frame + REPLAY_RESERVED_B, 0);
  frame[REPLAY_CLOCK_RUNNING] = ClockRunning;
}

void ReplayRestoreFrame(const uint8_t* frame) {
  for (int i = 0; i < MATCH_OBJECTS; ++i) {
    MatchObject& o = MatchObjects[i];
    const uint8_t* entry = frame + REPLAY_OBJECTS + i * REPLAY_OBJECT_SIZE;
    o.x = LoadI16(entry + 0);
    o.y = LoadI16(entry + 2);
    o.height = LoadI16(entry + 4);
    o.motion = LoadI16(entry + 6);
    o.motionFrame = LoadI16(entry + 8);
    o.drawFacing = LoadI16(entry + 10);
  }
  BallHeight = LoadI16(frame + REPLAY_BALL_HEIGHT);
  ballFixedX = LoadI32(frame + REPLAY_BALL_FIXED_X);
  ballFixedY = LoadI32(frame + REPLAY_BALL_FIXED_Y);
  ballFixedHeight = LoadI32(frame + REPLAY_BALL_FIXED_HEIGHT);
  // The period stays the live one; the primary holder comes from its 16-bit
  // copy, the second from its byte.
  throwHolder = frame[REPLAY_THROW_HOLDER_BYTE];
  MatchState = LoadI16(frame + REPLAY_MATCH_STATE);
  focusObject = static_cast<uint8_t>(LoadI16(frame + REPLAY_CAMERA_OBJECT));
  PeriodFrames = LoadU16(frame + REPLAY_CLOCK);
  Score[0] = LoadI16(frame + REPLAY_SCORE);
  Score[1] = LoadI16(frame + REPLAY_SCORE + 2);
  ShootoutScore[0] = LoadI16(frame + REPLAY_SHOOTOUT_SCORE);
  ShootoutScore[1] = LoadI16(frame + REPLAY_SHOOTOUT_SCORE + 2);
  PeriodOver = static_cast<uint8_t>(LoadI16(frame + REPLAY_PERIOD_OVER));
  MatchObjects[OBJECT_REFEREE].action = LoadI16(frame + REPLAY_REFEREE_ACTION);
  BallDrawAngles[0] = LoadF32(frame + REPLAY_BALL_ANGLE_FIRST);
  BallDrawAngles[2] = LoadF32(frame + REPLAY_BALL_ANGLE_THIRD);
  BallDrawAngles[1] = LoadF32(frame + REPLAY_BALL_ANGLE_SECOND);
  LastKicker = LoadI16(frame + REPLAY_LAST_KICKER);
  keeperHolder = LoadI16(frame + REPLAY_KEEPER_HOLDER);
  ClockRunning = frame[REPLAY_CLOCK_RUNNING];
}

void ReplayPlayFrame() {
  // An empty ring has nothing to show: the replay stands paused (and an
  // automatic one ends).
  if (!replayBuffer || replayCount <= 0) {
    replayPos = 0;
    ReplayType = 3;
    if (replayMode == 4) replayExit = 1;
    return;
  }
  if (replayCount > REPLAY_FRAMES) replayCount = REPLAY_FRAMES;
  if (replayPos < 0) replayPos = 0;
  if (replayPos > replayCount - 1) replayPos = replayCount - 1;
  if (replayWrite < 0 || replayWrite >= REPLAY_FRAMES) replayWrite = 0;
  const int32_t slot = (replayPos + replayWrite) % replayCount;
  ReplayRestoreFrame(replayBuffer + static_cast<size_t>(slot) * REPLAY_FRAME_SIZE);
  switch (ReplayType) {
    case 0:
    case 3:
    case 9:
      break;
    case 1:
      replayPos -= 3;
      break;
    case 2:
      replayPos -= 1;
      break;
    case 4:
      if (replaySlowWait == 0) {
        replaySlowWait = 2;
        replayPos += 1;
      }
      break;
    case 5:
      replayPos += 1;
      break;
    case 6:
      replayPos += 3;
      break;
    case 7:
      replayExit = 1;
      break;
    case 8:
      // The replay controls take this request; until they exist it does nothing.
      break;
    default:
      FatalError("Bad ReplayType case %d\n", ReplayType);
  }
  if (replayPos < 0) {
    replayPos = 0;
    ReplayType = 3;
  } else if (replayPos >= replayCount - 1) {
    replayPos = replayCount - 1;
    ReplayType = 3;
    if (replayMode == 4) replayExit = 1;
  }
}

void ReplayCaptureLive() { ReplayCaptureFrame(gReplay.live); }

void ReplayRestoreLive() { ReplayRestoreFrame(gReplay.live); }

void ReplayStart() {
  ReplayCaptureLive();
  replayPos = 0;
  ReplayType = 5;
  replayExit = 0;
  replaySlowWait = 0;
}

void ReplayPlayStep() {
  if (replaySlowWait > 0) --replaySlowWait;
  ReplayPlayFrame();
  ReplayPosition = replayPos;
  if (replayExit) {
    replayExit = 0;
    ReplayEndRequest = 1;
  }
}
