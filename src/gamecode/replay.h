// The instant replay ring: the last 750 frames of the match, 503 bytes each,
// that the instant replay, the automatic highlight and saved replays play back.
#pragma once

#include <cstdint>

constexpr int REPLAY_FRAMES = 750;
constexpr int REPLAY_FRAME_SIZE = 503;
constexpr int REPLAY_STATE_SIZE = 972;  // the replay state block of a replay file
constexpr int REPLAY_STATE_WRITE = 896;
constexpr int REPLAY_STATE_COUNT = 900;

extern uint8_t* replayBuffer;
extern int32_t replayWrite, replayCount, replayPos, ReplayType, replayMode, replayExit, replaySlowWait;

void ReplayBuffer_Alloc();
void ReplayBuffer_Free();
void ReplayBuffer_Reset();
// Captures the live frame into the ring's next slot.
void ReplayRecordFrame();
// Copies between the live state and one 503-byte frame.
void ReplayCaptureFrame(uint8_t* frame);
void ReplayRestoreFrame(const uint8_t* frame);
// Shows the frame at the play position and steps the position by ReplayType.
void ReplayPlayFrame();

void Replay_Reset();
