// The instant replay ring: the last 750 frames of the match, 503 bytes each,
// that the instant replay, the automatic highlight and saved replays play back.
#pragma once

#include <cstdint>

constexpr int REPLAY_FRAMES = 750;
constexpr int REPLAY_FRAME_SIZE = 503;
constexpr int REPLAY_STATE_SIZE = 972;  // the replay state block of a replay file
constexpr int REPLAY_STATE_WRITE = 896;
constexpr int REPLAY_STATE_COUNT = 900;
constexpr uint32_t REPLAY_BUFFER_SIZE = uint32_t{REPLAY_FRAMES} * REPLAY_FRAME_SIZE;  // 377,250

// The frame, little-endian, no padding. Objects 0-36 first, six int16 each:
// x, y, height, motion, motionFrame, drawFacing.
constexpr int REPLAY_OBJECTS = 0;
constexpr int REPLAY_OBJECT_SIZE = 12;
constexpr int REPLAY_BALL_HEIGHT = 444;        // int16
constexpr int REPLAY_BALL_FIXED_X = 446;       // 16.16
constexpr int REPLAY_BALL_FIXED_Y = 450;       // 16.16
constexpr int REPLAY_BALL_FIXED_HEIGHT = 454;  // 16.16
constexpr int REPLAY_KEEPER_HOLDER_BYTE = 458;  // low byte of keeperHolder (not restored)
constexpr int REPLAY_THROW_HOLDER_BYTE = 459;   // low byte of throwHolder
constexpr int REPLAY_MATCH_STATE = 460;         // int16
constexpr int REPLAY_CAMERA_OBJECT = 462;       // int16, the object the camera follows
constexpr int REPLAY_CLOCK = 464;               // low 16 bits of the frames into the period
constexpr int REPLAY_SCORE = 466;               // two int16
constexpr int REPLAY_SHOOTOUT_SCORE = 470;      // two int16
constexpr int REPLAY_PERIOD = 474;              // int16 (not restored)
constexpr int REPLAY_PERIOD_OVER = 476;         // int16
constexpr int REPLAY_REFEREE_ACTION = 478;      // int16
constexpr int REPLAY_RESERVED_A = 480;          // 2 bytes
constexpr int REPLAY_BALL_ANGLE_FIRST = 482;    // float
constexpr int REPLAY_BALL_ANGLE_THIRD = 486;    // float
constexpr int REPLAY_BALL_ANGLE_SECOND = 490;   // float
constexpr int REPLAY_LAST_KICKER = 494;         // int16, -1 none
constexpr int REPLAY_KEEPER_HOLDER = 496;       // int16
constexpr int REPLAY_RESERVED_B = 498;          // 4 bytes
constexpr int REPLAY_CLOCK_RUNNING = 502;       // 1 byte

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
// Shows the frame at the play position and steps the position by ReplayType
// (0-9; any other is fatal). An empty ring shows nothing: the replay pauses,
// and an automatic replay (replayMode 4) exits.
void ReplayPlayFrame();

// The match frame's replay calls: the live frame kept when a replay starts
// and put back when it ends, and one step of the replay shown.
void ReplayCaptureLive();
void ReplayRestoreLive();
// Keeps the live frame and plays the ring from its oldest frame.
void ReplayStart();
// One replay frame: counts the slow-motion wait down, plays a frame, follows
// the play position in ReplayPosition and asks the frame loop to end the
// replay once it has exited.
void ReplayPlayStep();

void Replay_Reset();
