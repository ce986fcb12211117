// The instant replay ring (placeholder bodies until the ring lands).
#include "gamecode/replay.h"

#include "engine/reset.h"

uint8_t* replayBuffer = nullptr;
int32_t replayWrite = 0, replayCount = 0, replayPos = 0, ReplayType = 0, replayMode = 0, replayExit = 0,
        replaySlowWait = 0;

void Replay_Reset() {
  replayBuffer = nullptr;
  replayWrite = replayCount = replayPos = ReplayType = replayMode = replayExit = replaySlowWait = 0;
}
REGISTER_RESET(RESET_MATCH, Replay_Reset);

void ReplayBuffer_Alloc() {}
void ReplayBuffer_Free() {}
void ReplayBuffer_Reset() {}
void ReplayRecordFrame() {}
void ReplayCaptureFrame(uint8_t*) {}
void ReplayRestoreFrame(const uint8_t*) {}
void ReplayPlayFrame() {}
